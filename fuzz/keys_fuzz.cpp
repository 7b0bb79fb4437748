// Feeds arbitrary text to the key-notation parser with the fixed German and US layouts: it
// must never crash, never exceed its bound, and every key it presses it also releases.
#include "browser/capture/KeySequenceParser.h"
#include "fakes/FakeKeyboardLayout.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the layout and the Caps Lock state.
    using suite::test::FakeKeyboardLayout;
    FakeKeyboardLayout layout(
        data[0] & 1 ? FakeKeyboardLayout::Kind::German : FakeKeyboardLayout::Kind::US);
    layout.setCapsLock(data[0] & 2);
    const QString sequence
        = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const suite::browser::ParsedKeys parsed
        = suite::browser::KeySequenceParser(layout).parse(sequence);
    if (!parsed.result.ok) {
        if (!parsed.records.empty() || parsed.result.error.isEmpty())
            std::abort();
        return 0;
    }
    if (qsizetype(parsed.records.size()) > suite::browser::KeySequenceParser::MaxRecords)
        std::abort();
    qsizetype held = 0;
    for (const suite::browser::KeyRecord& record : parsed.records) {
        held += record.isKeyUp() ? -1 : 1;
        if (held < 0)
            std::abort();
        if (record.isCharacter() && (record.virtualKey != 0 || record.scanCode > 0x10FFFF))
            std::abort();
    }
    if (held != 0)
        std::abort();
    return 0;
}
