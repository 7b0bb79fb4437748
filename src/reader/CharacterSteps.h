#pragma once

#include "core/Result.h"
#include "speech/Character.h"

#include <functional>
#include <vector>

// Requests to the character as steps of a sequence, so that a handler can say how a failing
// request is treated: the sequence ends there, or the next step runs anyway.
namespace suite::reader::steps {

using Step = std::function<Result(Character&)>;

inline Step show()
{
    return [](Character& c) { return c.Show(); };
}
inline Step hide()
{
    return [](Character& c) { return c.Hide(); };
}
inline Step play(const QString& animation)
{
    return [animation](Character& c) { return c.Play(animation); };
}
inline Step moveTo(int x, int y)
{
    return [x, y](Character& c) { return c.MoveTo(x, y); };
}
inline Step speak(const QString& text)
{
    return [text](Character& c) { return c.Speak(text); };
}
inline Step stopAll()
{
    return [](Character& c) { return c.StopAll(); };
}

inline Result noCharacter()
{
    return Result::failure(QStringLiteral("Es ist kein Charakter geladen."));
}

// Runs the steps in order until one fails; that failure is the result.
inline Result untilFailure(Character* character, const std::vector<Step>& sequence)
{
    for (const Step& step : sequence) {
        Result r = character ? step(*character) : noCharacter();
        if (!r)
            return r;
    }
    return Result::success();
}

// Runs every step; a failing one is skipped. True when every step succeeded.
inline bool skippingFailures(Character* character, const std::vector<Step>& sequence)
{
    bool all = true;
    for (const Step& step : sequence)
        all = (character && step(*character)) && all;
    return all;
}

} // namespace suite::reader::steps
