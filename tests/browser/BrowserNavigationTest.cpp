// The address box, the addresses reached, the history, the favourites and offline mode.
#include "BrowserWindowFixture.h"
#include "TinyWebServer.h"

#include "browser/Form2.h"
#include "browser/WebBrowser.h"
#include "browser/frmExplorer.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

using suite::MessageBoxes;
using suite::browser::frmExplorer;

namespace {

using BrowserWindow = suite::test::BrowserWindowFixture;

} // namespace

TEST_F(BrowserWindow, TheAddressListKeepsEachAddressOnceMostRecentFirst)
{
    const QString a = page("a.html", "<title>A</title><body>a</body>");
    const QString upper = page("A.html", "<title>A gross</title><body>A</body>");
    const QString b = page("b.html", "<title>B</title><body>b</body>");
    writeIni(a, a);
    frmExplorer* window = openBrowser();
    ASSERT_TRUE(go(window, b));
    ASSERT_TRUE(go(window, upper));
    ASSERT_TRUE(go(window, a));
    EXPECT_EQ(window->addressList(), QStringList({ a, upper, b }));

    // Enter in the box and "Go" do the same; the text goes to the page as typed.
    QSignalSpy ready(window, &frmExplorer::pageTextReady);
    window->addressBox()->setEditText("  " + b);
    QTest::keyClick(window->addressBox()->lineEdit(), Qt::Key_Return);
    ASSERT_TRUE(ready.wait(20000));
    EXPECT_EQ(window->browser()->lastNavigated(), "  " + b);
    EXPECT_EQ(window->addressList(), QStringList({ b, a, upper }));
}

TEST_F(BrowserWindow, TheAddressBoxNavigatesOnceAndOnlyWhenAsked)
{
    const QString a = page("a.html", "<title>A</title><body>a</body>");
    const QString b = page("b.html", "<title>B</title><body>b</body>");
    const QString c = page("c.html", "<title>C</title><body>c</body>");
    writeIni(a, a);
    frmExplorer* window = openBrowser();
    ASSERT_TRUE(go(window, b));
    ASSERT_TRUE(go(window, c)); // the list: c, b, a
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QLineEdit* edit = window->addressBox()->lineEdit();
    edit->setFocus();
    QSignalSpy loads(window->browser(), &QWebEngineView::loadStarted);
    const auto typeInto = [&](const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    };

    // Typing an address of the list and leaving the box goes nowhere.
    typeInto(a);
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_FALSE(edit->hasFocus());
    QTest::qWait(300);
    EXPECT_EQ(loads.size(), 0);

    // Enter on it goes there once.
    edit->setFocus();
    typeInto(b);
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_TRUE(waitForText(window));
    QTest::qWait(300);
    EXPECT_EQ(loads.size(), 1);
    EXPECT_EQ(window->addressList(), QStringList({ b, c, a }));

    // The arrow keys only move through the list; Enter then goes to the entry shown.
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(window->addressBox()->currentText(), c);
    QTest::qWait(300);
    EXPECT_EQ(loads.size(), 1);
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_TRUE(waitForText(window));
    EXPECT_EQ(window->windowTitle(), "C");

    // A pick from the opened list goes there once.
    QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* list = window->addressBox()->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }, 5000));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down); // c, b, a: the third entry
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(waitForText(window));
    QTest::qWait(300);
    EXPECT_EQ(loads.size(), 3);
    EXPECT_EQ(window->windowTitle(), "A");
    EXPECT_EQ(window->addressList(), QStringList({ a, c, b }));
}

