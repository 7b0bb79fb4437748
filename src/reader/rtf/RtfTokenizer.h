#pragma once

#include <QByteArrayView>

namespace suite::rtf {

enum class RtfTokenKind { GroupOpen, GroupClose, ControlWord, ControlSymbol, HexByte, Text, End };

// Why a token could not be read as written; the parse goes on after every fault.
enum class RtfTokenFault { None, WordTooLong, ParameterTooLong, BadHexByte, LoneBackslash };

struct RtfToken {
    RtfTokenKind kind = RtfTokenKind::End;
    // The letters of a control word, or a run of text (never containing CR or LF).
    QByteArrayView text;
    int parameter = 0;
    bool hasParameter = false;
    char symbol = 0;
    unsigned char byte = 0;
    RtfTokenFault fault = RtfTokenFault::None;
};

// Splits RTF bytes into tokens without looking at groups, so nesting costs no stack.
// The views in a token point into the input, which must outlive the tokenizer.
class RtfTokenizer {
public:
    static constexpr int kMaxWordLetters = 32;
    static constexpr int kMaxParameterDigits = 10;

    explicit RtfTokenizer(QByteArrayView input);

    RtfToken next();
    // Skips the raw data after \binN; false when the input ended before `count` bytes.
    bool skipBinary(qint64 count);

private:
    RtfToken readControl();
    RtfToken readText();

    QByteArrayView m_input;
    qsizetype m_pos = 0;
};

} // namespace suite::rtf
