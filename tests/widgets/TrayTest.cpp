#include "widgets/Tray.h"
#include "widgets/TrayStandIn.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QSpontaneKeyEvent>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

using namespace suite;

namespace {

struct Click {
    int message;
    QPoint pos;
};

// A tray on a desktop with or without a tray host, whose handler records every click.
class TrayTest : public ::testing::Test {
protected:
    std::unique_ptr<Tray> makeTray(bool hasHost)
    {
        auto tray = std::make_unique<Tray>([hasHost] { return hasHost; });
        QPixmap picture(32, 32);
        picture.fill(Qt::darkGreen);
        tray->setIcon(QIcon(picture));
        tray->setHandler([this](int message, QPoint pos) { clicks.push_back({ message, pos }); });
        tray->setWatcher([this](int message) { messages.push_back(message); });
        return tray;
    }

    std::vector<Click> clicks;
    std::vector<int> messages; // everything the watcher saw
};

QString text(int length)
{
    return QString(length, u'x');
}

} // namespace

TEST(TrayMessage, DecodesTheHorizontalPositionInTwipsToTheMouseMessage)
{
    EXPECT_EQ(decodeTrayMessage(514 * 15.0, 15.0), 514);
    EXPECT_EQ(decodeTrayMessage(517 * 12.0, 12.0), 517);
    EXPECT_EQ(decodeTrayMessage(7710.4, 15.0), 514);
    // halves go to the even number
    EXPECT_EQ(decodeTrayMessage(514.5 * 15.0, 15.0), 514);
    EXPECT_EQ(decodeTrayMessage(515.5 * 15.0, 15.0), 516);
}

TEST(TrayMessage, NonsenseDecodesToNoMessage)
{
    EXPECT_EQ(decodeTrayMessage(7710, 0), 0);
    EXPECT_EQ(decodeTrayMessage(7710, -15), 0);
    EXPECT_EQ(decodeTrayMessage(std::numeric_limits<double>::quiet_NaN(), 15), 0);
    EXPECT_EQ(decodeTrayMessage(std::numeric_limits<double>::infinity(), 15), 0);
    EXPECT_EQ(decodeTrayMessage(1e300, 15), 0);
}

TEST_F(TrayTest, TipIsCutTo63CharactersAndAtANul)
{
    auto tray = makeTray(false);
    tray->setTip(text(63));
    EXPECT_EQ(tray->tip(), text(63));
    tray->setTip(text(64));
    EXPECT_EQ(tray->tip(), text(63));
    tray->setTip(QStringLiteral("Sprachausgabe") + QChar(u'\0') + QStringLiteral("Rest"));
    EXPECT_EQ(tray->tip(), QStringLiteral("Sprachausgabe"));
    // A character outside the BMP across the cut is left out whole, not halved.
    tray->setTip(text(62) + QString::fromUtf8("\U0001F600"));
    EXPECT_EQ(tray->tip(), text(62));
}

TEST_F(TrayTest, NewTipShowsFromTheNextAddOnly)
{
    for (bool hasHost : { false, true }) {
        auto tray = makeTray(hasHost);
        tray->setTip(QStringLiteral("Sprachausgabe"));
        EXPECT_EQ(tray->shownTip(), QString());
        tray->add();
        tray->setTip(QStringLiteral("Sprachausgabe aktiv !"));
        EXPECT_EQ(tray->shownTip(), QStringLiteral("Sprachausgabe"));
        tray->remove();
        EXPECT_EQ(tray->shownTip(), QString());
        tray->add();
        EXPECT_EQ(tray->shownTip(), QStringLiteral("Sprachausgabe aktiv !"));
        if (hasHost)
            EXPECT_EQ(tray->systemTrayIcon()->toolTip(), QStringLiteral("Sprachausgabe aktiv !"));
        else
            EXPECT_EQ(tray->standIn()->toolTip(), QStringLiteral("Sprachausgabe aktiv !"));
    }
}

