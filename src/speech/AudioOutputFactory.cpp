#include "speech/AudioOutputFactory.h"

#include "speech/NullAudioOutput.h"
#include "speech/PulseAudioOutput.h"

namespace suite {

std::unique_ptr<AudioOutput> createAudioOutput(QObject* parent)
{
    if (qgetenv("SPRACHAUSGABE_AUDIO").trimmed().toLower() != "null")
        return std::make_unique<PulseAudioOutput>(parent);
    return std::make_unique<NullAudioOutput>(NullAudioOutput::Pacing::RealTime, parent);
}

} // namespace suite