TEST_F(BrowserWindow, AnAddressIsReachedBeforeASlowPageEndsAndAlsoWhenItsLoadFails)
{
    suite::test::TinyWebServer server;
    server.setPage("/langsam.html", "<html><head><title>Langsam</title></head><body>Anfang", true);
    const QString start = page("start.html", "<title>Start</title><body>Start</body>");
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    const QString slow = server.address("/langsam.html");
    window->addressBox()->setEditText(slow);
    click(window, "Command1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->addressList().value(0) == slow; }, 20000));
    EXPECT_TRUE(window->browser()->Busy());
    EXPECT_EQ(window->addressBox()->currentText(), slow);
    server.finishSlow();
    ASSERT_TRUE(waitForText(window));

    const QString missing = QUrl::fromLocalFile(dir.filePath("fehlt.html")).toString();
    window->addressBox()->setEditText(missing);
    click(window, "Command1");
    ASSERT_TRUE(waitForText(window));
    EXPECT_EQ(window->addressList(), QStringList({ missing, slow, start }));
    // The engine's own error page is German, and it asks sites for German pages.
    EXPECT_EQ(evaluate(window, "document.documentElement.lang").toString(), "de");
    EXPECT_EQ(evaluate(window, "navigator.language").toString(), "de-DE");
}

TEST_F(BrowserWindow, HistorySurvivesARestartAndOnly102LinesReachTheDisk)
{
    QByteArray lines;
    for (int i = 0; i < 150; ++i)
        lines += QStringLiteral("file:///alt/%1.html\r\n").arg(i).toUtf8();
    writeFile("verlauf.Dat", lines);
    const QString start = page("start.html", "<body>Start</body>");
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    // The start page was reached before the history was loaded, so it stands on top.
    ASSERT_EQ(window->addressList().size(), 151);
    EXPECT_EQ(window->addressList().first(), start);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QStringList saved = QString::fromUtf8(fileBytes("verlauf.Dat")).split("\r\n");
    ASSERT_EQ(saved.size(), 103); // 102 lines, each ending in CR LF
    EXPECT_EQ(saved.first(), start);
    EXPECT_EQ(saved.at(101), "file:///alt/100.html");

    windows = std::make_unique<suite::browser::BrowserWindows>(services);
    frmExplorer* again = openBrowser();
    EXPECT_EQ(again->addressList().size(), 102); // the start page moved up, not added
    EXPECT_EQ(again->addressList().first(), start);
    EXPECT_EQ(again->addressList().at(1), "file:///alt/0.html");
}

TEST_F(BrowserWindow, FavouritesAreAddedOpenedAndRemovedWithoutLosingAny)
{
    const QString start = page("start.html", "<body>Start</body>");
    const QString other = page("other.html", "<title>Andere</title><body>Andere Seite</body>");
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    window->addressBox()->setEditText("  " + other + "  ");
    click(window, "Command13");
    trigger(window, "mnuFavZ");
    EXPECT_EQ(fileBytes("favoriten.Dat"), (other + "\r\n" + other + "\r\n").toUtf8());

    click(window, "Command14");
    suite::browser::Form2* favourites = windows->loadedFavourites();
    ASSERT_NE(favourites, nullptr);
    EXPECT_TRUE(favourites->isVisible());
    EXPECT_EQ(favourites->entries(), QStringList({ other, other }));
    auto* list = favourites->findChild<QListWidget*>("List1");
    list->setFocus();
    list->setCurrentRow(0);
    QSignalSpy ready(window, &frmExplorer::pageTextReady);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(ready.wait(20000));
    EXPECT_EQ(text1(window), "Andere Seite");
    EXPECT_FALSE(favourites->isVisible()); // hidden, still loaded

    // Added while the favourites window was hidden: shown again, it lists the new one, and
    // removing another entry keeps it on disk.
    window->addressBox()->setEditText(start);
    click(window, "Command13");
    click(window, "Command14");
    EXPECT_EQ(windows->loadedFavourites(), favourites);
    EXPECT_EQ(favourites->entries(), QStringList({ other, other, start }));
    const auto items = list->findItems(other, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 2);
    list->setCurrentItem(items.first());
    boxes.queueAnswer(MessageBoxes::Answer::Yes);
    click(favourites, "Command2");
    EXPECT_EQ(fileBytes("favoriten.Dat"), (other + "\r\n" + start + "\r\n").toUtf8());
    EXPECT_EQ(favourites->entries(), QStringList({ other, start }));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().text, "Markierten Favoriten jetzt entfernen ?");
}

TEST_F(BrowserWindow, OfflineKeepsTheShownPageAndRefusesWebPagesInGerman)
{
    suite::test::TinyWebServer server;
    server.setPage("/netz.html", "<html><head><title>Netz</title></head><body>Aus dem Netz</body>");
    server.setPage("/weiter.html", "<html><head><title>Weiter</title></head><body>Weiter</body>");
    const QString start = page("start.html", "<title>Start</title><body>Start</body>");
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    ASSERT_TRUE(go(window, server.address("/netz.html")));
    ASSERT_EQ(text1(window), "Aus dem Netz");

    QSignalSpy loads(window->browser(), &QWebEngineView::loadStarted);
    trigger(window, "mnuOff");
    EXPECT_TRUE(window->findChild<QAction*>("mnuOff")->isChecked());
    EXPECT_TRUE(window->browser()->Offline());
    QTest::qWait(500);
    EXPECT_EQ(loads.size(), 0);
    EXPECT_EQ(text1(window), "Aus dem Netz");
    EXPECT_EQ(window->windowTitle(), "Netz");

    // A web page asked for while offline is not fetched; the window says why, in German.
    const QString next = server.address("/weiter.html");
    ASSERT_TRUE(go(window, next));
    EXPECT_TRUE(text1(window).contains("im Offline-Modus nicht verfügbar"))
        << text1(window).toStdString();
    EXPECT_EQ(window->windowTitle(), "Offline-Modus");
    EXPECT_EQ(window->addressList().first(), next);
    EXPECT_EQ(server.requests(), QStringList({ "/netz.html" }));

    // Local pages still load; switching offline mode off loads nothing, on again with a local
    // page loads it once.
    ASSERT_TRUE(go(window, start));
    EXPECT_EQ(text1(window), "Start");
    loads.clear();
    trigger(window, "mnuOff");
    EXPECT_FALSE(window->browser()->Offline());
    QTest::qWait(300);
    EXPECT_EQ(loads.size(), 0);
    trigger(window, "mnuOff");
    ASSERT_TRUE(waitForText(window));
    EXPECT_EQ(loads.size(), 1);
    EXPECT_EQ(text1(window), "Start");
}
