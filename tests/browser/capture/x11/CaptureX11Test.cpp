#include "../CaptureTestSupport.h"
#include "browser/capture/Form1.h"
#include "browser/capture/KeySequenceParser.h"
#include "browser/capture/KeyboardDevice.h"
#include "browser/capture/X11ScreenGrabber.h"
#include "browser/capture/frmDummy.h"
#include "core/Clock.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

using namespace suite;
using namespace suite::browser;
using namespace suite::test;

namespace {

// A frameless window that paints a place-coded pattern of its own size.
class PatternWindow : public QWidget {
public:
    explicit PatternWindow(QRect geometry, int blue)
        : m_blue(blue)
    {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setGeometry(geometry);
    }
    QImage pattern() const
    {
        QImage image = placeCodedScreen(width(), height());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, (image.pixel(x, y) & 0xffffff00) | quint32(m_blue));
        return image;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, pattern());
    }

private:
    int m_blue;
};

class CaptureX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        ASSERT_TRUE(m_grabber->unavailableReason().isEmpty())
            << m_grabber->unavailableReason().toStdString();
    }

    // Waits until the X server shows the window's pattern.
    bool shownOnScreen(PatternWindow& window)
    {
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        return QTest::qWaitFor(
            [&] {
                return showsPart(
                    m_grabber->grabArea(window.geometry()), window.pattern(), window.rect());
            },
            10000);
    }

    std::unique_ptr<ScreenGrabber> m_grabber = openScreenGrabber();
    FakeMessageBoxes m_boxes;
    SystemClock m_clock;
    QWidget m_viewer;
    Form1 m_form1 { *m_grabber, m_boxes, m_clock, m_viewer, [](const QPixmap&) {} };
};

} // namespace

TEST_F(CaptureX11Test, TheWholeScreenHasTheScreensPixelSize)
{
    const QSize screen = QGuiApplication::primaryScreen()->size()
        * QGuiApplication::primaryScreen()->devicePixelRatio();
    EXPECT_EQ(m_form1.CaptureScreen().size(), screen);
    EXPECT_EQ(screen, QSize(1280, 1024)) << "the private Xvfb's screen";
}

TEST_F(CaptureX11Test, AKnownWindowComesWithItsSizeAndItsPixels)
{
    PatternWindow window(QRect(50, 60, 300, 200), 100);
    window.show();
    ASSERT_TRUE(shownOnScreen(window));
    const QPixmap inside = m_form1.CaptureWindow(window.winId(), true, 0, 0, 300, 200);
    EXPECT_TRUE(showsPart(inside.toImage(), window.pattern(), window.rect()));
    // Nobody decorates windows here: the frame is the window itself.
    const std::optional<QRect> frame = m_grabber->windowArea(window.winId(), true);
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(*frame, QRect(50, 60, 300, 200));
    EXPECT_TRUE(m_form1.CaptureWindow(0x7ffffff0, true, 0, 0, 10, 10).isNull())
        << "an unknown window id gives no picture and no crash";

    // A window partly off the screen: the full size, black where the screen ends.
    window.setGeometry(1200, 100, 200, 100);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return m_grabber->windowArea(window.winId(), true) == QRect(1200, 100, 200, 100); },
        5000));
    const QImage overhanging
        = m_form1.CaptureWindow(window.winId(), false, 0, 0, 200, 100).toImage();
    EXPECT_EQ(overhanging.size(), QSize(200, 100));
    EXPECT_EQ(overhanging.pixel(150, 50) & 0xffffff, 0u);
}

