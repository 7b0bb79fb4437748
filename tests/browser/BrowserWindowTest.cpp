#include "BrowserWindowFixture.h"

#include "browser/BrowserIni.h"
#include "browser/WebBrowser.h"
#include "browser/frmAbout1.h"
#include "browser/frmExplorer.h"
#include "core/Twips.h"
#include "fakes/QtPrinters.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

using suite::MessageBoxes;
using suite::browser::BrowserIni;
using suite::browser::frmExplorer;

namespace {

using BrowserWindow = suite::test::BrowserWindowFixture;

const QString threeFrames = QStringLiteral(
    "<html><head><title>Drei Rahmen</title></head><frameset rows='33%,33%,*'>"
    "<frame src='f1.html'><frame src='f2.html'><frame src='f3.html'></frameset></html>");

} // namespace

TEST_F(BrowserWindow, StartsOnItsStartPageWithEveryControlInPlace)
{
    const QString start = page("start.html",
        "<html><head><title>Startseite</title></head><body><p>Willkommen im "
        "Netz</p></body></html>");
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(window->windowTitle(), "Startseite");
    EXPECT_EQ(text1(window), "Willkommen im Netz");
    // The load watch ends on the page's name, even when it looked before the load began.
    auto* status = window->findChild<QLabel*>("sbStatusBar");
    (void)QTest::qWaitFor([&] { return status->text() == "Startseite"; }, 3000);
    EXPECT_EQ(status->text(), "Startseite");
    EXPECT_EQ(window->addressBox()->currentText(), start);
    EXPECT_EQ(window->addressList(), QStringList({ start }));
    EXPECT_EQ(window->findChild<QLabel*>("Label3")->text(), "IP: 127.0.0.1");
    EXPECT_TRUE(window->isMaximized());
    EXPECT_TRUE(window->browser()->isVisible());
    EXPECT_FALSE(text1Box(window)->isVisible());
    // The connection is asked once, during start-up; being connected, the speech is stopped.
    EXPECT_EQ(connection.asked(), 1);
    EXPECT_EQ(synth.log().ops(), QStringList({ "Stop" }));

    const QList<std::pair<const char*, QString>> tips
        = { { "Command6", "zurück" }, { "Command7", "Weiter" }, { "Command8", "Stop" },
              { "Command9", "Neu laden" }, { "Command11", "Suchen" },
              { "Command12", "OutlookExpress" }, { "Command13", "Zu favoriten hinzufügen" },
              { "Command14", "Favoriten anzeigen" }, { "Command15", "Quellcode anzeigen" },
              { "Command16", "ScreenCapturing" }, { "Command17", "Browser beenden" },
              { "Command2", "Spricht den gesamten Text der Webseite" },
              { "Command3", "Stoppt die Sprachausgabe" } };
    for (const auto& [name, tip] : tips) {
        auto* button = window->findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->toolTip(), tip) << name;
        EXPECT_FALSE(button->accessibleName().isEmpty()) << name;
        EXPECT_NE(button->focusPolicy(), Qt::NoFocus) << name;
    }
    EXPECT_FALSE(window->findChild<QAbstractButton*>("Command10")->accessibleName().isEmpty());
    EXPECT_EQ(window->findChild<QPushButton*>("Command2")->text(), "Sprich alles");
    EXPECT_EQ(window->findChild<QPushButton*>("Command3")->text(), "Stop");
    EXPECT_EQ(window->findChild<QPushButton*>("Command5")->text(), "Show Text");
    EXPECT_EQ(window->findChild<QPushButton*>("Command4")->text(), "markierten Text");
    EXPECT_FALSE(window->findChild<QPushButton*>("Command4")->isEnabled());
    EXPECT_EQ(window->findChild<QPushButton*>("Command1")->text(), "Go");
    EXPECT_EQ(window->findChild<QLabel*>("lblAddress")->text(), "&Adresse:");
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), "Zoom: 100 %");
    auto* zoom = window->findChild<QScrollBar*>("HScroll1");
    EXPECT_EQ(zoom->minimum(), 50);
    EXPECT_EQ(zoom->maximum(), 300);
    EXPECT_EQ(zoom->value(), 100);

    const QList<std::pair<const char*, QString>> items = { { "mnuFileOpen", "Ö&ffnen" },
        { "mnuHTMLS", "HTML Seite &speichern" }, { "mnuHTMLSU", "HTML Seite speichern &unter" },
        { "mnuDV", "Druck&vorschau" }, { "mnuD", "&Drucken" },
        { "mnuOff", "Seite im Offline-Modus zeigen" }, { "mnuF", "Neues &Fenster" },
        { "mnuFileExit", "&Beenden " }, { "mnuBack", "&Zurück" }, { "mnuNext", "&Weiter" },
        { "mnuStop", "&Anhalten" }, { "mnuActualize", "A&ktualisieren" },
        { "mnuStart", "Sta&rtseite" }, { "mnuFind", "D&urchsuchen" },
        { "mnuFavZ", "aktuelle Addresse &hinzufügen" }, { "mnuFavL", "alle Fa&voriten anzeigen" },
        { "mnuHTMLShow", "&HTML-Code der Seite zeigen" }, { "mnuSource", "&Info" },
        { "mnuHelpAbout", "&Browser Einstellungen..." }, { "mnuI", "Internet &Einstellungen" } };
    for (const auto& [name, caption] : items) {
        auto* action = window->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), caption) << name;
    }
    EXPECT_EQ(window->findChild<QAction*>("mnuFileOpen")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_FALSE(window->findChild<QAction*>("mnuOff")->isChecked());

    // A screen reader reaches every item through the menu bar, reads it without its mnemonic
    // and chooses it through its action.
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    QAccessibleInterface* bar = nullptr;
    for (int i = 0; root && i < root->childCount(); ++i) {
        if (root->child(i)->role() == QAccessible::MenuBar)
            bar = root->child(i);
    }
    ASSERT_NE(bar, nullptr);
    QStringList read;
    QAccessibleInterface* offline = nullptr;
    for (int i = 0; i < bar->childCount(); ++i) {
        QAccessibleInterface* menu
            = bar->child(i)->childCount() ? bar->child(i)->child(0) : nullptr;
        for (int j = 0; menu && j < menu->childCount(); ++j) {
            QAccessibleInterface* item = menu->child(j);
            if (item->role() != QAccessible::MenuItem)
                continue;
            read << item->text(QAccessible::Name);
            if (read.last() == "Seite im Offline-Modus zeigen")
                offline = item;
        }
    }
    QStringList captions;
    for (const auto& [name, caption] : items)
        captions << QString(caption).remove(QLatin1Char('&'));
    EXPECT_EQ(read, captions);
    ASSERT_NE(offline, nullptr);
    ASSERT_NE(offline->actionInterface(), nullptr);
    offline->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(window->findChild<QAction*>("mnuOff")->isChecked());
    EXPECT_TRUE(offline->state().checked);
}

