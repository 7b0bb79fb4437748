// sprich: speaks a text through one of the suite's characters, or into a WAV file; or the
// text in a picture.
//   sprich [--character NAME] [--rate WPM] [--lang de|en] [--engine espeak-ng|speechd]
//          [--wav FILE] [TEXT...]
//   sprich --bild FILE [--text]
//   sprich --voices   (the voices speech-dispatcher offers for German and English)
#include "core/CommandLine.h"
#include "core/Paths.h"
#include "core/Platform.h"
#include "core/ProgramHelp.h"
#include "ocr/PicturePreparation.h"
#include "ocr/TextRecognizer.h"
#include "speech/Character.h"
#include "speech/SpeechEngineFactory.h"
#include "speech/SpeechdEngine.h"
#include "speech/SpeedTag.h"
#include "speech/WavExport.h"
#include "widgets/agent/AgentCharacter.h"
#include "widgets/agent/CharacterAgent.h"
#include "widgets/agent/CharacterFile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>

#include <cstdio>
#include <cstring>

using namespace suite;

namespace {

constexpr qsizetype kMaxTextBytes = 1024 * 1024;

struct Options {
    QString character = QStringLiteral("Genie");
    int rate = 0; // 0: the character's own rate
    QString language = QStringLiteral("de");
    QString engine; // empty: $SPRACHAUSGABE_ENGINE
    QString wavPath;
    QString picture; // --bild: the text comes from this picture
    bool printOnly = false; // --text: the picture's text is printed, not spoken
    bool noTextFound = false; // the picture held none; what is spoken says so
    QString text;
};

int fail(const QString& message)
{
    std::fprintf(stderr, "sprich: %s\n", qPrintable(message));
    return 1;
}

bool argvHas(int argc, char** argv, std::initializer_list<const char*> names)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* name : names) {
            const size_t n = std::strlen(name);
            // "--wav FILE" and "--wav=FILE" alike.
            if (std::strncmp(argv[i], name, n) == 0 && (argv[i][n] == '\0' || argv[i][n] == '='))
                return true;
        }
    }
    return false;
}

// Programs of the suite run on X11 (or XWayland). Without any display, and for work that
// needs no window, Qt's offscreen platform lets the tool run all the same.
void choosePlatform(int argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    const bool windowless
        = argvHas(argc, argv, { "--wav", "--text", "--help", "-h", "--version", "-v", "--voices" });
    if (windowless || qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else
        qputenv(
            "QT_QPA_PLATFORM", "xcb;offscreen"); // a display that cannot be reached is no display
}

QString readStandardInput(bool* tooLong)
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = in.read(kMaxTextBytes + 1);
    *tooLong = bytes.size() > kMaxTextBytes;
    return QString::fromUtf8(bytes);
}

// Fills options from the command line; returns an error message, or "" when all is well.
QString parseOptions(QCommandLineParser& parser, Options* options)
{
    const QString rate = parser.value(QStringLiteral("rate"));
    if (!rate.isEmpty()) {
        bool ok = false;
        options->rate = rate.toInt(&ok);
        if (!ok || options->rate < SpeedTag::minimumRate || options->rate > SpeedTag::maximumRate)
            return QStringLiteral("--rate erwartet Worte pro Minute von %1 bis %2, nicht \"%3\"")
                .arg(SpeedTag::minimumRate)
                .arg(SpeedTag::maximumRate)
                .arg(rate);
    }
    if (parser.isSet(QStringLiteral("lang"))) {
        options->language = parser.value(QStringLiteral("lang"));
        if (options->language != QLatin1String("de") && options->language != QLatin1String("en"))
            return QStringLiteral("--lang kennt nur de und en, nicht \"%1\"")
                .arg(options->language);
    }
    if (parser.isSet(QStringLiteral("engine"))) {
        options->engine = parser.value(QStringLiteral("engine")).trimmed().toLower();
        if (options->engine != QLatin1String(espeakEngineName)
            && options->engine != QLatin1String(speechdEngineName))
            return QStringLiteral("--engine kennt nur espeak-ng und speechd, nicht \"%1\"")
                .arg(options->engine);
    }
    if (parser.isSet(QStringLiteral("character")))
        options->character = parser.value(QStringLiteral("character"));
    if (options->character.isEmpty() || options->character.contains(QLatin1Char('/')))
        return QStringLiteral("ungültiger Charaktername \"%1\"").arg(options->character);
    options->wavPath = parser.value(QStringLiteral("wav"));
    if (parser.isSet(QStringLiteral("wav")) && options->wavPath.isEmpty())
        return QStringLiteral("--wav braucht einen Dateinamen");

    options->picture = parser.value(QStringLiteral("bild"));
    options->printOnly = parser.isSet(QStringLiteral("text"));
    if (parser.isSet(QStringLiteral("bild")) && options->picture.isEmpty())
        return QStringLiteral("--bild braucht einen Dateinamen");
    if (options->printOnly && options->picture.isEmpty())
        return QStringLiteral("--text gilt nur mit --bild");
    options->text = parser.positionalArguments().join(QLatin1Char(' '));
    if (!options->picture.isEmpty()) {
        if (!options->text.isEmpty())
            return QStringLiteral("mit --bild kommt der Text aus dem Bild, nicht als Argument");
        return {};
    }
    if (options->text.isEmpty()) {
        bool tooLong = false;
        options->text = readStandardInput(&tooLong);
        if (tooLong)
            return QStringLiteral("der Text ist länger als %1 MiB")
                .arg(kMaxTextBytes / (1024 * 1024));
    }
    if (options->text.trimmed().isEmpty())
        return QStringLiteral("kein Text zum Sprechen (als Argument oder auf der Standardeingabe)");
    return {};
}

