// The reader on a real X server, run once on a bare one and once each with a window manager,
// a tray host (XEmbed or StatusNotifier) and a clipboard manager (see tests/with-services):
// what the desktop sees of its window, its icon and the clipboard.
#include "ReaderFixture.h"
#include "desktop/DesktopProbe.h"
#include "widgets/TrayStandIn.h"

#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>

#include <gmock/gmock.h>

namespace desktop = suite::test::desktop;
using suite::test::ReaderFixture;
using ::testing::IsSupersetOf;

namespace {

class readerDesktop : public ReaderFixture {
protected:
    readerDesktop() { writeIni("[Begruessung]\r\nB=0\r\n[Verabschiedung]\r\nV=0\r\n"); }

    bool watchSpoke(const QString& text, int times)
    {
        return QTest::qWaitFor(
            [&] { return spoken().count("\\Spd=150\\" + text) >= times; }, 10000);
    }

    static void copyElsewhere(const QString& text)
    {
        QProcess xclip;
        xclip.start("xclip", { "-selection", "clipboard", "-i" });
        ASSERT_TRUE(xclip.waitForStarted(10000));
        xclip.write(text.toUtf8());
        xclip.closeWriteChannel();
        // xclip stays in the background serving the text until another program copies.
        ASSERT_TRUE(xclip.waitForFinished(10000));
    }

    static QString clipboardElsewhere()
    {
        return desktop::runWhileServing("xclip", { "-selection", "clipboard", "-o" });
    }
};

} // namespace

TEST_F(readerDesktop, TheWindowStaysOffTheTaskListEveryTimeItIsShown)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    ASSERT_TRUE(start());
    ASSERT_TRUE(desktop::onScreen(*window()));
    const WId id = window()->winId();
    EXPECT_THAT(desktop::netWmState(id),
        IsSupersetOf({ "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER" }));
    // Centred on the screen, as placed at the start.
    const QRect screen = window()->screen()->geometry();
    const QPoint at = desktop::positionOnServer(id);
    EXPECT_NEAR(at.x() + window()->width() / 2, screen.center().x(), 40);
    EXPECT_NEAR(at.y() + window()->height() / 2, screen.center().y(), 40);

    // Hidden and shown again: a window manager forgets the wish on every hide.
    for (int round = 0; round < 2; ++round) {
        click("Command10");
        // (A window manager lets it go some moments after it was hidden.)
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !desktop::isViewable(id) && !desktop::isManaged(id); }, 10000));
        window()->findChild<QAction*>("mnuAnzeige")->trigger();
        ASSERT_TRUE(desktop::onScreen(*window()));
        EXPECT_THAT(desktop::netWmState(id),
            IsSupersetOf({ "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER" }))
            << "round " << round;
    }
}

TEST_F(readerDesktop, TheIconAppearsAndItsTipAndClicksWork)
{
    ASSERT_TRUE(start(false));
    const suite::Tray& tray = window()->tray();
    const bool hosted = desktop::runsWith("tray") || desktop::runsWith("sni-tray");
    if (hosted) {
        // The tray host shows the icon; the stand-in stays away.
        EXPECT_TRUE(QSystemTrayIcon::isSystemTrayAvailable());
        ASSERT_NE(tray.systemTrayIcon(), nullptr);
        EXPECT_TRUE(tray.systemTrayIcon()->isVisible());
        EXPECT_TRUE(tray.standIn() == nullptr || !tray.standIn()->isVisible());
        EXPECT_EQ(tray.systemTrayIcon()->toolTip(), "Sprachausgabe");
    } else {
        ASSERT_NE(tray.standIn(), nullptr);
        ASSERT_TRUE(desktop::onScreen(*tray.standIn()));
        EXPECT_EQ(tray.standIn()->toolTip(), "Sprachausgabe");
    }
    QString item;
    if (desktop::runsWith("sni-tray")) {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                item = desktop::ownStatusNotifierItem();
                return !item.isEmpty();
            },
            10000));
        EXPECT_THAT(desktop::statusNotifierToolTip(item).toStdString(),
            ::testing::HasSubstr("Sprachausgabe"));
    } else {
        // In the host's window (or the stand-in) at the bottom right of the screen.
        ASSERT_TRUE(desktop::iconPlaced(tray));
        // The pointer resting on the icon is a message of its own: it writes the tip.
        desktop::movePointer(desktop::iconOnScreen(tray).center());
        EXPECT_TRUE(QTest::qWaitFor([&] { return tray.tip() == "Sprachausgabe aktiv !"; }, 5000));
        desktop::movePointer({ 10, 10 });
    }

    EXPECT_EQ(desktop::clickIcon(tray, Qt::RightButton), nullptr)
        << "the reader's menu is on the left button";
    QMenu* menu = desktop::clickIcon(tray, Qt::LeftButton);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "mnuPopUp");
    EXPECT_EQ(tray.tip(), "Sprachausgabe aktiv !");

    // The new tip shows from the next hide on.
    window()->findChild<QAction*>("mnuAnzeige")->trigger();
    click("Command10");
    if (desktop::runsWith("sni-tray")) {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                item = desktop::ownStatusNotifierItem();
                return desktop::statusNotifierToolTip(item).contains("Sprachausgabe aktiv !");
            },
            10000));
    } else if (hosted) {
        EXPECT_EQ(tray.systemTrayIcon()->toolTip(), "Sprachausgabe aktiv !");
    } else {
        EXPECT_EQ(tray.standIn()->toolTip(), "Sprachausgabe aktiv !");
    }
    // The menu opens again, once the host has taken the icon in anew.
    if (!desktop::runsWith("sni-tray"))
        ASSERT_TRUE(desktop::iconPlaced(tray));
    EXPECT_NE(desktop::clickIcon(tray, Qt::LeftButton), nullptr);
}

TEST_F(readerDesktop, EachCopiedTextIsReadOnceWhateverKeepsTheClipboard)
{
    ASSERT_TRUE(start(false));
    forgetRequests();
    copyElsewhere("Hallo");
    ASSERT_TRUE(watchSpoke("Hallo", 1));
    if (desktop::runsWith("clipboard-manager")) {
        // The manager put the text back after the reader emptied the clipboard.
        EXPECT_TRUE(QTest::qWaitFor([] { return clipboardElsewhere() == "Hallo"; }, 5000));
    }
    // Three more ticks of the watch.
    QTest::qWait(3500);
    copyElsewhere("Welt");
    ASSERT_TRUE(watchSpoke("Welt", 1));
    QTest::qWait(3500);
    EXPECT_EQ(spoken(), QStringList({ "\\Spd=150\\Hallo", "\\Spd=150\\Welt" }));
}
