#include "widgets/StdDialoge.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace suite {

namespace {

FileDialogKind kindFromCode(int kind)
{
    switch (kind) {
    case 0:
        return FileDialogKind::Open;
    case 2:
        return FileDialogKind::SaveWithoutAsking;
    default:
        return FileDialogKind::SaveAskingToOverwrite;
    }
}

QStringList splitPatterns(const QString& patterns)
{
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    return patterns.split(separators, Qt::SkipEmptyParts);
}

QString dialogFilter(QString description, const QString& patternText)
{
    QStringList patterns = splitPatterns(patternText);
    if (patterns.isEmpty())
        patterns << QStringLiteral("*");
    // The dialog reads the patterns from the last "(...)" of the text. A description that
    // already names patterns ("BMP-Datei (*.bmp)") gets them replaced by the real ones, so
    // what the user reads is what the dialog filters.
    static const QRegularExpression namedPatterns(QStringLiteral("\\s*\\([^()]*[*?][^()]*\\)$"));
    description = description.trimmed().remove(namedPatterns);
    const QString joined = patterns.join(u' ');
    if (description.isEmpty())
        return joined;
    return description + QStringLiteral(" (") + joined + u')';
}

QString withoutHalfCharacter(const QString& text, int maxLength)
{
    if (text.size() <= maxLength)
        return text;
    const bool splitsPair = text.at(maxLength - 1).isHighSurrogate();
    return text.left(splitsPair ? maxLength - 1 : maxLength);
}

} // namespace

QStringList fileDialogFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i);
        const QString patterns = i + 1 < parts.size() ? parts.at(i + 1) : QString();
        if (description.trimmed().isEmpty() && patterns.trimmed().isEmpty())
            continue;
        filters << dialogFilter(description, patterns);
    }
    return filters;
}

QString fileDialogSuffix(const QString& defaultExtension)
{
    QString suffix = splitPatterns(defaultExtension).value(0);
    while (suffix.startsWith(u'*') || suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    if (suffix.contains(u'*') || suffix.contains(u'?') || suffix.contains(u'/'))
        return {};
    return suffix;
}

QString StdDialoge::ShowOpenDialog(QWidget* owner, const QString& title, QString& folder,
    const QString& proposedName, const QString& filter, const QString& defaultExtension)
{
    return ShowFileDialog(owner, title, folder, proposedName, filter, defaultExtension, 0);
}

QString StdDialoge::ShowSaveDialog(QWidget* owner, const QString& title, QString& folder,
    const QString& proposedName, const QString& filter, const QString& defaultExtension)
{
    return ShowFileDialog(owner, title, folder, proposedName, filter, defaultExtension, 1);
}

QString StdDialoge::ShowFileDialog(QWidget* owner, const QString& title, QString& folder,
    const QString& proposedName, const QString& filter, const QString& defaultExtension, int kind)
{
    FileRequest request;
    request.owner = owner;
    request.title = title;
    request.startFolder = folder;
    request.proposedName = withoutHalfCharacter(proposedName, MaxProposedNameLength);
    request.filters = fileDialogFilters(filter);
    request.defaultSuffix = fileDialogSuffix(defaultExtension);
    request.kind = kindFromCode(kind);

    const QString chosen = m_chooser.chooseFile(request);
    // A path without a file name in it cannot be what the caller asked for.
    if (chosen.isEmpty() || chosen.endsWith(u'/'))
        return {};
    const QString path = QDir::cleanPath(QFileInfo(chosen).absoluteFilePath());
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString name = path.mid(slash + 1);
    if (slash < 0 || name.isEmpty())
        return {};
    folder = path.left(slash + 1);
    // The original dialog left the process in the chosen folder; relative names rely on it.
    QDir::setCurrent(folder);
    return name;
}

} // namespace suite
