#include "speech/WavExport.h"

#include "core/AtomicFile.h"

#include "speech/EspeakLibrary.h"
#include "speech/UtteranceRenderer.h"

#include <QtEndian>

#include <limits>

namespace suite {

namespace Wav {

namespace {

void appendLe32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void appendLe16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

} // namespace

QByteArray fileBytes(const QByteArray& pcm, int sampleRate)
{
    const quint32 dataSize = quint32(pcm.size());
    QByteArray out;
    out.reserve(44 + pcm.size());
    out.append("RIFF", 4);
    appendLe32(out, 36 + dataSize);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    appendLe32(out, 16);
    appendLe16(out, 1); // PCM
    appendLe16(out, 1); // mono
    appendLe32(out, quint32(sampleRate));
    appendLe32(out, quint32(sampleRate) * 2);
    appendLe16(out, 2); // block align
    appendLe16(out, 16); // bits per sample
    out.append("data", 4);
    appendLe32(out, dataSize);
    out.append(pcm);
    return out;
}


} // namespace Wav

Result synthesizeToWav(const Utterance& utterance, const QString& path)
{
    EspeakLibrary library;
    if (!library.isAvailable())
        return Result::failure(library.error());
    // A RIFF file cannot describe more than 4 GiB of data.
    constexpr qsizetype maxPcmBytes = std::numeric_limits<qint32>::max() - 64;
    QByteArray pcm;
    bool tooLong = false;
    UtteranceRenderer renderer(library);
    renderer.render(utterance,
        [&](const qint16* samples, int count, const std::vector<UtteranceRenderer::Word>&) {
            const qsizetype bytes = qsizetype(count) * 2;
            if (pcm.size() + bytes > maxPcmBytes) {
                tooLong = true;
                return false;
            }
            pcm.append(reinterpret_cast<const char*>(samples), bytes);
            return true;
        });
    if (tooLong)
        return Result::failure(QStringLiteral(
            "Der Text ist zu lang für eine WAV-Datei; es wurde nichts gespeichert."));
    return writeFileAtomically(path, Wav::fileBytes(pcm, EspeakLibrary::sampleRate));
}

} // namespace suite
