#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>

namespace suite::rtf {

// Turns the 8-bit text of an RTF file into Unicode by Windows code page number.
// One decoder per code page is kept, so a double-byte character split across two runs
// (\'83 then a literal trail byte) still decodes as one.
class RtfTextDecoder {
public:
    static constexpr int kDefaultCodePage = 1252;

    bool supports(int codePage);
    // Bytes in a code page this system cannot decode are read as Windows-1252.
    QString decode(int codePage, QByteArrayView bytes);

private:
    QStringDecoder* decoderFor(int codePage);

    std::map<int, QStringDecoder> m_decoders;
};

} // namespace suite::rtf
