// Loads a generated 5 MB RTF file (German paragraphs with formatting, \'hh umlauts, \uN
// characters and tables) into a document, and runs `unrtf --text` on the same file in the
// same run, then prints both times and their ratio.
//   rtf_bench [RUNS]      (default 5; the median of the runs counts)
#include "reader/rtf/TextFileLoader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

using namespace suite;

namespace {

constexpr qsizetype targetSize = 5 * 1024 * 1024;

QByteArray generateRtf()
{
    static const char* const sentences[] = {
        "Der {\\b B\\'e4r} l\\'e4uft {\\i \\'fcber} die Stra\\'dfe und gr\\'fc\\'dft die "
        "Nachbarn.",
        "{\\ul Sch\\'f6ne} Gr\\'fc\\'dfe aus K\\'f6ln, {\\cf1 rot} und {\\cf2\\b blau}, "
        "\\ldblquote zitiert\\rdblquote\\emdash kostet 10 \\u8364? pro St\\'fcck.",
        "{\\fs28 Gro\\'dfe} und {\\fs18 kleine} Buchstaben, \\'c4pfel, \\'d6l und \\'dcbermut "
        "im M\\'e4rz.",
        "Ein langer Satz ohne Formatierung, damit auch gew\\'f6hnlicher Flie\\'dftext "
        "vorkommt, wie er in Briefen steht.",
    };
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}"
                     "{\\f1\\froman Times New Roman;}}"
                     "{\\colortbl;\\red200\\green0\\blue0;\\red0\\green0\\blue200;}\n";
    rtf.reserve(targetSize + 4096);
    for (int paragraph = 0; rtf.size() < targetSize; ++paragraph) {
        if (paragraph % 40 == 39) {
            rtf += "\\trowd\\cellx3000\\cellx6000\\pard\\intbl Stadt\\cell Einwohner\\cell\\row"
                   "\\trowd\\cellx3000\\cellx6000\\pard\\intbl M\\'fcnchen\\cell 1,5 Mio.\\cell"
                   "\\row\\pard\n";
            continue;
        }
        rtf += "{\\pard\\f" + QByteArray::number(paragraph % 2) + " ";
        for (int s = 0; s < 4; ++s) {
            rtf += sentences[(paragraph + s) % 4];
            rtf += ' ';
        }
        rtf += "\\par}\n";
    }
    rtf += "}";
    return rtf;
}

// Wall time on a shared machine depends on what else runs; CPU time mostly does not, so
// both are printed and compared.
struct Timing {
    double wallMs = 0;
    double cpuMs = 0;
};

double ownCpuMs()
{
    timespec ts {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double childrenCpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& tv) { return tv.tv_sec * 1e3 + tv.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Timing timeOurs(const QString& path, int& characters)
{
    QElapsedTimer timer;
    const double cpuBefore = ownCpuMs();
    timer.start();
    const rtf::LoadResult result = rtf::loadFile(path);
    const Timing timing { timer.nsecsElapsed() / 1e6, ownCpuMs() - cpuBefore };
    if (!result.ok || !result.message.isEmpty()) {
        std::fprintf(stderr, "rtf_bench: our load failed: %s\n", qPrintable(result.message));
        std::exit(1);
    }
    characters = result.document->characterCount();
    return timing;
}

Timing timeUnrtf(const QString& unrtf, const QString& path)
{
    const double cpuBefore = childrenCpuMs();
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(unrtf, { QStringLiteral("--text"), path });
    if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit) {
        std::fprintf(stderr, "rtf_bench: unrtf did not finish\n");
        std::exit(1);
    }
    return { timer.nsecsElapsed() / 1e6, childrenCpuMs() - cpuBefore };
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv); // as in the reader, where the field lives
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gross.rtf"));
    const QByteArray rtf = generateRtf();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size()) {
        std::fprintf(stderr, "rtf_bench: cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.close();

    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    int characters = 0;
    timeOurs(path, characters); // warms the file cache and the code page tables
    if (!unrtf.isEmpty())
        timeUnrtf(unrtf, path);

    std::vector<double> oursWall, oursCpu, theirsWall, theirsCpu;
    for (int i = 0; i < runs; ++i) {
        const Timing ours = timeOurs(path, characters);
        oursWall.push_back(ours.wallMs);
        oursCpu.push_back(ours.cpuMs);
        if (!unrtf.isEmpty()) {
            const Timing theirs = timeUnrtf(unrtf, path);
            theirsWall.push_back(theirs.wallMs);
            theirsCpu.push_back(theirs.cpuMs);
        }
    }

    std::printf("file: %.2f MB RTF, %d characters in the document, median of %d runs\n",
        rtf.size() / (1024.0 * 1024.0), characters, runs);
    const double ourWall = median(oursWall);
    const double ourCpu = median(oursCpu);
    std::printf("ours  (read + document built): wall %8.1f ms  cpu %8.1f ms  %s under 1 s\n",
        ourWall, ourCpu, ourWall < 1000 ? "PASS" : "MISS");
    if (unrtf.isEmpty()) {
        std::printf("unrtf --text: not installed, no ratio (bench/rtf/rtf-bench installs it)\n");
        return 0;
    }
    const double theirWall = median(theirsWall);
    const double theirCpu = median(theirsCpu);
    std::printf(
        "unrtf --text (text only):      wall %8.1f ms  cpu %8.1f ms\n", theirWall, theirCpu);
    std::printf("ratio ours/unrtf: wall %.2f  cpu %.2f\n", ourWall / theirWall, ourCpu / theirCpu);
    return 0;
}