TEST_F(BrowserWindow, ReadsTheFramesWithTheirHeadingsAndSkipsEmptyOnes)
{
    page("f1.html", "<body>Text eins</body>");
    page("f2.html", "<body></body>");
    page("f3.html", "<body>Text drei</body>");
    const QString frames = page("frames.html", threeFrames);
    writeIni(frames, frames);
    frmExplorer* window = openBrowser();
    const QString expected = "\r\nIch spreche jetzt den Inhalt von Frame1  \r\nText eins"
                             "\r\nIch spreche jetzt den Inhalt von Frame3  \r\nText drei";
    EXPECT_EQ(text1(window), expected);
    EXPECT_EQ(text1Box(window)->toPlainText().count('\n'), 4); // one line each
    EXPECT_EQ(window->windowTitle(), "Drei Rahmen");

    click(window, "Command2");
    EXPECT_EQ(synth.spoken(), QStringList({ expected }));
    // A marked passage across a heading keeps its CR LF too.
    click(window, "Command5");
    QTextCursor cursor = text1Box(window)->textCursor();
    cursor.setPosition(text1Box(window)->toPlainText().indexOf("eins"));
    cursor.setPosition(
        text1Box(window)->toPlainText().indexOf("Frame3") + 6, QTextCursor::KeepAnchor);
    text1Box(window)->setTextCursor(cursor);
    click(window, "Command4");
    EXPECT_EQ(synth.spoken().last(), "eins\r\nIch spreche jetzt den Inhalt von Frame3");

    // Frames without any text: the page's own body is read.
    page("leer.html", "<body></body>");
    ASSERT_TRUE(go(window,
        page("iframes.html",
            "<body>Hauptseite<iframe src='leer.html'></iframe><iframe "
            "src='leer.html'></iframe></body>")));
    EXPECT_EQ(text1(window), "Hauptseite");
}

TEST_F(BrowserWindow, ZoomSetsTheBodysStyleOrTheViewsFactorOnFramesets)
{
    const QString start = page("start.html", "<body>Gross</body>");
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    auto* zoom = window->findChild<QScrollBar*>("HScroll1");
    zoom->setValue(150);
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), "Zoom: 150 %");
    EXPECT_EQ(evaluate(window, "document.body.style.zoom").toString(), "150%");

    page("f1.html", "<body>1</body>");
    page("f2.html", "<body>2</body>");
    page("f3.html", "<body>3</body>");
    ASSERT_TRUE(go(window, page("frames.html", threeFrames)));
    (void)QTest::qWaitFor(
        [&] { return qFuzzyCompare(window->browser()->zoomFactor(), 1.5); }, 5000);
    EXPECT_DOUBLE_EQ(window->browser()->zoomFactor(), 1.5);
}

