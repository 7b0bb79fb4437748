#pragma once

namespace suite::rtf {

enum class RtfDestination { Text, FontTable, ColorTable, Skipped };

// Character formatting as RTF sets it; a group restores it when it closes.
struct RtfCharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int fontSize = 0; // half-points; 0 leaves the document's default size
    int color = -1; // index into the colour table; -1 is the default colour
    int font = -1; // number in the font table; chooses the code page of \'hh

    // Whether two states look the same on screen, so their text can share one run.
    bool looksLike(const RtfCharState& other) const
    {
        return bold == other.bold && italic == other.italic && underline == other.underline
            && strike == other.strike && fontSize == other.fontSize && color == other.color;
    }
};

// Everything an RTF group scopes: a copy is pushed on "{" and dropped on "}".
struct RtfGroupState {
    RtfDestination destination = RtfDestination::Text;
    RtfCharState chars;
    int unicodeSkip = 1; // \ucN: how many fallback characters follow each \uN
};

} // namespace suite::rtf
