#include "speech/PulseAudioOutput.h"

#include "speech/EspeakLibrary.h"
#include "speech/NullAudioOutput.h"
#include "speech/SoundModuleLoader.h"

#include <QTimer>

#include <cstdio>

namespace suite {

PulseAudioOutput::PulseAudioOutput(QObject* parent)
    : AudioOutput(parent)
{
    QTimer::singleShot(0, this, &PulseAudioOutput::open);
}

PulseAudioOutput::~PulseAudioOutput()
{
    if (m_device)
        m_module->close(m_device);
}

void PulseAudioOutput::open()
{
    if (m_device || m_silent)
        return; // opened before, to the device or, failing that, to silence
    const SoundModule& module = loadSoundModule();
    QString why = module.error;
    if (module.functions) {
        m_device = module.functions->open(
            EspeakLibrary::sampleRate, 1,
            [](void* self) { emit static_cast<PulseAudioOutput*>(self)->idle(); }, this);
        if (m_device)
            m_module = module.functions;
        else
            why = QString::fromUtf8(module.functions->error());
    }
    if (m_device)
        return;
    std::fprintf(stderr,
        "Sprachausgabe: kein Audiogerät erreichbar, es wird still gesprochen.\n"
        "Sprachausgabe: %s\n",
        qPrintable(why));
    m_silent = std::make_unique<NullAudioOutput>(NullAudioOutput::Pacing::RealTime);
    connect(m_silent.get(), &AudioOutput::idle, this, &AudioOutput::idle);
}

void PulseAudioOutput::write(const QByteArray& pcm)
{
    open();
    if (m_device)
        m_module->write(m_device, pcm.constData(), pcm.size());
    else
        m_silent->write(pcm);
}

qint64 PulseAudioOutput::processedUs() const
{
    if (m_device)
        return m_module->processedUs(m_device);
    return m_silent ? m_silent->processedUs() : 0;
}

void PulseAudioOutput::drop()
{
    if (m_device)
        m_module->drop(m_device);
    else if (m_silent)
        m_silent->drop();
}

QString PulseAudioOutput::kind() const
{
    return m_device ? QStringLiteral("pulseaudio") : QStringLiteral("null");
}

} // namespace suite