TEST_F(BrowserWindow, BackForwardReloadStopAndSource)
{
    const QString a = page("a.html", "<title>A</title><body>Seite A</body>");
    const QString b = page("b.html", "<title>B</title><body>Seite B</body>");
    writeIni(a, a);
    frmExplorer* window = openBrowser();
    ASSERT_TRUE(go(window, b));
    click(window, "Command6");
    ASSERT_TRUE(waitForText(window));
    EXPECT_EQ(text1(window), "Seite A");
    trigger(window, "mnuNext");
    ASSERT_TRUE(waitForText(window));
    EXPECT_EQ(text1(window), "Seite B");
    click(window, "Command9");
    ASSERT_TRUE(waitForText(window));
    auto* status = window->findChild<QLabel*>("sbStatusBar");
    (void)QTest::qWaitFor([&] { return status->text() == "B"; }, 5000);
    EXPECT_EQ(status->text(), "B");
    click(window, "Command8");
    EXPECT_EQ(window->windowTitle(), "B");

    click(window, "Command15");
    EXPECT_EQ(window->browser()->lastNavigated(), "view-source:" + b);
}

TEST_F(BrowserWindow, StartPageSearchAndOpenFileGoThroughTheAddressBox)
{
    const QString start = page("start.html", "<body>Start</body>");
    const QString search = page("search.html", "<body>Suche</body>");
    writeIni(start, search);
    frmExplorer* window = openBrowser();
    EXPECT_EQ(window->StartPage(), start);
    EXPECT_EQ(window->SearchEngine(), search);
    click(window, "Command11");
    ASSERT_TRUE(waitForText(window));
    EXPECT_EQ(text1(window), "Suche");
    EXPECT_EQ(window->addressBox()->currentText(), search);
    click(window, "Command10");
    ASSERT_TRUE(waitForText(window));
    EXPECT_EQ(text1(window), "Start");

    chooser.setNextCancel();
    trigger(window, "mnuFileOpen");
    EXPECT_EQ(window->addressBox()->currentText(), start);
    ASSERT_EQ(chooser.requests().size(), 1);
    EXPECT_EQ(chooser.lastRequest().title, "HTML oder ActiveX-Dokumente öffnen");
    EXPECT_EQ(chooser.lastRequest().kind, suite::FileDialogKind::Open);

    // Any file name works, also one with characters that mean something in an address.
    page("datei #1?%.html", "<body>Aus der Datei</body>");
    chooser.setNextFileName(dir.filePath("datei #1?%.html"));
    trigger(window, "mnuFileOpen");
    EXPECT_EQ(
        window->addressBox()->currentText(), "file://" + dir.path() + "/datei %231%3F%25.html");
    ASSERT_TRUE(waitForText(window));
    EXPECT_EQ(text1(window), "Aus der Datei");
}

TEST_F(BrowserWindow, WithoutBrowserIniBothAddressesAreTheDefault)
{
    // Reading alone: the window never loads, so nothing reaches the network.
    suite::browser::frmExplorer window(*windows);
    window.Ini();
    EXPECT_EQ(window.StartPage(), BrowserIni::defaultSearchEngine());
    EXPECT_EQ(window.SearchEngine(), BrowserIni::defaultSearchEngine());
    auto* dialog = windows->loadedSettingsDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->startPageField(), BrowserIni::defaultSearchEngine());
    EXPECT_EQ(dialog->searchEngineField(), BrowserIni::defaultSearchEngine());

    window.browser()->setOffline(true); // the buttons below must not leave the machine
    window.findChild<QAbstractButton*>("Command10")->click();
    EXPECT_EQ(window.browser()->lastNavigated(), BrowserIni::defaultSearchEngine());
    window.findChild<QAbstractButton*>("Command11")->click();
    EXPECT_EQ(window.addressBox()->currentText(), BrowserIni::defaultSearchEngine());
    window.browser()->stop();
}

TEST_F(BrowserWindow, AnEmptyStartPageLoadsNothing)
{
    writeIni("", "file:///nichts.html");
    frmExplorer* window = openBrowser(false);
    EXPECT_EQ(window->StartPage(), "");
    EXPECT_EQ(window->addressBox()->currentText(), "");
    EXPECT_EQ(window->browser()->lastNavigated(), "");
    EXPECT_EQ(connection.asked(), 0);
    EXPECT_EQ(windows->loadedSettingsDialog()->startPageField(), "");
}

