#pragma once

#include "core/Result.h"
#include "widgets/agent/CharacterData.h"

namespace suite {

// Reads our character files (*.acs, described in ACS-FORMAT.md). Pure: bytes in, a
// character or the reason it was refused out. Every size and count is bounded, so a
// damaged or hostile file costs little and never crashes.
class CharacterFile {
public:
    static constexpr qsizetype kMaxBytes = 2 * 1024 * 1024;
    static constexpr int kMinSide = 16;
    static constexpr int kMaxSide = 1000;
    static constexpr int kMaxFrames = 200;
    static constexpr int kMaxAnimations = 100;
    static constexpr int kMaxSteps = 100;
    static constexpr int kMinDurationMs = 10;
    static constexpr int kMaxDurationMs = 10000;
    static constexpr int kMaxNameLength = 64;

    static Result parse(const QByteArray& bytes, CharacterData* out);
    // Reads and parses the file; the reason names the file.
    static Result load(const QString& path, CharacterData* out);
};

} // namespace suite