// Replaces options->text by the text of the picture. Returns an exit code, or -1 to go on.
int readPicture(Options* options)
{
    QImage picture;
    if (Result r = ocr::loadPicture(options->picture, &picture); !r)
        return fail(r.error);
    const std::atomic_bool never { false };
    const ocr::Recognition read = ocr::TextRecognizer().recognize(picture, never);
    switch (read.outcome) {
    case ocr::Recognition::Outcome::Text:
        options->text = ocr::runningText(read.text);
        return -1;
    case ocr::Recognition::Outcome::NoText:
        // Said aloud too, unless only printing was asked for: whoever listens learns it.
        std::fprintf(stderr, "sprich: %s\n", qPrintable(ocr::NoTextMessage));
        options->text = ocr::NoTextMessage;
        options->noTextFound = true;
        return options->printOnly ? 1 : -1;
    case ocr::Recognition::Outcome::Cancelled:
    case ocr::Recognition::Outcome::Failed:
        break;
    }
    return fail(read.error);
}

int writeWav(const Options& options, const QString& characterFile)
{
    CharacterData data;
    if (Result r = CharacterFile::load(characterFile, &data); !r)
        return fail(r.error);
    // A speed tag at the start reads as it does for the character: it sets the rate and is
    // not spoken.
    const SpeedTag tag
        = SpeedTag::split(options.text, options.rate > 0 ? options.rate : data.wordsPerMinute);
    Utterance utterance;
    utterance.text = tag.text;
    utterance.wordsPerMinute = tag.wordsPerMinute;
    utterance.voice = data.voice;
    utterance.voice.language = options.language;
    if (Result r = synthesizeToWav(utterance, options.wavPath); !r)
        return fail(r.error);
    return 0;
}

int speakThroughCharacter(QApplication& app, const Options& options)
{
    const std::unique_ptr<SpeechEngine> engine = createSpeechEngine(options.engine);
    if (const Result available = engine->availability(); !available)
        return fail(
            QStringLiteral("die Sprachausgabe ist nicht verfügbar: %1").arg(available.error));
    CharacterAgent agent(paths::characterDir(), *engine);
    const QString id = options.character;
    if (Result r = agent.LoadCharacter(id, id + QStringLiteral(".acs")); !r)
        return fail(r.error);
    Character* character = agent.GetCharacter(id);
    if (!character)
        return fail(QStringLiteral("der Charakter %1 ist nicht geladen").arg(id));
    if (Result r = character->SetLanguage(options.language == QLatin1String("en") ? 1033 : 1031);
        !r)
        return fail(r.error);

    QObject::connect(&agent, &CharacterAgent::characterIdle, &app, [&] {
        if (!agent.loaded(id) || !agent.loaded(id)->isBusy())
            app.quit();
    });
    character->Show();
    // The text's own speed tag wins over --rate, as on the --wav path.
    const bool tagged = SpeedTag::split(options.text).present;
    if (Result r = character->Speak(options.rate > 0 && !tagged
                ? SpeedTag::compose(options.rate, options.text)
                : options.text);
        !r)
        return fail(r.error);
    character->Hide();
    app.exec();
    agent.UnloadCharacter(id);
    return 0;
}

int listVoices()
{
    const SpeechdEngine service;
    if (const Result reached = service.availability(); !reached)
        return fail(reached.error);
    for (const char* language : { "de", "en" }) {
        const QStringList voices = service.voices(QLatin1String(language));
        std::printf("%s:\n", language);
        for (const QString& voice : voices)
            std::printf("  %s\n", qPrintable(voice));
        if (voices.isEmpty())
            std::printf("  (keine)\n");
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    dropHarmlessQtNotes();
    choosePlatform(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sprich"));
    QApplication::setApplicationVersion(QStringLiteral(SUITE_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    // The options and --help come from the suite's help table, which the manual pages are
    // made from too.
    const CommandLine commandLine(QStringLiteral("sprich"));
    QCommandLineParser parser;
    parser.addOption({ { QStringLiteral("h"), QStringLiteral("help") }, QString() });
    parser.addOption({ { QStringLiteral("v"), QStringLiteral("version") }, QString() });
    for (const help::Option& option : help::program(QStringLiteral("sprich"))->options)
        parser.addOption({ option.names, option.description.de, option.valueName.de });
    if (!parser.parse(QApplication::arguments()))
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        const QString text = parser.isSet(QStringLiteral("help")) ? commandLine.helpText()
                                                                  : commandLine.versionText();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    if (parser.isSet(QStringLiteral("voices")))
        return listVoices();
    Options options;
    if (const QString error = parseOptions(parser, &options); !error.isEmpty())
        return fail(error);
    if (!options.picture.isEmpty()) {
        if (const int code = readPicture(&options); code >= 0)
            return code;
        if (options.printOnly) {
            std::fputs(qPrintable(options.text + QLatin1Char('\n')), stdout);
            return 0;
        }
    }
    const QString file = paths::findFileNoCase(paths::characterDir(), options.character + ".acs");
    if (file.isEmpty()) {
        return fail(QStringLiteral("Charakterdatei nicht gefunden: %1/%2.acs")
                        .arg(paths::characterDir(), options.character));
    }
    const int code
        = options.wavPath.isEmpty() ? speakThroughCharacter(app, options) : writeWav(options, file);
    return code == 0 && options.noTextFound ? 1 : code;
}