TEST_F(BrowserWindow, TheSettingsDialogShowsWhatWasReadAndEscapeSaves)
{
    const QString start = page("start.html", "<body>Start</body>");
    writeIni(start, "file:///suche.html");
    frmExplorer* window = openBrowser();
    QString seenStart;
    QTimer::singleShot(0, [&] {
        auto* dialog = windows->loadedSettingsDialog();
        if (!dialog)
            return;
        seenStart = dialog->startPageField();
        dialog->findChild<QLineEdit*>("Text2")->setText(" file:///neu.html ");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    trigger(window, "mnuHelpAbout");
    EXPECT_EQ(seenStart, start);
    EXPECT_EQ(fileBytes("Browser.ini"),
        ("[Startseite]\r\nSS " + start + "\r\n[Suchmaschine]\r\nSM file:///neu.html\r\n").toUtf8());
    // The open window keeps what it read at its start.
    EXPECT_EQ(window->SearchEngine(), "file:///suche.html");
}

TEST_F(BrowserWindow, ProgramsAreStartedOrAMessageSaysTheyAreMissing)
{
    const QString start = page("start.html", "<body>Start</body>");
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    click(window, "Command12");
    trigger(window, "mnuF");
    ASSERT_EQ(starter.starts().size(), 2);
    EXPECT_EQ(starter.starts().at(0).program, "/usr/bin/xdg-email");
    EXPECT_EQ(starter.starts().at(1).program, "/opt/netzleser/netzleser");

    trigger(window, "mnuI"); // no network settings program here
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().text, "Fehler! Informationen nicht verfügbar!");
    EXPECT_EQ(boxes.boxes().first().title, "Fehler");
    EXPECT_EQ(boxes.boxes().first().icon, MessageBoxes::Icon::Warning);

    click(window, "Command16"); // no capture viewer in this build of the window
    EXPECT_EQ(boxes.boxes().size(), 1);
}

TEST_F(BrowserWindow, APageOpeningAWindowGetsANewBrowserWindowOfItsOwn)
{
    const QString start = page("start.html", "<title>Erste</title><body>Erste Seite</body>");
    page("neu.html", "<title>Neu</title><body>Neues Fenster</body>");
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    frmExplorer* opened = nullptr;
    std::unique_ptr<QSignalSpy> ready;
    QObject::connect(windows.get(), &suite::browser::BrowserWindows::windowCreated, windows.get(),
        [&](frmExplorer* made) {
            opened = made;
            ready = std::make_unique<QSignalSpy>(made, &frmExplorer::pageTextReady);
        });
    evaluate(window, "window.open('neu.html'); true");
    (void)QTest::qWaitFor([&] { return opened && text1(opened) == "Neues Fenster"; }, 20000);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(windows->browserWindows().size(), 2);
    EXPECT_FALSE(opened->isMaximized());
    EXPECT_EQ(text1(opened), "Neues Fenster");
    EXPECT_EQ(opened->addressList().first().section('/', -1), "neu.html");
    EXPECT_EQ(window->addressList(), QStringList({ start }));
    EXPECT_EQ(windows->mainWindow(), window);
}

TEST_F(BrowserWindow, TheLayoutFollowsTheWindowAndNeverGoesNegative)
{
    const QString start = page("start.html", "<body>Start</body>");
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    window->showNormal();
    window->resize(700, 500);
    QCoreApplication::processEvents();
    const double dpi = window->logicalDpiX();
    const int clientWidth = suite::twips::fromPixels(window->centralWidget()->width(), dpi);
    // Without a frame "Go" moves left of where the box would end; the box stops before it.
    const int outerWidth = suite::twips::fromPixels(window->frameGeometry().width(), dpi);
    const int expectedCombo = suite::twips::toPixels(
        std::min(clientWidth - 150 - 615 - 635, outerWidth - 615 - 200 - 45 - 720), dpi);
    EXPECT_EQ(window->addressBox()->width(), expectedCombo);
    EXPECT_LT(
        window->addressBox()->geometry().right(), window->findChild<QPushButton*>("Command1")->x());
    EXPECT_EQ(window->browser()->width(), suite::twips::toPixels(clientWidth - 20, dpi));
    EXPECT_EQ(text1Box(window)->size(), window->browser()->size());

    window->resize(40, 30);
    QCoreApplication::processEvents();
    EXPECT_GE(window->addressBox()->width(), 0);
    EXPECT_GE(window->browser()->height(), 0);
    EXPECT_GE(window->findChild<QPushButton*>("Command1")->x(), 0);

    window->resize(700, 500);
    QCoreApplication::processEvents();
    const QSize before = window->browser()->size();
    window->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->browser()->size(), before);
}
