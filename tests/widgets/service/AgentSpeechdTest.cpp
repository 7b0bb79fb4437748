// The character speaking through speech-dispatcher (started for this run on a private socket
// by tests/with-services --speechd): its balloon marks each word as the service reports it,
// its mouth moves with the words, and StopAll silences it at once.
#include "core/Paths.h"
#include "speech/Character.h"
#include "speech/SpeechdEngine.h"
#include "widgets/agent/AgentCharacter.h"
#include "widgets/agent/CharacterAgent.h"
#include "widgets/agent/CharacterWindow.h"
#include "widgets/agent/WordBalloon.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace suite;

TEST(AgentSpeechdTest, TheBalloonMarksEveryWordHeardAndTheMouthFollowsThem)
{
    SpeechdEngine engine;
    ASSERT_TRUE(engine.availability()) << engine.availability().error.toStdString();
    CharacterAgent agent(paths::characterDir(), engine);
    ASSERT_TRUE(agent.LoadCharacter("Genie", "genie.acs"));
    Character* genie = agent.GetCharacter("Genie");
    ASSERT_NE(genie, nullptr);
    CharacterWindow* window = agent.loaded("Genie")->window();
    WordBalloon* balloon = agent.loaded("Genie")->balloon();

    QStringList marked;
    QStringList mouths;
    QObject::connect(&engine, &SpeechEngine::wordReached, [&] { marked << balloon->markedWord(); });
    QObject::connect(&engine, &SpeechEngine::level, [&] { mouths << window->mouth(); });
    genie->Show();
    genie->Speak("\\Spd=200\\Guten Tag, mein Herr!");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !agent.loaded("Genie")->isBusy(); }, 60000));
    EXPECT_EQ(marked, QStringList({ "Guten", "Tag,", "mein", "Herr!" }));
    EXPECT_GE(mouths.count("mouth-open"), 4) << mouths.join(',').toStdString();
    EXPECT_TRUE(mouths.contains("mouth-half")) << mouths.join(',').toStdString();
    EXPECT_TRUE(window->mouth().isEmpty()) << window->mouth().toStdString(); // shut again

    // A stop in the middle: the character is free at once and no later word is marked.
    marked.clear();
    genie->Speak("Eins zwei drei vier fünf sechs sieben acht neun zehn elf zwölf.");
    genie->Speak("Das hier kommt nie.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return marked.size() >= 2; }, 60000));
    genie->StopAll();
    EXPECT_FALSE(agent.loaded("Genie")->isBusy());
    EXPECT_FALSE(engine.isSpeaking());
    const QStringList atStop = marked;
    QTest::qWait(1500);
    EXPECT_EQ(marked, atStop);
    EXPECT_FALSE(marked.contains("Das"));
}
