// browser_bench: how fast netzleser gets a page's text to the user and to the synthesizer.
//   1. program start -> the start page's text in Text1 (a fresh process each round), against
//      a bare QWebEngineView process that loads the same page and reads its innerText;
//   2. "Sprich alles" -> the request reaching the synthesizer on a 5 MB local page, against
//      reading that page's innerText through a script.
// Prints the medians and the ratio ours / baseline. Rounds alternate so both meet the same
// machine load. Usage: browser_bench [ROUNDS]
#include "browser/BrowserWindows.h"
#include "browser/DesktopServices.h"
#include "browser/frmExplorer.h"
#include "widgets/SpeechSynthesizer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

using suite::browser::frmExplorer;

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

// Passes every request on to the real synthesizer and notes when the first one arrived.
class ArrivalProbe final : public suite::Synthesizer {
public:
    explicit ArrivalProbe(suite::SpeechSynthesizer& real)
        : m_real(real)
    {
    }
    suite::Result Speak(const QString& text) override
    {
        if (m_clock && m_arrivedMs < 0)
            m_arrivedMs = m_clock->nsecsElapsed() / 1e6;
        return m_real.Speak(text);
    }
    void Stop() override { m_real.Stop(); }
    bool IsSpeaking() const override { return m_real.IsSpeaking(); }
    void SetVisible(bool visible) override { m_real.SetVisible(visible); }
    bool IsVisible() const override { return m_real.IsVisible(); }

    void startClock(const QElapsedTimer* clock)
    {
        m_clock = clock;
        m_arrivedMs = -1;
    }
    double arrivedMs() const { return m_arrivedMs; }

private:
    suite::SpeechSynthesizer& m_real;
    const QElapsedTimer* m_clock = nullptr;
    double m_arrivedMs = -1;
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "browser_bench: cannot write %s\n", qPrintable(path));
}

QByteArray bigPage(qsizetype bytes)
{
    const QByteArray paragraph = "<p>Der sprechende Browser liest diese Seite vor. Jeder Absatz "
                                 "hat ein paar Sätze, damit die Seite wie ein langer Text wirkt, "
                                 "mit Zahlen wie 12,5 und Wörtern wie Straße und Größe.</p>\n";
    QByteArray html = "<html><head><title>Gross</title></head><body>\n";
    while (html.size() < bytes)
        html += paragraph;
    return html + "</body></html>\n";
}

// Child: netzleser's windows with the real parts; prints the milliseconds of the click
// measurement when asked for it, then ends.
int runBrowser(int argc, char** argv, const QString& programDir, bool speak)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("netzleser"));
    suite::browser::DesktopServices desktop(programDir);
    std::vector<std::unique_ptr<ArrivalProbe>> probes;

    suite::browser::BrowserServices services = desktop.services();
    // The probe sees each request on its way to the real synthesizer.
    services.createSynthesizer = [&](QWidget* parent) {
        auto* real = new suite::SpeechSynthesizer(*desktop.engine, parent);
        probes.push_back(std::make_unique<ArrivalProbe>(*real));
        return suite::browser::SynthesizerSlot { probes.back().get(), real };
    };
    suite::browser::BrowserWindows windows(services);
    QObject::connect(
        &windows, &suite::browser::BrowserWindows::windowCreated, &app, [&](frmExplorer* window) {
            QObject::connect(window, &frmExplorer::pageTextReady, &app, [&, window] {
                if (!speak) {
                    std::printf("ready\n");
                    std::fflush(stdout);
                    app.quit();
                    return;
                }
                QElapsedTimer clock;
                probes.front()->startClock(&clock);
                clock.start();
                window->findChild<QAbstractButton*>(QStringLiteral("Command2"))->click();
                std::printf("%.3f\n", probes.front()->arrivedMs());
                std::fflush(stdout);
                app.quit();
            });
        });
    windows.openMainWindow();
    return QApplication::exec();
}

