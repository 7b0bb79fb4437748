#include "BrowserWindowFixture.h"

#include "browser/PageTextBox.h"
#include "browser/WebBrowser.h"
#include "browser/WebEngineLanguage.h"
#include "browser/frmExplorer.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>

namespace suite::test {

namespace {

KeyStore::Sources noMachinePrograms()
{
    KeyStore::Sources sources;
    sources.findProgram = [](const QString&) { return QString(); };
    return sources;
}

} // namespace

BrowserWindowFixture::BrowserWindowFixture()
    : keys(noMachinePrograms())
    , programs(
          keys,
          [](const QString& name) {
              return name == QLatin1String("xdg-email") ? QStringLiteral("/usr/bin/xdg-email")
                                                        : QString();
          },
          [](const QString&) { return false; })
{
    services.createSynthesizer = [this](QWidget*) {
        return browser::SynthesizerSlot { &synth, nullptr };
    };
    services.messageBoxes = &boxes;
    services.fileChooser = &chooser;
    services.starter = &starter;
    services.programs = &programs;
    services.hostLookup = &hostLookup;
    services.connection = &connection;
    services.printDialogs = &printDialogs;
    services.programDir = dir.path() + u'/';
    services.programFile = QStringLiteral("/opt/netzleser/netzleser");
    windows = std::make_unique<browser::BrowserWindows>(services);
    // As the program does on a desktop that names no language; the first test's call counts.
    browser::WebEngineLanguage::choose(QProcessEnvironment());
}

BrowserWindowFixture::~BrowserWindowFixture()
{
    windows.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString BrowserWindowFixture::page(const QString& name, const QString& html) const
{
    writeFile(name, html.toUtf8());
    return QUrl::fromLocalFile(dir.filePath(name)).toString();
}

void BrowserWindowFixture::writeIni(const QString& startPage, const QString& searchEngine) const
{
    writeFile(QStringLiteral("Browser.ini"),
        ("[Startseite]\r\nSS " + startPage + "\r\n[Suchmaschine]\r\nSM " + searchEngine + "\r\n")
            .toUtf8());
}

void BrowserWindowFixture::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray BrowserWindowFixture::fileBytes(const QString& name) const
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

browser::frmExplorer* BrowserWindowFixture::openBrowser(bool waitForStartPage)
{
    browser::frmExplorer* window = nullptr;
    std::unique_ptr<QSignalSpy> ready;
    QObject::connect(windows.get(), &browser::BrowserWindows::windowCreated, windows.get(),
        [&](browser::frmExplorer* made) {
            if (window)
                return;
            window = made;
            ready = std::make_unique<QSignalSpy>(made, &browser::frmExplorer::pageTextReady);
        });
    windows->openMainWindow();
    QObject::disconnect(
        windows.get(), &browser::BrowserWindows::windowCreated, windows.get(), nullptr);
    if (waitForStartPage && ready && ready->isEmpty()) {
        EXPECT_TRUE(ready->wait(20000)) << "the start page gave no text";
    }
    return window;
}

bool BrowserWindowFixture::waitForText(browser::frmExplorer* window)
{
    QSignalSpy ready(window, &browser::frmExplorer::pageTextReady);
    return ready.wait(20000);
}

bool BrowserWindowFixture::go(browser::frmExplorer* window, const QString& address)
{
    QSignalSpy ready(window, &browser::frmExplorer::pageTextReady);
    window->addressBox()->setEditText(address);
    click(window, "Command1");
    return ready.wait(20000);
}

QPlainTextEdit* BrowserWindowFixture::text1Box(browser::frmExplorer* window)
{
    return window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
}

QString BrowserWindowFixture::text1(browser::frmExplorer* window)
{
    return qobject_cast<browser::PageTextBox*>(text1Box(window))->pageText();
}

void BrowserWindowFixture::click(QWidget* window, const char* name)
{
    auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isEnabled()) << name;
    button->click();
}

void BrowserWindowFixture::trigger(QWidget* window, const char* name)
{
    auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
}

QVariant BrowserWindowFixture::evaluate(browser::frmExplorer* window, const QString& script)
{
    QVariant answer;
    bool done = false;
    window->browser()->page()->runJavaScript(script, [&](const QVariant& result) {
        answer = result;
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 20000)) << "the page did not answer";
    return answer;
}

} // namespace suite::test
