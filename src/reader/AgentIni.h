#pragma once

#include "core/Result.h"

#include <QString>

#include <optional>

namespace suite::reader {

// What reading the settings file yielded. Reading stops at the first value it cannot use;
// that value and every later one stay unset, and the window keeps its state for them.
struct AgentIniValues {
    std::optional<int> speed;
    std::optional<int> greeting; // 1 = speak the greeting; any other number = do not
    std::optional<int> farewell;
    std::optional<int> language; // 0 German, 1 English
    std::optional<QString> character;
    // Kept in a section of its own, read whatever became of the others; older readers never
    // look at it.
    std::optional<bool> readPictures;
};

// What the window writes at its end.
struct AgentIniState {
    int speed = 150;
    bool greeting = true;
    bool farewell = true;
    std::optional<int> language; // unset when neither language option is selected
    QString character;
    bool readPictures = false;
};

// The reader's settings file in the program directory, one section with a one-letter key
// for each setting. The file is found without regard to the case of its name.
class AgentIni {
public:
    static constexpr int minimumSpeed = 50;
    static constexpr int maximumSpeed = 250;

    AgentIni(const QString& programDir, const QString& fileName);

    bool exists() const;
    // The file in use: the existing one whatever the case of its name, else the name given.
    const QString& path() const { return m_path; }

    AgentIniValues read() const;
    // Writes the six keys with one read and one atomic replacement of the file: all are
    // saved, or none is and the file stays byte for byte; the result says why.
    Result write(const AgentIniState& state) const;

    // A value as a whole number the way the settings were always converted: blanks around
    // it, a sign, and a fraction (rounded half to even) are allowed, nothing else, and only
    // within 16 bits.
    static std::optional<int> wholeNumber(const QString& text);

private:
    QString m_path;
};

} // namespace suite::reader
