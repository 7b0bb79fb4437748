#pragma once

#include <QByteArray>
#include <QString>

namespace suite::test {

// A small, valid character file with quick animations (a few tens of ms), so tests that
// play them stay fast: frames "rest", "m0"/"m1"/"m2" (mouth), "up", "down"; animations
// Show, Hide, Speaking, Wave.
class FakeCharacterFile {
public:
    static QByteArray text(const QString& id = QStringLiteral("Testy"));
    // Writes text(id) to dir/fileName; returns the path, or "" when it cannot be written.
    static QString writeTo(
        const QString& dir, const QString& fileName, const QString& id = QStringLiteral("Testy"));
};

} // namespace suite::test
