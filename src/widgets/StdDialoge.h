#pragma once

#include "widgets/FileChooser.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace suite {

// The dialog's filters from a "|"-separated list of description/pattern pairs as the callers
// write them ("BMP-Datei (*.bmp)|*.bmp|Alle Dateien|*.*"). Patterns separated by ";" become
// one filter with several patterns. A pair without a pattern shows all files; an empty pair
// (a trailing "|") is dropped; an empty text gives no filter at all.
QStringList fileDialogFilters(const QString& filter);

// The suffix the dialog appends to a name typed without one: "*.bmp" gives "bmp"; a pattern
// with wildcards left after its "*." ("*.*") gives none.
QString fileDialogSuffix(const QString& defaultExtension);

// Asks the user for a file to open or to save. The folder argument is in/out: on entry the
// folder to start in (empty lets the dialog choose); after a confirmed dialog the chosen
// file's folder with a trailing "/"; after a cancelled or failed dialog exactly as passed.
// The result is the chosen file's name without its folder, or "" for cancel and failure, so
// folder + result is the full path.
class StdDialoge {
public:
    static constexpr int MaxProposedNameLength = 255;

    explicit StdDialoge(FileChooser& chooser)
        : m_chooser(chooser)
    {
    }

    QString ShowOpenDialog(QWidget* owner, const QString& title, QString& folder,
        const QString& proposedName, const QString& filter, const QString& defaultExtension);
    QString ShowSaveDialog(QWidget* owner, const QString& title, QString& folder,
        const QString& proposedName, const QString& filter, const QString& defaultExtension);
    // kind 0 opens; 1 saves asking before it overwrites; 2 saves without asking. Any other
    // kind saves too, and asks: a caller's slip must never cost an existing file.
    QString ShowFileDialog(QWidget* owner, const QString& title, QString& folder,
        const QString& proposedName, const QString& filter, const QString& defaultExtension,
        int kind);

private:
    FileChooser& m_chooser;
};

} // namespace suite
