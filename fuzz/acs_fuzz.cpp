// Feeds arbitrary bytes to the character file reader: it must refuse or accept them without
// crashing, and whatever it accepts must compose into documents for every frame.
#include "widgets/agent/CharacterFile.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

namespace {

// QSvgRenderer wants a GUI application for fonts; one offscreen instance serves every input.
void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "acs_fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    suite::CharacterData character;
    const suite::Result result = suite::CharacterFile::parse(bytes, &character);
    if (result) {
        for (auto it = character.animations.cbegin(); it != character.animations.cend(); ++it) {
            for (const suite::AnimationStep& step : *it) {
                if (!character.frames.contains(step.frame))
                    std::abort();
            }
        }
        if (character.compose(character.mouth).isEmpty())
            std::abort();
    } else if (result.error.isEmpty()) {
        std::abort(); // a refusal always says why
    }
    return 0;
}
