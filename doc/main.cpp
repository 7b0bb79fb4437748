// suite_docs: writes the manual pages and the AppStream metainfo from the suite's help table.
//   suite_docs OUTDIR VERSION RELEASE-DATE [SCREENSHOT-BASE-URL]
// gives OUTDIR/man/man1/NAME.1 (English), OUTDIR/man/de/man1/NAME.1 (German) and
// OUTDIR/metainfo/ID.metainfo.xml for each desktop program.
#include "DocWriter.h"

#include <QDir>
#include <QSaveFile>

#include <cstdio>

using namespace suite;

namespace {

bool write(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(
            stderr, "suite_docs: %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || argc > 5) {
        std::fputs(
            "Aufruf: suite_docs OUTDIR VERSION RELEASE-DATE [SCREENSHOT-BASE-URL]\n", stderr);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString version = QString::fromLocal8Bit(argv[2]);
    const QString date = QString::fromLocal8Bit(argv[3]);
    const QString screenshots = argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString();
    bool ok = true;
    for (const help::Program& program : help::programs()) {
        ok &= write(out + QStringLiteral("/man/man1/%1.1").arg(program.name),
            doc::manualPage(program, doc::Language::English, version));
        ok &= write(out + QStringLiteral("/man/de/man1/%1.1").arg(program.name),
            doc::manualPage(program, doc::Language::German, version));
        if (!program.graphical)
            continue;
        const QString picture = screenshots.isEmpty()
            ? QString()
            : QStringLiteral("%1/%2.png").arg(screenshots, program.name);
        ok &= write(
            out + QStringLiteral("/metainfo/%1.metainfo.xml").arg(doc::componentId(program.name)),
            doc::metainfo(program, version, date, picture));
    }
    return ok ? 0 : 1;
}
