#pragma once

#include "core/Result.h"

#include <QString>

namespace suite {

// Where the character is and what it does on the desktop. Every call queues a request and
// returns at once; the requests run one after the other in call order.
class CharacterStage {
public:
    virtual ~CharacterStage() = default;
    virtual Result Show() = 0;
    virtual Result Hide() = 0;
    // Screen position of the character's top left corner, in pixels.
    virtual Result MoveTo(int x, int y) = 0;
    // Plays the named animation once.
    virtual Result Play(const QString& animation) = 0;
};

// What the character says. Speak queues like the stage requests; StopAll ends the running
// request and drops every queued one at once; SetLanguage applies to every later Speak.
class CharacterVoice {
public:
    virtual ~CharacterVoice() = default;
    // The text may begin with a speed tag ("\Spd=180\") that sets the rate for this text.
    // Fails, with the reason, when nothing can be heard (the engine has no voice data).
    virtual Result Speak(const QString& text) = 0;
    virtual Result StopAll() = 0;
    // 1031 German, 1033 English; anything else fails.
    virtual Result SetLanguage(int langId) = 0;
};

// A loaded character: what the programs address after GetCharacter.
class Character : public CharacterStage, public CharacterVoice {
public:
    // True while a request runs or waits: what was asked for has not all been done yet.
    virtual bool isBusy() const = 0;
};

} // namespace suite
