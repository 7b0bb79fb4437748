#include "widgets/FileChooserDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace suite {

namespace {

// Qt's save dialog takes a name in a folder that does not exist and leaves the failure to
// whoever writes the file later; here the user hears of it while the dialog is still open.
class SaveAwareFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        if (acceptMode() == AcceptSave) {
            const QFileInfo chosen(selectedFiles().value(0));
            if (!chosen.fileName().isEmpty() && !chosen.isDir() && !chosen.dir().exists()) {
                QMessageBox::warning(this, windowTitle(),
                    QStringLiteral("Der Ordner \"%1\" existiert nicht.")
                        .arg(QDir::toNativeSeparators(chosen.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

QString defaultTitle(FileDialogKind kind)
{
    return kind == FileDialogKind::Open ? QStringLiteral("Öffnen")
                                        : QStringLiteral("Speichern unter");
}

} // namespace

QString FileChooserDialog::chooseFile(const FileRequest& request)
{
    SaveAwareFileDialog dialog(request.owner);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(request.title.isEmpty() ? defaultTitle(request.kind) : request.title);
    dialog.setWindowModality(request.owner ? Qt::WindowModal : Qt::ApplicationModal);
    if (request.kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(
            QFileDialog::DontConfirmOverwrite, request.kind == FileDialogKind::SaveWithoutAsking);
    }
    if (!request.startFolder.isEmpty())
        dialog.setDirectory(request.startFolder);
    if (!request.filters.isEmpty()) {
        dialog.setNameFilters(request.filters);
        dialog.selectNameFilter(request.filters.first());
    }
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace suite
