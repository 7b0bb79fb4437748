#pragma once

#include "speech/AudioOutput.h"

#include <memory>

namespace suite {

// The sound device when there is one that works, else a silent output with real-time
// pacing. SPRACHAUSGABE_AUDIO=null chooses the silent one. A missing device is never an
// error: the programs go on without sound.
std::unique_ptr<AudioOutput> createAudioOutput(QObject* parent = nullptr);

} // namespace suite
