// The clock window on a real X server, run once on a bare one and once each with a window
// manager and a tray host (XEmbed or StatusNotifier), see tests/with-services: on top of
// other windows, off the task list, and its icon reachable.
#include "FakeChimePlayer.h"
#include "clock/frmUhr.h"
#include "desktop/DesktopProbe.h"
#include "fakes/FakeAgentControl.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeMessageBoxes.h"
#include "widgets/TrayStandIn.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

namespace desktop = suite::test::desktop;
using ::testing::IsSupersetOf;

namespace {

class clockDesktop : public ::testing::Test {
protected:
    clockDesktop()
        : clock(QDateTime(QDate(2026, 1, 5), QTime(10, 20, 30)))
        , window(clock, agent, chimes, boxes)
    {
        window.Form_Load();
        window.findChild<QTimer*>("Timer1")->stop();
        agent.log().clear();
    }

    QStringList spoken() const { return agent.log().spoken(); }

    suite::test::FakeClock clock;
    mutable suite::test::FakeAgentControl agent;
    suite::test::FakeChimePlayer chimes { agent.log() };
    suite::test::FakeMessageBoxes boxes;
    suite::clock::frmUhr window;
};

} // namespace

TEST_F(clockDesktop, StaysOnTopOfOtherWindowsAndOffTheTaskList)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    ASSERT_TRUE(desktop::onScreen(window));
    const WId id = window.winId();
    const QStringList wanted
        = { "_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER" };
    EXPECT_THAT(desktop::netWmState(id), IsSupersetOf(wanted));

    // Another program's window, opened later and made active, stays below the clock.
    QWidget other;
    other.setWindowTitle("Anderes Programm");
    other.setGeometry(window.geometry().adjusted(-20, -20, 20, 20));
    other.show();
    ASSERT_TRUE(desktop::onScreen(other));
    other.activateWindow();
    other.raise();
    if (desktop::runsWith("wm")) {
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const QList<WId> order = desktop::stackingOrder();
                return order.contains(id) && order.indexOf(id) > order.indexOf(other.winId());
            },
            5000));
    }

    // Hidden into the tray and shown again: the window manager forgets the states on every
    // hide, the window asks again.
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(window.findChild<QPushButton*>("Command8"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !desktop::isViewable(id) && !desktop::isManaged(id); }, 10000));
        window.popupMenu()->findChild<QAction*>("mnuAnzeige")->trigger();
        ASSERT_TRUE(desktop::onScreen(window));
        EXPECT_THAT(desktop::netWmState(id), IsSupersetOf(wanted)) << "round " << round;
    }
}

TEST_F(clockDesktop, TheIconAppearsWithItsTipAndItsClicksSpeakAndOpenTheMenu)
{
    ASSERT_TRUE(desktop::onScreen(window));
    QTest::mouseClick(window.findChild<QPushButton*>("Command8"), Qt::LeftButton);
    suite::Tray& tray = window.tray();
    const bool hosted = desktop::runsWith("tray") || desktop::runsWith("sni-tray");
    if (hosted) {
        ASSERT_NE(tray.systemTrayIcon(), nullptr);
        EXPECT_TRUE(tray.systemTrayIcon()->isVisible());
        EXPECT_TRUE(tray.standIn() == nullptr || !tray.standIn()->isVisible());
        EXPECT_EQ(tray.systemTrayIcon()->toolTip(), "Norvak's Tockwerk");
    } else {
        ASSERT_NE(tray.standIn(), nullptr);
        ASSERT_TRUE(desktop::onScreen(*tray.standIn()));
        EXPECT_EQ(tray.standIn()->toolTip(), "Norvak's Tockwerk");
    }
    if (desktop::runsWith("sni-tray")) {
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !desktop::ownStatusNotifierItem().isEmpty(); }, 10000));
        EXPECT_THAT(desktop::statusNotifierToolTip(desktop::ownStatusNotifierItem()).toStdString(),
            ::testing::HasSubstr("Norvak's Tockwerk"));
    } else {
        ASSERT_TRUE(desktop::iconPlaced(tray));
    }

    EXPECT_EQ(desktop::clickIcon(tray, Qt::LeftButton), nullptr);
    EXPECT_EQ(spoken(), QStringList({ "Heute ist Montag, der 05.01.2026 .  Es ist jetzt 10:20" }));
    QMenu* menu = desktop::clickIcon(tray, Qt::RightButton);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu, window.popupMenu());
}
