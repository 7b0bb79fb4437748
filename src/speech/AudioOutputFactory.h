#pragma once

#include "speech/AudioOutput.h"

#include <memory>

namespace suite {

// The sound device, opened once the event loop runs or at the first write; when no device
// works, it says so and goes on as a silent output with real-time pacing.
// SPRACHAUSGABE_AUDIO=null chooses the silent output at once. A missing device is never an
// error: the programs go on without sound.
std::unique_ptr<AudioOutput> createAudioOutput(QObject* parent = nullptr);

} // namespace suite
