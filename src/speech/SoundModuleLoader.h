#pragma once

#include "speech/SoundModuleApi.h"

#include <QString>

namespace suite {

// The sound device module, found next to the running binary in ../lib/sprachausgabe (the
// build tree's bin/, tests/ and bench/ and an installed /usr/bin alike), loaded on the first
// call and kept for the life of the process.
struct SoundModule {
    const SuiteSoundModule* functions = nullptr; // nullptr when it cannot be used
    QString error; // why not, for a message
};

const SoundModule& loadSoundModule();

} // namespace suite
