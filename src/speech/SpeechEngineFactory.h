#pragma once

#include "speech/SpeechEngine.h"

#include <memory>

namespace suite {

// The one place where a program's speech engine is chosen. choice is "espeak-ng" (the
// built-in engine) or "speechd" (the desktop's speech-dispatcher with the user's own voices);
// empty means $SPRACHAUSGABE_ENGINE, and without it espeak-ng. When the service cannot be
// reached, or the choice is unknown, espeak-ng speaks and one message on stderr says why
// (also put in *notice). The transcript records which engine speaks.
std::unique_ptr<SpeechEngine> createSpeechEngine(
    const QString& choice = QString(), QString* notice = nullptr);

// The names createSpeechEngine() understands.
inline constexpr const char* espeakEngineName = "espeak-ng";
inline constexpr const char* speechdEngineName = "speechd";

} // namespace suite
