#pragma once

#include "core/Result.h"

#include <QString>

namespace suite {

class Character;

// Loads characters from the component's own character folder and hands them out by id.
class AgentControl {
public:
    virtual ~AgentControl() = default;
    // The file name is looked up in the character folder without regard to case; a missing
    // or damaged file fails with the reason.
    virtual Result LoadCharacter(const QString& id, const QString& fileName) = 0;
    // The character loaded under this id, or nullptr. The pointer stays valid as long as the
    // agent lives; after UnloadCharacter every request to it fails.
    virtual Character* GetCharacter(const QString& id) = 0;
    // The character leaves the desktop and its resources are freed.
    virtual Result UnloadCharacter(const QString& id) = 0;
};

} // namespace suite