TEST_F(TrayTest, WithoutTrayHostAStandInWindowTakesTheIconsPlace)
{
    auto tray = makeTray(false);
    tray->setTip(QStringLiteral("Norvak's Tockwerk"));
    tray->add();
    EXPECT_TRUE(tray->isShown());
    TrayStandIn* standIn = tray->standIn();
    ASSERT_NE(standIn, nullptr);
    EXPECT_TRUE(standIn->isVisible());
    EXPECT_TRUE(standIn->isWindow());
    EXPECT_EQ(standIn->objectName(), QStringLiteral("TrayStandIn"));
    EXPECT_TRUE(QApplication::topLevelWidgets().contains(standIn));
    EXPECT_EQ(standIn->toolTip(), QStringLiteral("Norvak's Tockwerk"));
    EXPECT_EQ(standIn->accessibleName(), QStringLiteral("Norvak's Tockwerk"));
    EXPECT_TRUE(standIn->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(standIn->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_NE(standIn->focusPolicy() & Qt::TabFocus, 0);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(standIn->frameGeometry().bottomRight(), area.bottomRight());
    EXPECT_LE(standIn->width(), 64);

    tray->remove();
    EXPECT_FALSE(tray->isShown());
    EXPECT_FALSE(standIn->isVisible());
}

TEST_F(TrayTest, WithTrayHostNoStandInAppears)
{
    auto tray = makeTray(true);
    tray->setTip(QStringLiteral("Sprachausgabe"));
    tray->add();
    EXPECT_TRUE(tray->isShown());
    EXPECT_EQ(tray->standIn(), nullptr);
    ASSERT_NE(tray->systemTrayIcon(), nullptr);
    EXPECT_FALSE(tray->systemTrayIcon()->icon().isNull());
    tray->remove();
    EXPECT_FALSE(tray->isShown());
}

TEST_F(TrayTest, StandInTurnsButtonReleasesIntoMouseMessages)
{
    auto tray = makeTray(false);
    tray->add();
    TrayStandIn* standIn = tray->standIn();
    QTest::mouseClick(standIn, Qt::LeftButton, {}, QPoint(10, 12));
    QTest::mouseClick(standIn, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseClick(standIn, Qt::MiddleButton, {}, QPoint(5, 5));
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0].message, 514);
    EXPECT_EQ(clicks[0].pos, standIn->mapToGlobal(QPoint(10, 12)));
    EXPECT_EQ(clicks[1].message, 517);
    // A double click and the pointer resting on the icon are messages too, for the watcher.
    QTest::mouseDClick(standIn, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(standIn, QPoint(20, 20));
    EXPECT_EQ(messages, (std::vector<int> { 514, 517, 520, 515, 512 }));
}

TEST_F(TrayTest, StandInIsReachableByKeyboard)
{
    auto tray = makeTray(false);
    tray->add();
    TrayStandIn* standIn = tray->standIn();
    QTest::keyClick(standIn, Qt::Key_Return);
    QTest::keyClick(standIn, Qt::Key_Space);
    QTest::keyClick(standIn, Qt::Key_Menu);
    QTest::keyClick(standIn, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(standIn, Qt::Key_F10);
    QTest::keyClick(standIn, Qt::Key_A);
    ASSERT_EQ(clicks.size(), 4u);
    EXPECT_EQ(clicks[0].message, 514);
    EXPECT_EQ(clicks[1].message, 514);
    EXPECT_EQ(clicks[2].message, 517);
    EXPECT_EQ(clicks[3].message, 517);
    EXPECT_TRUE(standIn->rect().contains(standIn->mapFromGlobal(clicks[0].pos)));
}

TEST_F(TrayTest, UserClosingTheStandInKeepsIt)
{
    auto tray = makeTray(false);
    tray->add();
    // The window manager's close (Alt+F4) arrives as a spontaneous close event.
    QCloseEvent userClose;
    QSpontaneKeyEvent::setSpontaneous(&userClose);
    qApp->notify(tray->standIn(), &userClose);
    EXPECT_FALSE(userClose.isAccepted());
    // Closing in code, as the session's end does, goes through.
    EXPECT_TRUE(tray->standIn()->close());
}

TEST_F(TrayTest, TrayIconActivationsBecomeMouseMessages)
{
    auto tray = makeTray(true);
    tray->add();
    QSystemTrayIcon* icon = tray->systemTrayIcon();
    emit icon->activated(QSystemTrayIcon::Trigger);
    emit icon->activated(QSystemTrayIcon::Context);
    emit icon->activated(QSystemTrayIcon::MiddleClick);
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    // An XEmbed tray icon hands the pointer's rest on it over as a tool tip event.
    QHelpEvent rest(QEvent::ToolTip, QPoint(2, 2), QPoint(1200, 1000));
    QCoreApplication::sendEvent(icon, &rest);
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0].message, 514);
    EXPECT_EQ(clicks[1].message, 517);
    EXPECT_EQ(messages, (std::vector<int> { 514, 517, 520, 515, 512 }));
}

TEST_F(TrayTest, EveryMessageReachesTheWatcherAndOnlyTheTwoButtonReleasesTheHandler)
{
    auto tray = makeTray(false);
    for (int message : { 512, 513, 515, 516, 518, 0 })
        tray->notify(message, {});
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(messages, (std::vector<int> { 512, 513, 515, 516, 518, 0 }));
}

TEST(TrayGuard, MenuOpenedByALeftClickOpensOnceHoweverManyMessagesFollow)
{
    Tray tray([] { return false; });
    int menusOpened = 0;
    int watched = 0;
    tray.setWatcher([&](int) { ++watched; });
    tray.setHandler([&](int message, QPoint pos) {
        if (message != 514)
            return;
        ++menusOpened;
        QMenu menu;
        menu.addAction(QStringLiteral("Beenden"));
        // While the menu is open, the icon goes on sending its messages.
        QTimer::singleShot(0, &menu, [&] {
            tray.notify(514, pos);
            tray.notify(517, pos);
            QTest::mouseClick(tray.standIn(), Qt::LeftButton);
            menu.close();
        });
        menu.exec(pos);
    });
    tray.add();
    tray.notify(514, QPoint(100, 100));
    EXPECT_EQ(menusOpened, 1);
    EXPECT_EQ(watched, 4) << "the watcher sees the messages sent while the menu is open";
    // Once the menu is closed, the next click opens it again.
    tray.notify(514, QPoint(100, 100));
    EXPECT_EQ(menusOpened, 2);
}

TEST(TrayGuard, HandlerMayDestroyTheTray)
{
    // "Beenden" in the tray's menu ends the program, which takes the tray with it while
    // the click that opened the menu is still being delivered.
    for (bool hasHost : { false, true }) {
        auto tray = std::make_unique<Tray>([hasHost] { return hasHost; });
        tray->setHandler([&](int, QPoint) { tray.reset(); });
        tray->add();
        if (hasHost)
            emit tray->systemTrayIcon()->activated(QSystemTrayIcon::Trigger);
        else
            QTest::mouseClick(tray->standIn(), Qt::LeftButton);
        EXPECT_EQ(tray, nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST(TrayGuard, HandlerThatThrowsDoesNotLeaveTheGuardSet)
{
    Tray tray([] { return false; });
    int calls = 0;
    tray.setHandler([&](int, QPoint) {
        if (++calls == 1)
            throw std::runtime_error("failed");
    });
    EXPECT_THROW(tray.notify(514, {}), std::runtime_error);
    tray.notify(514, {});
    EXPECT_EQ(calls, 2);
}