// Child: a bare view on the same page; "ready" once its text has been read, or the
// milliseconds of reading the text through a script.
int runBaseline(int argc, char** argv, const QString& page, bool speak)
{
    QApplication app(argc, argv);
    QWebEngineView view;
    view.resize(1024, 700);
    view.show();
    QObject::connect(&view, &QWebEngineView::loadFinished, &app, [&](bool) {
        QElapsedTimer clock;
        clock.start();
        view.page()->runJavaScript(
            QStringLiteral("document.body.innerText"), [&, clock](const QVariant& text) {
                if (speak)
                    std::printf("%.3f\n", clock.nsecsElapsed() / 1e6);
                else
                    std::printf("ready %lld\n", static_cast<long long>(text.toString().size()));
                std::fflush(stdout);
                app.quit();
            });
    });
    view.load(QUrl::fromLocalFile(page));
    return QApplication::exec();
}

// Runs this program in the given mode; the wall time until its first line, and that line.
std::pair<double, QString> child(const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(QCoreApplication::applicationFilePath(), arguments);
    QByteArray line;
    while (!line.contains('\n') && process.waitForReadyRead(60000))
        line += process.readAllStandardOutput();
    const double ms = clock.nsecsElapsed() / 1e6;
    process.waitForFinished(30000);
    return { ms, QString::fromUtf8(line).trimmed() };
}

} // namespace

int main(int argc, char** argv)
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.webenginecontext.info=false");
    qputenv("SPRACHAUSGABE_AUDIO", "null");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() == 3 && args.at(0).startsWith(QLatin1String("--child-"))) {
        const bool speak = args.at(2) == QLatin1String("speak");
        int childArgc = 1;
        if (args.at(0) == QLatin1String("--child-browser"))
            return runBrowser(childArgc, argv, args.at(1), speak);
        return runBaseline(childArgc, argv, args.at(1), speak);
    }

    QCoreApplication app(argc, argv);
    const int rounds = args.isEmpty() ? 5 : std::max(1, args.first().toInt());
    QTemporaryDir small;
    QTemporaryDir big;
    const QString startPage = small.filePath(QStringLiteral("start.html"));
    writeFile(startPage,
        "<html><head><title>Start</title></head><body><h1>Willkommen</h1><p>Eine kleine "
        "Startseite.</p></body></html>\n");
    const QString bigFile = big.filePath(QStringLiteral("gross.html"));
    writeFile(bigFile, bigPage(5 * 1024 * 1024));
    const auto ini = [](const QString& page) {
        const QByteArray url = QUrl::fromLocalFile(page).toString().toUtf8();
        return "[Startseite]\r\nSS " + url + "\r\n[Suchmaschine]\r\nSM " + url + "\r\n";
    };
    writeFile(small.filePath(QStringLiteral("Browser.ini")), ini(startPage));
    writeFile(big.filePath(QStringLiteral("Browser.ini")), ini(bigFile));

    QList<double> ourStart, bareStart, ourSpeak, bareRead;
    for (int round = 0; round < rounds; ++round) {
        const auto ours = child({ "--child-browser", small.path() + u'/', "start" });
        const auto bare = child({ "--child-baseline", startPage, "start" });
        if (!ours.second.startsWith(QLatin1String("ready"))
            || !bare.second.startsWith(QLatin1String("ready"))) {
            std::fprintf(stderr, "browser_bench: a start did not finish (%s / %s)\n",
                qPrintable(ours.second), qPrintable(bare.second));
            return 1;
        }
        ourStart << ours.first;
        bareStart << bare.first;
        const auto speak = child({ "--child-browser", big.path() + u'/', "speak" });
        const auto read = child({ "--child-baseline", bigFile, "speak" });
        bool ok1 = false, ok2 = false;
        const double speakMs = speak.second.toDouble(&ok1);
        const double readMs = read.second.toDouble(&ok2);
        if (!ok1 || !ok2 || speakMs < 0) {
            std::fprintf(stderr, "browser_bench: the 5 MB page gave no figure (%s / %s)\n",
                qPrintable(speak.second), qPrintable(read.second));
            return 1;
        }
        ourSpeak << speakMs;
        bareRead << readMs;
    }
    std::printf("browser_bench, %d rounds, medians\n", rounds);
    std::printf("start -> start page text in Text1   netzleser %8.1f ms   bare view %8.1f ms   "
                "ratio %5.2f\n",
        median(ourStart), median(bareStart), median(ourStart) / median(bareStart));
    std::printf("Sprich alles -> synthesizer (5 MB)  netzleser %8.1f ms   innerText %8.1f ms   "
                "ratio %5.2f\n",
        median(ourSpeak), median(bareRead), median(ourSpeak) / median(bareRead));
    return 0;
}
