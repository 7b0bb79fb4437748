#include "widgets/Tray.h"
#include "widgets/TrayStandIn.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWindow>

#include <vector>

using namespace suite;

// Under a bare X server nobody hosts tray icons, so the stand-in window is what the user gets.
TEST(TrayStandInX11, StandsInForTheIconAsARealWindowAndDeliversClicks)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    if (QSystemTrayIcon::isSystemTrayAvailable())
        GTEST_SKIP() << "this X server has a tray host";

    Tray tray; // asks Qt whether a tray host exists
    tray.setTip(QStringLiteral("Sprachausgabe"));
    std::vector<int> messages;
    tray.setHandler([&](int message, QPoint) { messages.push_back(message); });

    tray.add();
    TrayStandIn* standIn = tray.standIn();
    ASSERT_NE(standIn, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(standIn));
    QWindow* window = standIn->windowHandle();
    ASSERT_NE(window, nullptr);
    EXPECT_NE(window->winId(), 0u);
    EXPECT_TRUE(QGuiApplication::topLevelWindows().contains(window));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(standIn->frameGeometry()));
    EXPECT_EQ(window->title(), QStringLiteral("Sprachausgabe"));

    QTest::mouseClick(standIn, Qt::LeftButton, {}, standIn->rect().center());
    QTest::mouseClick(standIn, Qt::RightButton, {}, standIn->rect().center());
    ASSERT_EQ(messages, (std::vector<int> { 514, 517 }));

    tray.remove();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isExposed(); }));
    EXPECT_FALSE(standIn->isVisible());
    EXPECT_FALSE(window->isVisible());

    // Shown again with the tip written meanwhile.
    tray.setTip(QStringLiteral("Sprachausgabe aktiv !"));
    tray.add();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(standIn));
    EXPECT_EQ(window->title(), QStringLiteral("Sprachausgabe aktiv !"));
    tray.remove();
}
