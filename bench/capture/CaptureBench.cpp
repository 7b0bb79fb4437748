// Times a capture of the whole screen, as the viewer's "Bildschirm" makes it, against
// ImageMagick's "import -window root" on the same X server in the same run, and prints both
// with their ratio. Each figure is the median of ROUNDS runs:
//   capture_bench [ROUNDS]        (needs an X display; see bench/capture/capture-bench)
#include "browser/capture/BitmapFile.h"
#include "browser/capture/X11ScreenGrabber.h"
#include "core/Platform.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int rounds, const std::function<bool()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!run())
            return -1;
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    suite::chooseQtPlatform();
    QGuiApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    const std::unique_ptr<suite::browser::ScreenGrabber> grabber
        = suite::browser::openScreenGrabber();
    if (!grabber->unavailableReason().isEmpty()) {
        std::fprintf(stderr, "capture_bench: %s\n", qPrintable(grabber->unavailableReason()));
        return 2;
    }
    const QString import = QStandardPaths::findExecutable(QStringLiteral("import"));
    if (import.isEmpty()) {
        std::fprintf(stderr, "capture_bench: ImageMagick's import is missing (scripts/setup)\n");
        return 2;
    }
    QTemporaryDir folder;
    const QRect screen = grabber->screenArea();
    std::printf("screen %dx%d, median of %d rounds\n", screen.width(), screen.height(), rounds);

    QImage last;
    const double capture = medianMs(rounds, [&] {
        last = grabber->grabArea(screen);
        return !last.isNull();
    });
    const QString ours = folder.filePath(QStringLiteral("ours.bmp"));
    const double captureAndSave = medianMs(rounds,
        [&] { return bool(suite::browser::BitmapFile::save(ours, grabber->grabArea(screen))); });
    const QString theirs = folder.filePath(QStringLiteral("import.bmp"));
    const double imported = medianMs(rounds, [&] {
        return QProcess::execute(
                   import, { QStringLiteral("-window"), QStringLiteral("root"), theirs })
            == 0;
    });
    if (capture < 0 || captureAndSave < 0 || imported < 0) {
        std::fprintf(stderr, "capture_bench: a run failed\n");
        return 1;
    }
    std::printf("netzleser capture (picture in memory): %.1f ms\n", capture);
    std::printf("netzleser capture + BMP file:          %.1f ms\n", captureAndSave);
    std::printf("import -window root (BMP file):        %.1f ms\n", imported);
    std::printf("ratio capture/import: %.2f\n", capture / imported);
    std::printf("ratio capture+file/import: %.2f\n", captureAndSave / imported);
    return 0;
}
