#pragma once

#include "core/Result.h"

#include <QString>

namespace suite {

// Plain German text to speech with a small mouth picture. Speak queues the text exactly as
// passed and returns at once; texts are heard one after the other in call order. Speak fails,
// with the reason, when nothing can be heard (the engine has no voice data).
class Synthesizer {
public:
    virtual ~Synthesizer() = default;
    virtual Result Speak(const QString& text) = 0;
    // Ends the speech under way at once; nothing passed before is heard afterwards.
    virtual void Stop() = 0;
    // True while a text passed to Speak is queued or heard.
    virtual bool IsSpeaking() const = 0;
    // Shows or hides the mouth picture; speaking goes on either way.
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsVisible() const = 0;
};

} // namespace suite
