#include "reader/rtf/RtfTextDecoder.h"

#include <QByteArrayList>

#include <algorithm>

namespace suite::rtf {

namespace {

QStringDecoder openDecoder(int codePage)
{
    const QByteArray number = QByteArray::number(codePage);
    QByteArrayList names;
    switch (codePage) {
    case 437:
    case 850:
    case 852:
    case 866:
        names << "IBM" + number;
        break;
    case 936:
        names << "GBK";
        break;
    case 950:
        names << "Big5";
        break;
    case 10000:
        names << "macintosh";
        break;
    case 65001:
        names << "UTF-8";
        break;
    default:
        break;
    }
    names << "windows-" + number << "cp" + number;
    for (const QByteArray& name : names) {
        QStringDecoder decoder(name.constData());
        if (decoder.isValid())
            return decoder;
    }
    return {};
}

bool isDoubleByte(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950
        || codePage == 1361 || codePage == 65001;
}

} // namespace

bool RtfTextDecoder::supports(int codePage)
{
    return decoderFor(codePage) != nullptr;
}

QString RtfTextDecoder::decode(int codePage, QByteArrayView bytes)
{
    // Nearly all RTF text is ASCII, which every single-byte code page shares.
    if (!isDoubleByte(codePage)
        && std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    QStringDecoder* decoder = decoderFor(codePage);
    if (!decoder)
        decoder = decoderFor(kDefaultCodePage);
    if (!decoder) // only without ICU; Latin-1 is the closest built-in match
        return QString::fromLatin1(bytes);
    return decoder->decode(bytes);
}

QStringDecoder* RtfTextDecoder::decoderFor(int codePage)
{
    const auto found = m_decoders.find(codePage);
    if (found != m_decoders.end())
        return found->second.isValid() ? &found->second : nullptr;
    if (codePage <= 0 || codePage > 65535)
        return nullptr;
    auto [it, inserted] = m_decoders.emplace(codePage, openDecoder(codePage));
    return it->second.isValid() ? &it->second : nullptr;
}

} // namespace suite::rtf
