// Feeds arbitrary text to the speed tag parser: it must never crash, never read a tag aloud
// and always give a rate inside the engine's range.
#include "speech/SpeedTag.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const suite::SpeedTag tag = suite::SpeedTag::split(text, 150);
    if (tag.wordsPerMinute < suite::SpeedTag::minimumRate
        || tag.wordsPerMinute > suite::SpeedTag::maximumRate)
        std::abort();
    if (tag.text.size() > text.size())
        std::abort();
    // What is left to speak is always the end of the input.
    if (!text.endsWith(tag.text))
        std::abort();
    if (!tag.present && tag.text != text)
        std::abort();
    (void)tag.problem();
    return 0;
}
