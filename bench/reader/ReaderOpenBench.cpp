// The reader sits in the tray for days, and every "Open" loads a file into its field: the
// memory after opening a file 100 times must stay within a few MiB of opening it once.
// Each side runs in a fresh process (RSS only grows within one), alternating round by round,
// and prints the growth of its resident memory; the parent prints both and their difference.
//   reader_open_bench [ROUNDS] [OPENS]       (default 3 rounds, 100 opens)
#include "reader/RichTextField.h"
#include "reader/rtf/TextFileLoader.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

using namespace suite;

namespace {

// A letter of some 200 KB with formatting, as a user might open it.
QByteArray generateRtf()
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n";
    for (int paragraph = 0; rtf.size() < 200 * 1024; ++paragraph) {
        rtf += "{\\pard Absatz " + QByteArray::number(paragraph)
            + ": Sehr {\\b geehrte} Damen und Herren, der {\\i B\\'e4r} l\\'e4uft \\'fcber die "
              "Stra\\'dfe und gr\\'fc\\'dft die Nachbarn.\\par}\n";
    }
    return rtf + "}";
}

qint64 residentKib()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

// One side: opens the file `opens` times into a shown field, the way "Open" does, and
// prints how much the resident memory grew, in KiB.
int runSide(int argc, char** argv, int opens, const QString& path)
{
    QApplication app(argc, argv);
    reader::RichTextField field;
    field.resize(500, 200);
    field.show();
    QCoreApplication::processEvents();
    const qint64 before = residentKib();
    for (int i = 0; i < opens; ++i) {
        rtf::LoadResult loaded = rtf::loadFile(path);
        if (!loaded.ok) {
            std::fprintf(stderr, "reader_open_bench: %s\n", qPrintable(loaded.message));
            return 1;
        }
        field.takeDocument(std::move(loaded.document));
        QCoreApplication::processEvents(); // the field lays the document out, as on screen
    }
    std::printf("%lld\n", residentKib() - before);
    return 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double sideMib(const QString& self, int opens, const QString& path)
{
    QProcess side;
    side.start(self, { QStringLiteral("--side"), QString::number(opens), path });
    if (!side.waitForFinished(600000) || side.exitCode() != 0) {
        std::fprintf(stderr, "reader_open_bench: a side failed: %s\n",
            side.readAllStandardError().constData());
        std::exit(1);
    }
    return side.readAllStandardOutput().trimmed().toLongLong() / 1024.0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--side") == 0)
        return runSide(argc, argv, std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]));

    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int opens = argc > 2 ? std::max(2, std::atoi(argv[2])) : 100;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brief.rtf"));
    QFile file(path);
    const QByteArray rtf = generateRtf();
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size()) {
        std::fprintf(stderr, "reader_open_bench: cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.close();

    const QString self = QString::fromLocal8Bit(argv[0]);
    std::vector<double> once, many;
    for (int round = 0; round < rounds; ++round) {
        // The order changes each round, so that neither side always runs on a warmer machine.
        if (round % 2 == 0) {
            once.push_back(sideMib(self, 1, path));
            many.push_back(sideMib(self, opens, path));
        } else {
            many.push_back(sideMib(self, opens, path));
            once.push_back(sideMib(self, 1, path));
        }
    }
    const double a = median(once);
    const double b = median(many);
    std::printf("file: %.0f KB RTF; resident memory growth, median of %d rounds\n",
        rtf.size() / 1024.0, rounds);
    std::printf("  open once:       %7.1f MiB\n", a);
    std::printf("  open %3d times:  %7.1f MiB\n", opens, b);
    std::printf("  difference:      %7.1f MiB (target: a few MiB); ratio %.2f\n", b - a,
        a > 0 ? b / a : 0.0);
    return 0;
}