TEST_F(CaptureX11Test, TheForegroundWindowComesFromTheFocusOrFromTheWindowManagersProperty)
{
    PatternWindow first(QRect(100, 100, 240, 160), 50);
    PatternWindow second(QRect(500, 300, 200, 120), 150);
    first.show();
    second.show();
    ASSERT_TRUE(shownOnScreen(first));
    ASSERT_TRUE(shownOnScreen(second));
    first.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return m_grabber->foregroundWindow() == quint64(first.winId()); }, 5000));
    EXPECT_TRUE(showsPart(m_form1.CaptureActiveWindow().toImage(), first.pattern(), first.rect()));

    // A window manager names the active window on the root; its value counts, not the atom.
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    const Atom active = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    const unsigned long secondId = second.winId();
    XChangeProperty(display, DefaultRootWindow(display), active, XA_WINDOW, 32, PropModeReplace,
        reinterpret_cast<const unsigned char*>(&secondId), 1);
    XSync(display, False);
    EXPECT_EQ(m_grabber->foregroundWindow(), quint64(secondId));
    EXPECT_TRUE(
        showsPart(m_form1.CaptureActiveWindow().toImage(), second.pattern(), second.rect()));
    const unsigned long none = 0;
    XChangeProperty(display, DefaultRootWindow(display), active, XA_WINDOW, 32, PropModeReplace,
        reinterpret_cast<const unsigned char*>(&none), 1);
    XSync(display, False);
    EXPECT_EQ(m_grabber->foregroundWindow(), quint64(first.winId())) << "back to the focus";
    XDeleteProperty(display, DefaultRootWindow(display), active);
    XCloseDisplay(display);
}

TEST_F(CaptureX11Test, ARegionDraggedEitherWayGivesTheSamePictureOfTheScreen)
{
    PatternWindow window(QRect(200, 150, 400, 300), 200);
    window.show();
    ASSERT_TRUE(shownOnScreen(window));
    QList<QPixmap> chosen;
    for (const auto& [from, to] : { std::pair { QPoint(250, 200), QPoint(450, 300) },
             std::pair { QPoint(450, 300), QPoint(250, 200) } }) {
        QPointer<frmDummy> overlay = new frmDummy(*m_grabber);
        QObject::connect(overlay, &frmDummy::regionChosen,
            [&](const QPixmap& picture) { chosen.append(picture); });
        overlay->Form_Load();
        overlay->showFullScreen();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(overlay));
        drag(overlay, from, to);
        EXPECT_TRUE(QTest::qWaitFor([&] { return overlay.isNull(); }, 5000));
    }
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen.at(0).size(), QSize(200, 100));
    EXPECT_TRUE(showsPart(chosen.at(0).toImage(), window.pattern(), QRect(50, 50, 200, 100)));
    EXPECT_TRUE(showsPart(chosen.at(1).toImage(), window.pattern(), QRect(50, 50, 200, 100)));
}

TEST_F(CaptureX11Test, TheKeyboardOfTheServerKnowsItsLetters)
{
    std::unique_ptr<KeyboardDevice> keyboard = openKeyboardDevice();
    const std::optional<KeyScan> a = keyboard->keyFor(u'a');
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->virtualKey, 'A');
    EXPECT_FALSE(a->shift);
    const std::optional<KeyScan> capital = keyboard->keyFor(u'A');
    ASSERT_TRUE(capital.has_value());
    EXPECT_EQ(capital->virtualKey, 'A');
    EXPECT_TRUE(capital->shift);
    EXPECT_EQ(keyboard->scanCodeFor('A'), 0x1E) << "the kernel's scan code of the A key";
    EXPECT_FALSE(keyboard->keyFor(u'ß').has_value()) << "Xvfb's keymap has no ß";

    // Every key's release carries its scan code, the named keys' and the modifiers' too.
    for (const auto& [key, scanCode] :
        { std::pair { 9, 15 }, { 13, 28 }, { 16, 42 }, { 17, 29 }, { 18, 56 }, { 27, 1 },
            { 37, 105 }, { 40, 108 }, { 46, 111 }, { 112, 59 }, { 123, 88 } })
        EXPECT_EQ(keyboard->scanCodeFor(quint16(key)), scanCode) << "virtual key " << key;
    const ParsedKeys parsed
        = KeySequenceParser(*keyboard).parse(QStringLiteral("{TAB}{ENTER}{LEFT}{F5}{ESC}+{HOME}"));
    ASSERT_TRUE(parsed.result.ok);
    for (const KeyRecord& record : parsed.records) {
        if (record.isKeyUp() && record.virtualKey != 16) {
            EXPECT_NE(record.scanCode, 0u) << "virtual key " << record.virtualKey;
        }
    }
}
