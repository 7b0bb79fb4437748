#include "speech/AudioOutputFactory.h"

#include "speech/NullAudioOutput.h"
#include "speech/PulseAudioOutput.h"

#include <cstdio>

namespace suite {

std::unique_ptr<AudioOutput> createAudioOutput(QObject* parent)
{
    if (qgetenv("SPRACHAUSGABE_AUDIO").trimmed().toLower() != "null") {
        if (auto pulse = PulseAudioOutput::create(parent))
            return pulse;
        std::fprintf(
            stderr, "Sprachausgabe: kein Audiogerät erreichbar, es wird still gesprochen.\n");
    }
    return std::make_unique<NullAudioOutput>(NullAudioOutput::Pacing::RealTime, parent);
}

} // namespace suite
