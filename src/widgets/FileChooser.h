#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace suite {

enum class FileDialogKind {
    Open, // the file must exist
    SaveAskingToOverwrite, // asks before an existing file is replaced
    SaveWithoutAsking,
};

// Everything a file dialog is told before it opens.
struct FileRequest {
    QWidget* owner = nullptr; // the dialog is modal to this window
    QString title;
    QString startFolder; // empty: the dialog chooses
    QString proposedName; // shown in the name field at the start
    QStringList filters; // "Beschreibung (*.a *.b)" each; the first one is preselected
    QString defaultSuffix; // without a dot; appended to a name typed without one
    FileDialogKind kind = FileDialogKind::Open;
};

// Asks the user for one file.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file's full path, or an empty text when the user cancelled or the dialog
    // could not be shown.
    virtual QString chooseFile(const FileRequest& request) = 0;
};

} // namespace suite
