// The character on a Wayland session (headless sway with XWayland): the compositor shows it
// where the program moves it, and its balloon on the screen, as its own screenshot tells.
#include "core/Paths.h"
#include "speech/Character.h"
#include "speech/EspeakEngine.h"
#include "widgets/agent/AgentCharacter.h"
#include "widgets/agent/CharacterAgent.h"
#include "widgets/agent/CharacterWindow.h"
#include "widgets/agent/WordBalloon.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace suite;

namespace {

// The screen as the compositor shows it.
QImage compositorScreen()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("screen.png"));
    QProcess grim;
    grim.start(QStringLiteral("grim"), { file });
    if (!grim.waitForFinished(10000) || grim.exitCode() != 0)
        return {};
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

bool showsSomethingAt(const QImage& before, QPoint at)
{
    const QImage now = compositorScreen();
    return !now.isNull() && now.pixel(at) != before.pixel(at);
}

} // namespace

TEST(AgentWaylandTest, TheCharacterStandsWhereItIsMovedAndItsBalloonOnTheScreen)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    qputenv("SPRACHAUSGABE_AUDIO", "null");
    EspeakEngine engine;
    ASSERT_TRUE(engine.isAvailable()) << engine.error().toStdString();
    CharacterAgent agent(paths::characterDir(), engine);
    ASSERT_TRUE(agent.LoadCharacter("Genie", "genie.acs"));
    Character* genie = agent.GetCharacter("Genie");
    CharacterWindow* window = agent.loaded("Genie")->window();
    WordBalloon* balloon = agent.loaded("Genie")->balloon();
    const QImage empty = compositorScreen();
    ASSERT_FALSE(empty.isNull());

    // The bottle stands in every picture of the character at 75,185 of its window.
    genie->Show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }, 20000));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window, 20000));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return showsSomethingAt(empty, window->geometry().topLeft() + QPoint(75, 185)); },
        10000))
        << "not near the bottom right where it waits";
    EXPECT_GT(window->x(), screen.width() / 2);
    EXPECT_GT(window->y(), screen.height() / 2);

    genie->MoveTo(300, 200);
    genie->Speak("Guten Tag mein Herr");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->pos() == QPoint(300, 200); }, 20000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return showsSomethingAt(empty, QPoint(300 + 75, 200 + 185)); }, 10000))
        << "the compositor did not show the character where it was moved";

    ASSERT_TRUE(QTest::qWaitFor([&] { return balloon->isVisible(); }, 20000));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(balloon, 20000));
    EXPECT_TRUE(screen.contains(balloon->geometry()));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return showsSomethingAt(empty, balloon->geometry().center()); }, 10000))
        << "the compositor does not show the balloon where it is";
}
