// The character on a real X server (a private Xvfb) with the real espeak-ng engine and
// silent audio: the window the X server sees, not just what Qt believes.
#include "core/Paths.h"
#include "speech/Character.h"
#include "speech/EspeakEngine.h"
#include "widgets/agent/AgentCharacter.h"
#include "widgets/agent/CharacterAgent.h"
#include "widgets/agent/CharacterWindow.h"
#include "widgets/agent/WordBalloon.h"

#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace suite;
using ::testing::HasSubstr;

namespace {

// What an X11 client sees of a window: xwininfo and xprop ask the server directly.
QString xTool(const QString& tool, WId window)
{
    QProcess process;
    process.start(tool, { "-id", QString::number(window) });
    if (!process.waitForFinished(20000))
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool mappedOnServer(WId window)
{
    return xTool("xwininfo", window).contains("Map State: IsViewable");
}

} // namespace

TEST(AgentX11Test, CharacterIsAFramelessTopWindowThatComesAndGoes)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    qputenv("SPRACHAUSGABE_AUDIO", "null");
    EspeakEngine engine;
    ASSERT_TRUE(engine.isAvailable()) << engine.error().toStdString();
    CharacterAgent agent(paths::characterDir(), engine);
    ASSERT_TRUE(agent.LoadCharacter("Genie", "genie.acs"));
    Character* genie = agent.GetCharacter("Genie");
    ASSERT_NE(genie, nullptr);
    CharacterWindow* window = agent.loaded("Genie")->window();
    WordBalloon* balloon = agent.loaded("Genie")->balloon();

    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window->windowType(), Qt::Tool);
    EXPECT_TRUE(window->testAttribute(Qt::WA_TranslucentBackground));

    QSignalSpy finished(&engine, &SpeechEngine::utteranceFinished);
    QStringList marked;
    QStringList mouths;
    QObject::connect(&engine, &SpeechEngine::wordReached, [&] { marked << balloon->markedWord(); });
    QObject::connect(&engine, &SpeechEngine::level, [&] { mouths << window->mouth(); });

    genie->Show();
    genie->MoveTo(300, 300);
    genie->Speak("Guten Tag mein Herr");
    genie->Hide();

    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }, 20000));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window, 20000));
    const WId id = window->winId();
    EXPECT_TRUE(mappedOnServer(id));
    const QString props = xTool("xprop", id);
    EXPECT_THAT(props.toStdString(), HasSubstr("_NET_WM_STATE_ABOVE"));
    EXPECT_THAT(props.toStdString(), HasSubstr("_NET_WM_WINDOW_TYPE_UTILITY"));
    EXPECT_THAT(props.toStdString(), HasSubstr("_MOTIF_WM_HINTS"));
    // Shaped like the picture, so no box shows around it even without a compositor.
    EXPECT_FALSE(window->mask().contains(QPoint(2, 2)));
    EXPECT_TRUE(window->mask().contains(QPoint(75, 185))); // the bottle, in every picture
    EXPECT_THAT(xTool("xwininfo", id).toStdString(), HasSubstr("Width: 150"));

    // While it speaks, the balloon is up and follows the words.
    ASSERT_TRUE(QTest::qWaitFor([&] { return balloon->isVisible(); }, 20000));
    // A window manager maps it a moment after Qt shows it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return mappedOnServer(balloon->winId()); }, 20000));
    // Where the X server shows it, a window manager running or not.
    const QString info = xTool("xwininfo", id);
    EXPECT_THAT(info.toStdString(), HasSubstr("Absolute upper-left X:  300"));
    EXPECT_THAT(info.toStdString(), HasSubstr("Absolute upper-left Y:  300"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !finished.isEmpty(); }, 60000));
    EXPECT_TRUE(marked.contains("Tag")) << marked.join(',').toStdString();
    EXPECT_TRUE(mouths.contains("mouth-open") || mouths.contains("mouth-half"));

    // Only after the speech does the character leave.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !agent.loaded("Genie")->isBusy(); }, 20000));
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !mappedOnServer(id); }, 20000));
    EXPECT_EQ(window->pos(), QPoint(300, 300));
}
