// Capture on a Wayland session (headless sway with XWayland and xdg-desktop-portal): the
// program runs on XWayland, the picture comes from the portal.
#include "../CaptureTestSupport.h"
#include "browser/capture/Form1.h"
#include "browser/capture/PortalScreenGrabber.h"
#include "browser/capture/X11ScreenGrabber.h"
#include "browser/capture/frmDummy.h"
#include "core/Clock.h"
#include "fakes/FakeMessageBoxes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace suite;
using namespace suite::browser;
using namespace suite::test;

namespace {

constexpr QRgb WindowColour = 0x3366cc;

// A native Wayland window filled with WindowColour, as sway tiles it over the screen.
class NativeWindow {
public:
    NativeWindow()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        m_process.setProcessEnvironment(environment);
        m_process.start(QStringLiteral(WAYLAND_TEST_WINDOW),
            { QStringLiteral("colour"), QString::number(WindowColour, 16) });
    }
    ~NativeWindow()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    bool shown()
    {
        return m_process.waitForReadyRead(10000) && m_process.readLine().trimmed() == "shown";
    }

private:
    QProcess m_process;
};

QImage grim(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("grim"), { file });
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return {};
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(CaptureWaylandTest, ThePortalsPictureShowsTheWaylandWindowAsTheCompositorDoes)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    std::unique_ptr<ScreenGrabber> grabber = openScreenGrabber();
    ASSERT_TRUE(grabber->unavailableReason().isEmpty())
        << grabber->unavailableReason().toStdString();
    ASSERT_NE(dynamic_cast<PortalScreenGrabber*>(grabber.get()), nullptr);
    NativeWindow window;
    ASSERT_TRUE(window.shown());
    const QPoint middle = grabber->screenArea().center();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return (grabber->grabArea(QRect(middle, QSize(1, 1))).pixel(0, 0) & 0xffffff)
                == WindowColour;
        },
        10000))
        << "the native window never showed in the portal's picture";

    FakeMessageBoxes boxes;
    SystemClock clock;
    QWidget viewer;
    Form1 form1(*grabber, boxes, clock, viewer, [](const QPixmap&) {});
    const QImage screen = form1.CaptureScreen().toImage().convertToFormat(QImage::Format_RGB32);
    QTemporaryDir folder;
    const QImage compositor = grim(folder.filePath(QStringLiteral("grim.png")));
    ASSERT_FALSE(compositor.isNull());
    EXPECT_EQ(screen.size(), QSize(1280, 1024));
    EXPECT_EQ(screen, compositor) << "the same pixels as the compositor's own screenshot";
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/tmp/out.png")))
        << "the portal's file is removed once read";

    // The region overlay works on the portal's picture as on the X11 one.
    QList<QPixmap> chosen;
    QPointer<frmDummy> overlay = new frmDummy(*grabber);
    QObject::connect(
        overlay, &frmDummy::regionChosen, [&](const QPixmap& picture) { chosen.append(picture); });
    overlay->Form_Load();
    EXPECT_EQ(overlay->frozenImage().convertToFormat(QImage::Format_RGB32), compositor);
    overlay->showFullScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(overlay));
    drag(overlay, middle - QPoint(100, 50), middle + QPoint(100, 50));
    EXPECT_TRUE(QTest::qWaitFor([&] { return overlay.isNull(); }, 5000));
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_TRUE(showsPart(
        chosen.at(0).toImage(), compositor, QRect(middle - QPoint(100, 50), QSize(200, 100))));
}
