// Renders German paragraphs (umlauts, ß, numbers, punctuation) at 10, 12 and 16 points on a
// light and on a dark ground with Qt, reads each picture with our recognizer and with the
// tesseract command (same language data, same files, same run), and prints the character
// accuracy against the rendered text and the median time per picture of both, with their
// ratio, in wall time and in processor time (ours: this process; the command: its process),
// the latter being less swayed by a busy machine. Round by round the side that goes first
// alternates.
//   ocr_bench [ROUNDS]        (default 3; offscreen, no display needed)
#include "ocr/PicturePreparation.h"
#include "ocr/TextRecognizer.h"

#include <QElapsedTimer>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>
#include <time.h>

namespace {

const QString Paragraphs = QStringLiteral(
    "Die Straßenbahn fährt ab 5:45 Uhr alle 12 Minuten; am Wochenende nur jede halbe Stunde. "
    "Größere Änderungen gelten ab dem 1. März 2027.\n\n"
    "Für die Übernachtung zahlt man 89,50 € pro Person (inklusive Frühstück). Wer früher "
    "abreist, bekommt 15 % zurück - aber nur bis Freitag!\n\n"
    "Ärger über die Außenbeleuchtung? Schreiben Sie an: Bürgerbüro, Goethestraße 7, "
    "04109 Leipzig. Öffnungszeiten: Mo-Do 8-16 Uhr.");

struct Picture {
    QString file;
    int points = 0;
    bool dark = false;
};

QImage render(int points, bool dark)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(points);
    const int width = 900;
    const QRect area(20, 20, width - 40, 4000);
    const QRect used = QFontMetrics(font).boundingRect(area, Qt::TextWordWrap, Paragraphs);
    QImage picture(width, used.height() + 40, QImage::Format_RGB32);
    picture.fill(dark ? QColor(0x20, 0x24, 0x2a) : QColor(Qt::white));
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(dark ? QColor(0xe8, 0xe8, 0xe8) : QColor(Qt::black));
    painter.drawText(area, Qt::TextWordWrap, Paragraphs);
    return picture;
}

// Characters right, as 1 - edit distance / length, after blanks are made one.
double accuracy(const QString& expected, const QString& got)
{
    const QString a = expected.simplified();
    const QString b = got.simplified();
    std::vector<int> row(size_t(b.size()) + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[size_t(j)] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            row[size_t(j)] = std::min(
                { above + 1, row[size_t(j) - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1) });
            diagonal = above;
        }
    }
    return 100.0 * (1.0 - double(row[size_t(b.size())]) / double(std::max<qsizetype>(1, a.size())));
}

double ownCpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double childrenCpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms
        = [](const timeval& v) { return double(v.tv_sec) * 1e3 + double(v.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    const QString command = QStandardPaths::findExecutable(QStringLiteral("tesseract"));
    if (command.isEmpty()) {
        std::fprintf(stderr, "ocr_bench: the tesseract command is missing (scripts/setup)\n");
        return 2;
    }
    QTemporaryDir folder;
    std::vector<Picture> pictures;
    for (const int points : { 10, 12, 16 }) {
        for (const bool dark : { false, true }) {
            const QString file = folder.filePath(
                QStringLiteral("%1%2.png").arg(points).arg(dark ? "dunkel" : "hell"));
            if (!render(points, dark).save(file))
                return 2;
            pictures.push_back({ file, points, dark });
        }
    }

    suite::ocr::TextRecognizer recognizer;
    const std::atomic_bool never { false };
    const auto ours = [&](const Picture& p) {
        QImage picture;
        if (!suite::ocr::loadPicture(p.file, &picture))
            return QString();
        return recognizer.recognize(picture, never).text;
    };
    const auto theirs = [&](const Picture& p) {
        QProcess process;
        process.start(command,
            { p.file, QStringLiteral("stdout"), QStringLiteral("-l"), QStringLiteral("deu+eng") });
        process.waitForFinished(300000);
        return QString::fromUtf8(process.readAllStandardOutput());
    };

    // The language data is loaded once, as the programs load it at their first picture.
    QElapsedTimer loading;
    loading.start();
    ours(pictures.front());
    const double loadMs = double(loading.nsecsElapsed()) / 1e6;

    const size_t n = pictures.size();
    std::vector<std::vector<double>> ourMs(n), theirMs(n), ourCpu(n), theirCpu(n);
    std::vector<double> ourAccuracy(n), theirAccuracy(n);
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = 0; i < n; ++i) {
            for (int side = 0; side < 2; ++side) {
                const bool oursNow = (side == 0) == (round % 2 == 0);
                const double cpuBefore = oursNow ? ownCpuMs() : childrenCpuMs();
                QElapsedTimer timer;
                timer.start();
                const QString text = oursNow ? ours(pictures[i]) : theirs(pictures[i]);
                const double ms = double(timer.nsecsElapsed()) / 1e6;
                (oursNow ? ourMs : theirMs)[i].push_back(ms);
                (oursNow ? ourCpu : theirCpu)[i].push_back(
                    (oursNow ? ownCpuMs() : childrenCpuMs()) - cpuBefore);
                (oursNow ? ourAccuracy : theirAccuracy)[i] = accuracy(Paragraphs, text);
            }
        }
    }

    std::printf("%zu pictures of %lld characters, median of %d rounds, sides alternating\n", n,
        qlonglong(Paragraphs.simplified().size()), rounds);
    std::printf("our first picture also loads the language data: +%.0f ms\n", loadMs);
    std::printf("%-14s %8s %9s | %8s %8s %6s | %8s %8s %6s\n", "picture", "ours %", "command %",
        "ours ms", "cmd ms", "ratio", "ours cpu", "cmd cpu", "ratio");
    double ourTotal = 0;
    double theirTotal = 0;
    double ourCpuTotal = 0;
    double theirCpuTotal = 0;
    for (size_t i = 0; i < n; ++i) {
        const double a = median(ourMs[i]);
        const double b = median(theirMs[i]);
        const double c = median(ourCpu[i]);
        const double d = median(theirCpu[i]);
        ourTotal += a;
        theirTotal += b;
        ourCpuTotal += c;
        theirCpuTotal += d;
        std::printf("%2d pt %-8s %8.2f %9.2f | %8.0f %8.0f %6.2f | %8.0f %8.0f %6.2f\n",
            pictures[i].points, pictures[i].dark ? "dunkel" : "hell", ourAccuracy[i],
            theirAccuracy[i], a, b, a / b, c, d, c / d);
    }
    std::printf("all pictures: wall ours %.0f ms, command %.0f ms, ratio %.2f; processor ours "
                "%.0f ms, command %.0f ms, ratio %.2f (target <= 1.10)\n",
        ourTotal, theirTotal, ourTotal / theirTotal, ourCpuTotal, theirCpuTotal,
        ourCpuTotal / theirCpuTotal);
    return 0;
}
