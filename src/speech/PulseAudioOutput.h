#pragma once

#include "speech/AudioOutput.h"
#include "speech/SoundModuleApi.h"

#include <memory>

namespace suite {

class NullAudioOutput;

// The sound device, played by the sound device module (Qt Multimedia, on Debian PulseAudio),
// which is loaded and opened only once the event loop runs or at the first write(), so a
// program's first window comes before any of it. Until then nothing has been heard and drop()
// has nothing to end. When the module or the device cannot be had, it says so once on stderr
// and goes on as the silent output with real-time pacing.
class PulseAudioOutput final : public AudioOutput {
    Q_OBJECT
public:
    explicit PulseAudioOutput(QObject* parent = nullptr);
    ~PulseAudioOutput() override;

    void write(const QByteArray& pcm) override;
    qint64 processedUs() const override;
    void drop() override;
    // "pulseaudio" once the device plays, else "null".
    QString kind() const override;

private:
    void open();

    const SuiteSoundModule* m_module = nullptr;
    SuiteSoundDevice* m_device = nullptr;
    std::unique_ptr<NullAudioOutput> m_silent;
};

} // namespace suite
