#include "core/ProgramHelp.h"

namespace suite::help {

namespace {

Text T(const char* de, const char* en)
{
    return { QString::fromUtf8(de), QString::fromUtf8(en) };
}

QList<Program> makePrograms()
{
    const Text readerUsage = T("[Optionen]", "[options]");
    QList<Program> all;
    all.append({ QStringLiteral("lautbote"),
        T("Der Textvorleser: eine Figur spricht getippten, markierten, geöffneten und kopierten "
          "Text.",
            "The text reader: a character speaks typed, selected, opened and copied text."),
        T("Die Figur steht auf dem Bildschirm und liest vor, was in ihr Fenster getippt, dort "
          "geöffnet oder in einem anderen Programm markiert und kopiert wird. Das Symbol im "
          "Systembereich öffnet das Programmfenster wieder.",
            "The character stands on the screen and reads what is typed or opened in its "
            "window, or selected and copied in another program. The icon in the system tray "
            "opens the program window again."),
        readerUsage, {} });
    all.append({ QStringLiteral("lautzwerg"),
        T("Der Textvorleser mit dem Flaschengeist: er spricht getippten, markierten, geöffneten "
          "und kopierten Text.",
            "The text reader with the genie: it speaks typed, selected, opened and copied "
            "text."),
        T("Die Ausgabe des Textvorlesers, in der der Flaschengeist spricht.",
            "The edition of the text reader in which the genie speaks."),
        readerUsage, {} });
    all.append({ QStringLiteral("tockwerk"),
        T("Die sprechende Uhr: sagt Datum und Uhrzeit an, zur vollen Stunde und im gewählten "
          "Abstand, mit Alarm und Erinnerung.",
            "The talking clock: announces the date and the time on the hour and at the chosen "
            "interval, with an alarm and a reminder."),
        T("Ein zweiter Start endet sofort ohne ein Wort; die laufende Uhr läuft weiter.",
            "A second start ends at once without a word; the running clock goes on."),
        readerUsage, {} });
    all.append({ QStringLiteral("zifferio"),
        T("Der sprechende Taschenrechner: spricht jede Taste und jedes Ergebnis.",
            "The talking calculator: speaks every key and every result."),
        T("Jede Taste des Rechners hat ihre Taste auf der Tastatur: Ziffern, Komma, die "
          "Rechenzeichen, = oder Enter, Escape (C) und Entf (CE).",
            "Every key of the calculator has its key on the keyboard: digits, the decimal "
            "comma, the operators, = or Enter, Escape (C) and Delete (CE)."),
        readerUsage, {} });
    all.append({ QStringLiteral("netzleser"),
        T("Der sprechende Web-Browser: liest Webseiten und markierten Text vor.",
            "The talking web browser: reads web pages and selected text aloud."),
        T("Eine ADRESSE oder eine DATEI auf der Kommandozeile wird gleich geöffnet. Zum "
          "Browser gehört ein Werkzeug, das Bildschirmbereiche aufnimmt.",
            "An ADDRESS or a FILE on the command line is opened at once. The browser comes with "
            "a tool that captures regions of the screen."),
        T("[Optionen] [ADRESSE|DATEI]", "[options] [ADDRESS|FILE]"), {} });
    all.append({ QStringLiteral("sprich"),
        T("Spricht einen Text durch eine Figur der Sprachausgabe oder in eine WAV-Datei.",
            "Speaks a text through one of the suite's characters, or into a WAV file."),
        T("Ohne TEXT wird die Standardeingabe gelesen (höchstens 1 MiB). Mit --bild wird der "
          "Text in einem Bild erkannt und gesprochen; findet sich keiner, sagt sprich das und "
          "endet mit Status 1.",
            "Without TEXT the standard input is read (at most 1 MiB). With --bild the text in a "
            "picture is recognised and spoken; when there is none, sprich says so and ends with "
            "status 1."),
        T("[Optionen] [TEXT...]", "[options] [TEXT...]"),
        {
            { { QStringLiteral("c"), QStringLiteral("character") }, T("NAME", "NAME"),
                T("Die Figur (Genie, Merlin, Robby; Vorgabe Genie).",
                    "The character (Genie, Merlin, Robby; default Genie).") },
            { { QStringLiteral("r"), QStringLiteral("rate") }, T("WPM", "WPM"),
                T("Sprechgeschwindigkeit in Worten pro Minute, wo der Text nicht selbst mit "
                  "\\Spd=N\\ beginnt.",
                    "Speaking rate in words per minute, unless the text itself begins with "
                    "\\Spd=N\\.") },
            { { QStringLiteral("l"), QStringLiteral("lang") }, T("de|en", "de|en"),
                T("Sprache: de oder en.", "Language: de or en.") },
            { { QStringLiteral("e"), QStringLiteral("engine") }, T("NAME", "NAME"),
                T("Die Sprachausgabe: espeak-ng (eingebaut) oder speechd (die Stimmen von "
                  "speech-dispatcher). Vorgabe: $SPRACHAUSGABE_ENGINE, sonst espeak-ng. --wav "
                  "spricht immer mit espeak-ng.",
                    "The speech engine: espeak-ng (built in) or speechd (speech-dispatcher's "
                    "voices). Default: $SPRACHAUSGABE_ENGINE, else espeak-ng. --wav always "
                    "speaks with espeak-ng.") },
            { { QStringLiteral("voices") }, {},
                T("Zeigt die deutschen und englischen Stimmen von speech-dispatcher.",
                    "Lists speech-dispatcher's German and English voices.") },
            { { QStringLiteral("w"), QStringLiteral("wav") }, T("DATEI", "FILE"),
                T("Schreibt die Sprache in diese WAV-Datei, ohne Fenster.",
                    "Writes the speech into this WAV file, without a window.") },
            { { QStringLiteral("b"), QStringLiteral("bild") }, T("DATEI", "FILE"),
                T("Liest den Text in diesem Bild (PNG, BMP, JPEG) vor.",
                    "Reads the text in this picture (PNG, BMP, JPEG) aloud.") },
            { { QStringLiteral("t"), QStringLiteral("text") }, {},
                T("Mit --bild: gibt den erkannten Text nur aus, statt ihn zu sprechen.",
                    "With --bild: prints the recognised text instead of speaking it.") },
        },
        false });
    all.append({ QStringLiteral("tippe"),
        T("Tippt eine Tastenfolge in das Fenster, das gerade die Tastatur hat.",
            "Types a key sequence into the window that has the keyboard focus."),
        T("Schreibweise: Zeichen wie sie sind, + Umschalt, ^ Strg, % Alt für das Folgende, "
          "(…) als Gruppe, {TAB}, {ENTER 3} usw. für benannte Tasten, ~ für Enter. Eine "
          "Tastenfolge, die mit - beginnt, steht nach --.",
            "Notation: characters as they are, + Shift, ^ Ctrl, % Alt for what follows, (…) as "
            "a group, {TAB}, {ENTER 3} and so on for named keys, ~ for Enter. A sequence that "
            "begins with - comes after --."),
        T("[--delay MS] [--] TASTENFOLGE", "[--delay MS] [--] SEQUENCE"),
        {
            { { QStringLiteral("d"), QStringLiteral("delay") }, T("MS", "MS"),
                T("Wartet vor jedem Tastendruck so viele Millisekunden (0 bis 10000).",
                    "Waits this many milliseconds (0 to 10000) before each key press.") },
        },
        false, false });
    return all;
}

} // namespace

const QList<Program>& programs()
{
    static const QList<Program> all = makePrograms();
    return all;
}

const Program* program(const QString& name)
{
    for (const Program& p : programs()) {
        if (p.name == name)
            return &p;
    }
    return nullptr;
}

const QList<Option>& standardOptions()
{
    static const QList<Option> all {
        { { QStringLiteral("h"), QStringLiteral("help") }, {},
            T("diese Hilfe zeigen und beenden", "show this help and end") },
        { { QStringLiteral("version") }, {},
            T("die Version zeigen und beenden", "show the version and end") },
    };
    return all;
}

QString shortSummary(const QString& summary)
{
    const qsizetype colon = summary.indexOf(u':');
    return colon < 0 ? summary : summary.left(colon);
}

const QList<Variable>& environment()
{
    static const QList<Variable> all {
        { QStringLiteral("SPRACHAUSGABE_SYSTEM_DIR"),
            T("Das Systemverzeichnis der Sprachausgabe (Figuren in msagent/chars); Vorgabe "
              "../share/sprachausgabe neben dem Programm, nach der Installation "
              "/usr/share/sprachausgabe.",
                "The suite's system directory (characters in msagent/chars); default "
                "../share/sprachausgabe next to the program, /usr/share/sprachausgabe once "
                "installed.") },
        { QStringLiteral("SPRACHAUSGABE_PROGRAM_DIR"),
            T("Wo ein Programm seine Dateien hält; Vorgabe das Verzeichnis des Programms, wenn "
              "es beschreibbar ist und nicht unter einem Ordner usr liegt (nach der "
              "Installation), sonst $XDG_CONFIG_HOME/sprachausgabe (~/.config/sprachausgabe).",
                "Where a program keeps its files; default the program's directory when it is "
                "writable and not below a folder named usr (once installed), else "
                "$XDG_CONFIG_HOME/sprachausgabe (~/.config/sprachausgabe).") },
        { QStringLiteral("SPRACHAUSGABE_AUDIO"),
            T("null: stumme Ausgabe im Takt der Sprache, ohne Audiogerät.",
                "null: silent output at the pace of speech, without an audio device.") },
        { QStringLiteral("SPRACHAUSGABE_SPEECH_LOG"),
            T("Eine Datei, an die jede Sprachanfrage als eine JSON-Zeile angehängt wird.",
                "A file to which every speech request is appended as one JSON line.") },
        { QStringLiteral("SPRACHAUSGABE_ENGINE"),
            T("speechd: mit den Stimmen von speech-dispatcher sprechen; Vorgabe espeak-ng. Ist "
              "der Dienst nicht erreichbar, spricht espeak-ng (mit einer Meldung).",
                "speechd: speak with speech-dispatcher's voices; default espeak-ng. When the "
                "service cannot be reached, espeak-ng speaks (with a message).") },
    };
    return all;
}

Text engineChoice()
{
    return T("mit den Stimmen von speech-dispatcher sprechen (Vorgabe: espeak-ng)",
        "speak with speech-dispatcher's voices (default: espeak-ng)");
}

} // namespace suite::help
