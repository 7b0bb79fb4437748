#pragma once

#include <QString>
#include <QTemporaryDir>

namespace suite::test {

// A real file system of a few KiB (a tmpfs mounted for one test, unmounted by the
// destructor), so that a test can write on a disk that is really full. Mounting needs root;
// where it is impossible, isMounted() is false and whyNot() says why.
class SmallDisk {
public:
    explicit SmallDisk(int kibibytes = 64);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isMounted() const { return m_mounted; }
    const QString& whyNot() const { return m_whyNot; }

    QString path() const { return m_mountPoint.path(); }
    QString filePath(const QString& name) const { return m_mountPoint.filePath(name); }

    // Takes every free block with a filler file of its own, then gives back `leaveFree`
    // bytes of it (rounded to whole pages by the file system). False when that failed.
    bool fill(qint64 leaveFree = 0);
    // Removes the filler: the space is free again.
    void clear();

private:
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
    QString m_whyNot;
};

} // namespace suite::test
