#include "widgets/FileChooserDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QRegularExpression>

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

// The patterns a filter text names in its last brackets, matched the way the programs'
// filters mean them: "*.*" is every file, a name with a dot or without (Qt's wildcard would
// ask for a dot).
QStringList platformPatterns(const QString& filterText)
{
    static const QRegularExpression lastBrackets(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    const QRegularExpressionMatch match = lastBrackets.match(filterText);
    QStringList patterns
        = (match.hasMatch() ? match.captured(1) : filterText).split(separators, Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
    }
    if (patterns.isEmpty())
        patterns << QStringLiteral("*");
    return patterns;
}

// The dialog shows each filter's text as the program wrote it and lists the files its
// patterns match on this platform. Called after the dialog applied a filter itself.
void matchLikeThePrograms(QFileDialog& dialog, const QString& filterText)
{
    if (auto* model = dialog.findChild<QFileSystemModel*>())
        model->setNameFilters(platformPatterns(filterText));
}

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
        matchLikeThePrograms(dialog, request.filters.first());
        // The user's choice of filter reaches this after the dialog's own handling of it.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString& filterText) { matchLikeThePrograms(dialog, filterText); });
    }
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace suite
