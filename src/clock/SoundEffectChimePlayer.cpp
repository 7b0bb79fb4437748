#include "clock/SoundEffectChimePlayer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

namespace suite::clock {

// Off unless asked for (QT_LOGGING_RULES="tockwerk.chime.info=true"): when each chime began.
Q_LOGGING_CATEGORY(lcChime, "tockwerk.chime", QtWarningMsg)

namespace {

SoundEffectChimePlayer::Output outputFromEnvironment()
{
    if (qgetenv("SPRACHAUSGABE_AUDIO").trimmed().toLower() == "null")
        return SoundEffectChimePlayer::Output::Silent;
    if (QMediaDevices::defaultAudioOutput().isNull())
        return SoundEffectChimePlayer::Output::Silent;
    return SoundEffectChimePlayer::Output::Device;
}

quint32 le32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

} // namespace

qint64 WaveFormat::durationMs() const
{
    const qint64 bytesPerSecond = qint64(sampleRate) * channels * (bitsPerSample / 8);
    return bytesPerSecond > 0 ? dataBytes * 1000 / bytesPerSecond : 0;
}

std::optional<WaveFormat> SoundEffectChimePlayer::readWaveFormat(const QByteArray& bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    WaveFormat format;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > bytes.size() || le16(bytes, body) != 1)
                return std::nullopt; // only plain PCM
            format.channels = le16(bytes, body + 2);
            format.sampleRate = static_cast<int>(le32(bytes, body + 4));
            format.bitsPerSample = le16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || format.channels == 0 || format.sampleRate <= 0
                || format.bitsPerSample % 8 != 0 || format.bitsPerSample == 0)
                return std::nullopt;
            // A header may claim more than the file holds; only what is there is heard.
            format.dataBytes = std::min<qint64>(size, bytes.size() - body);
            return format;
        }
        at = body + size + (size & 1); // chunks are padded to even sizes
    }
    return std::nullopt;
}

SoundEffectChimePlayer::SoundEffectChimePlayer(QObject* parent)
    : SoundEffectChimePlayer(outputFromEnvironment(), parent)
{
}

SoundEffectChimePlayer::SoundEffectChimePlayer(Output output, QObject* parent)
    : QObject(parent)
    , m_output(output)
{
    if (m_output == Output::Device) {
        // Decoding takes a moment; done now, the first chime is heard on time.
        effect(AlarmChime);
        effect(AnnouncementChime);
    }
}

SoundEffectChimePlayer::~SoundEffectChimePlayer() = default;

QString SoundEffectChimePlayer::resourcePath(int soundId)
{
    if (soundId != AlarmChime && soundId != AnnouncementChime)
        return QString();
    return QStringLiteral(":/tockwerk/sounds/chime%1.wav").arg(soundId);
}

QByteArray SoundEffectChimePlayer::soundBytes(int soundId)
{
    const QString path = resourcePath(soundId);
    if (path.isEmpty())
        return QByteArray();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QSoundEffect* SoundEffectChimePlayer::effect(int soundId)
{
    const QString path = resourcePath(soundId);
    if (path.isEmpty())
        return nullptr;
    auto& slot = m_effects[soundId];
    if (!slot) {
        slot = std::make_unique<QSoundEffect>();
        slot->setSource(QUrl(QStringLiteral("qrc") + path));
    }
    return slot.get();
}

void SoundEffectChimePlayer::play(int soundId)
{
    const auto format = readWaveFormat(soundBytes(soundId));
    const qint64 duration = format ? format->durationMs() : 0;
    qCInfo(lcChime).noquote() << QStringLiteral("Glockenschlag %1 (%2 ms) um %3")
                                     .arg(soundId)
                                     .arg(duration)
                                     .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs));
    if (m_output == Output::Device) {
        QSoundEffect* sound = effect(soundId);
        if (sound && waitUntilLoaded(*sound)) {
            sound->play();
            emit started(soundId);
        } else {
            qCWarning(lcChime).noquote()
                << QStringLiteral("Glockenschlag %1 nicht abspielbar").arg(soundId);
        }
    }
    waitMs(duration);
}

bool SoundEffectChimePlayer::waitUntilLoaded(QSoundEffect& sound)
{
    // Loaded while the program starts; only a chime asked for at once may still be decoding.
    if (sound.status() == QSoundEffect::Loading && QCoreApplication::instance()) {
        QEventLoop loop;
        connect(&sound, &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
        QTimer::singleShot(std::chrono::milliseconds(1000), &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return sound.status() == QSoundEffect::Ready;
}

void SoundEffectChimePlayer::waitMs(qint64 ms)
{
    if (ms <= 0)
        return;
    if (!QCoreApplication::instance()) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    // Timers and repaints go on (the sound itself is fed from this thread), but a click
    // waits until the chime is over, as it would with a sound that blocks.
    QEventLoop loop;
    // Precise: a coarse timer may end the wait up to 5 % before the sound has ended.
    QTimer::singleShot(std::chrono::milliseconds(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace suite::clock
