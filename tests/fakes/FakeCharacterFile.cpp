#include "fakes/FakeCharacterFile.h"

#include <QDir>
#include <QFile>

namespace suite::test {

QByteArray FakeCharacterFile::text(const QString& id)
{
    QByteArray out = "acs 1\nid " + id.toUtf8() + "\nname Testfigur " + id.toUtf8() + "\n";
    out += "voice de m3 40\nrate 150\nsize 60 80\nmouth m0 m1 m2\n"
           "[base]\n<rect id=\"body\" x=\"10\" y=\"10\" width=\"40\" height=\"60\" "
           "fill=\"#3366cc\"/>\n[end]\n"
           "[frame rest]\n<g/>\n[end]\n"
           "[frame m0]\n<rect x=\"25\" y=\"30\" width=\"10\" height=\"1\"/>\n[end]\n"
           "[frame m1]\n<rect x=\"25\" y=\"30\" width=\"10\" height=\"3\"/>\n[end]\n"
           "[frame m2]\n<rect x=\"25\" y=\"30\" width=\"10\" height=\"6\"/>\n[end]\n"
           "[frame up alone]\n<use xlink:href=\"#body\" transform=\"translate(0 -4)\"/>\n[end]\n"
           "[frame down alone]\n<use xlink:href=\"#body\" transform=\"translate(0 4)\"/>\n[end]\n"
           "[animation Show]\ndown 20\nup 20\nrest 10\n[end]\n"
           "[animation Hide]\nup 20\ndown 20\n[end]\n"
           "[animation Speaking]\nrest 20\nup 20\n[end]\n"
           "[animation Wave]\nup 20\ndown 20\nrest 10\n[end]\n";
    return out;
}

QString FakeCharacterFile::writeTo(const QString& dir, const QString& fileName, const QString& id)
{
    const QString path = QDir(dir).filePath(fileName);
    QFile file(path);
    const QByteArray bytes = text(id);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace suite::test
