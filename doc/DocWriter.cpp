#include "DocWriter.h"

namespace suite::doc {

namespace {

QString in(const help::Text& text, Language language)
{
    return language == Language::German ? text.de : text.en;
}

// Text for roff: a backslash is printed as \e, and a line must not begin with a control
// character.
QString roff(QString text)
{
    text.replace(u'\\', QStringLiteral("\\e"));
    if (text.startsWith(u'.') || text.startsWith(u'\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

// A command-line word: its hyphens are minus signs, which the reader types.
QString roffWord(const QString& word)
{
    return roff(word).replace(u'-', QStringLiteral("\\-"));
}

QString xml(QString text)
{
    return text.replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'>', QStringLiteral("&gt;"));
}

QString displayName(const QString& programName)
{
    return programName.left(1).toUpper() + programName.mid(1);
}

} // namespace

QString manualPage(const help::Program& program, Language language, const QString& version)
{
    const bool de = language == Language::German;
    QString page;
    page += QStringLiteral(".TH %1 1 \"\" \"Sprachausgabe %2\" \"%3\"\n")
                .arg(program.name.toUpper(), version,
                    de ? QStringLiteral("Benutzerbefehle") : QStringLiteral("User Commands"));
    page += de ? QStringLiteral(".SH BEZEICHNUNG\n") : QStringLiteral(".SH NAME\n");
    page += QStringLiteral("%1 \\- %2\n").arg(program.name, roff(in(program.summary, language)));
    page += de ? QStringLiteral(".SH ÜBERSICHT\n") : QStringLiteral(".SH SYNOPSIS\n");
    page += QStringLiteral(".B %1\n%2\n").arg(program.name, roffWord(in(program.usage, language)));
    page += de ? QStringLiteral(".SH BESCHREIBUNG\n") : QStringLiteral(".SH DESCRIPTION\n");
    page += roff(in(program.summary, language)) + u'\n';
    if (!in(program.details, language).isEmpty())
        page += QStringLiteral(".PP\n") + roff(in(program.details, language)) + u'\n';

    page += de ? QStringLiteral(".SH OPTIONEN\n") : QStringLiteral(".SH OPTIONS\n");
    for (const help::Option& option : program.options + help::standardOptions()) {
        QStringList names;
        for (const QString& name : option.names)
            names.append(
                QStringLiteral("\\fB%1\\fR")
                    .arg(roffWord(
                        (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name)));
        QString term = names.join(QStringLiteral(", "));
        if (!in(option.valueName, language).isEmpty())
            term += QStringLiteral(" \\fI%1\\fR").arg(roffWord(in(option.valueName, language)));
        page += QStringLiteral(".TP\n%1\n%2\n").arg(term, roff(in(option.description, language)));
    }

    if (program.speaks) {
        page += de ? QStringLiteral(".SH UMGEBUNG\n") : QStringLiteral(".SH ENVIRONMENT\n");
        for (const help::Variable& variable : help::environment())
            page += QStringLiteral(".TP\n.B %1\n%2\n")
                        .arg(variable.name, roff(in(variable.meaning, language)));
        page += de ? QStringLiteral(".SH DATEIEN\n") : QStringLiteral(".SH FILES\n");
        page += QStringLiteral(".TP\n.I /usr/share/sprachausgabe/msagent/chars\n%1\n")
                    .arg(de ? QStringLiteral("Die Figuren (*.acs).")
                            : QStringLiteral("The characters (*.acs)."));
        page += QStringLiteral(".TP\n.I ~/.config/sprachausgabe\n%1\n")
                    .arg(de ? QStringLiteral("Die Einstellungen und Listen der Programme.")
                            : QStringLiteral("The programs' settings and lists."));
    }
    page += de ? QStringLiteral(".SH SIEHE AUCH\n") : QStringLiteral(".SH SEE ALSO\n");
    QStringList others;
    for (const help::Program& other : help::programs()) {
        if (other.name != program.name)
            others.append(QStringLiteral(".BR %1 (1)").arg(other.name));
    }
    page += others.join(QStringLiteral(",\n")) + u'\n';
    return page;
}

QString componentId(const QString& programName)
{
    return QStringLiteral("de.sprachausgabe.") + programName;
}

QString metainfo(const help::Program& program, const QString& version, const QString& releaseDate,
    const QString& screenshotUrl)
{
    const QString en = help::shortSummary(program.summary.en);
    const QString de = help::shortSummary(program.summary.de);
    QString text;
    text += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<component type=\"desktop-application\">\n");
    text += QStringLiteral("  <id>%1</id>\n").arg(componentId(program.name));
    text += QStringLiteral("  <metadata_license>FSFAP</metadata_license>\n");
    text += QStringLiteral("  <name>%1</name>\n").arg(displayName(program.name));
    text += QStringLiteral("  <summary>%1</summary>\n").arg(xml(en));
    text += QStringLiteral("  <summary xml:lang=\"de\">%1</summary>\n").arg(xml(de));
    text += QStringLiteral("  <description>\n");
    text += QStringLiteral("    <p>%1 %2</p>\n")
                .arg(xml(program.summary.en), xml(program.details.en));
    text += QStringLiteral("    <p xml:lang=\"de\">%1 %2</p>\n")
                .arg(xml(program.summary.de), xml(program.details.de));
    text += QStringLiteral("  </description>\n");
    text += QStringLiteral("  <launchable type=\"desktop-id\">%1.desktop</launchable>\n")
                .arg(program.name);
    text += QStringLiteral("  <developer_name>Sprachausgabe</developer_name>\n");
    text += QStringLiteral("  <provides>\n    <binary>%1</binary>\n  </provides>\n")
                .arg(program.name);
    if (!screenshotUrl.isEmpty()) {
        text += QStringLiteral("  <screenshots>\n"
                               "    <screenshot type=\"default\">\n"
                               "      <caption>%1</caption>\n"
                               "      <caption xml:lang=\"de\">%2</caption>\n"
                               "      <image>%3</image>\n"
                               "    </screenshot>\n"
                               "  </screenshots>\n")
                    .arg(xml(en), xml(de), xml(screenshotUrl));
    }
    text += QStringLiteral("  <content_rating type=\"oars-1.1\"/>\n");
    text += QStringLiteral("  <releases>\n    <release version=\"%1\" date=\"%2\"/>\n"
                           "  </releases>\n")
                .arg(version, releaseDate);
    text += QStringLiteral("</component>\n");
    return text;
}

} // namespace suite::doc
