#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What each command of the suite says about itself, in German and English. The one source of
// --help, of the manual pages and of the software centre's summaries, so none of them can say
// something the others do not.
namespace suite::help {

struct Text {
    QString de;
    QString en;
};

struct Option {
    QStringList names; // one letter is a short option ("-d"), more a long one ("--delay")
    Text valueName; // "MS"; empty for an option without a value
    Text description;
};

struct Program {
    QString name;
    // "Der sprechende Taschenrechner: spricht ...": the line after the name in --help and in
    // the manual's NAME; the part before ":" is the software centre's short summary.
    Text summary;
    Text details; // further paragraphs of --help and the manual's DESCRIPTION; may be empty
    Text usage; // what follows the name in the synopsis
    QList<Option> options; // beyond --help and --version
    bool graphical = true; // a desktop program with a window, a desktop file and an icon
    bool speaks = true; // reads the suite's data and the environment() below
};

// Every command of the suite, the desktop programs first.
const QList<Program>& programs();
// The command named so, or nullptr.
const Program* program(const QString& name);
// -h/--help and --version, which every command answers.
const QList<Option>& standardOptions();
// The part of the summary before its ":" (the whole summary when it has none).
QString shortSummary(const QString& summary);

struct Variable {
    QString name;
    Text meaning;
};
// The environment variables every program reads (the manuals' ENVIRONMENT).
const QList<Variable>& environment();
// What SPRACHAUSGABE_ENGINE=speechd does, for --help.
Text engineChoice();

} // namespace suite::help
