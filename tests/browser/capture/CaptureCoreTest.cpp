#include "CaptureTestSupport.h"
#include "browser/capture/Form1.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeScreenGrabber.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QWidget>

using namespace suite;
using namespace suite::browser;
using namespace suite::test;

namespace {

class CaptureCoreTest : public ::testing::Test {
protected:
    CaptureCoreTest()
    {
        // A window of 200 x 100 with a frame of 4 around it and a title bar of 20.
        m_grabber.addWindow(7, { QRect(104, 124, 200, 100), QRect(100, 100, 208, 128) });
        // One that hangs over the right edge of the 640 x 480 screen.
        m_grabber.addWindow(8, { QRect(600, 300, 100, 50), QRect(600, 300, 100, 50) });
    }

    QImage m_screen = placeCodedScreen(640, 480);
    FakeScreenGrabber m_grabber { m_screen };
    FakeMessageBoxes m_boxes;
    FakeClock m_clock;
    QWidget m_viewer;
    QList<QPixmap> m_shown;
    Form1 m_form1 { m_grabber, m_boxes, m_clock, m_viewer,
        [this](const QPixmap& picture) { m_shown.append(picture); } };
};

} // namespace

TEST_F(CaptureCoreTest, TheScreenComesAtItsFullPixelSize)
{
    const QPixmap screen = m_form1.CaptureScreen();
    EXPECT_EQ(screen.size(), QSize(640, 480));
    EXPECT_TRUE(showsPart(screen.toImage(), m_screen, m_screen.rect()));

    EXPECT_TRUE(m_form1.Command1_Click());
    ASSERT_EQ(m_shown.size(), 1);
    EXPECT_EQ(m_shown.at(0).size(), QSize(640, 480));
    EXPECT_TRUE(m_boxes.boxes().isEmpty());
}

TEST_F(CaptureCoreTest, AWindowComesWithOrWithoutItsFrameFromAnyCorner)
{
    EXPECT_TRUE(showsPart(m_form1.CaptureWindow(7, true, 0, 0, 200, 100).toImage(), m_screen,
        QRect(104, 124, 200, 100)));
    EXPECT_TRUE(showsPart(m_form1.CaptureWindow(7, false, 0, 0, 208, 128).toImage(), m_screen,
        QRect(100, 100, 208, 128)));
    EXPECT_TRUE(showsPart(m_form1.CaptureWindow(7, true, 10, 20, 30, 40).toImage(), m_screen,
        QRect(114, 144, 30, 40)));
    // An unknown window or an empty size gives no picture.
    EXPECT_TRUE(m_form1.CaptureWindow(99, true, 0, 0, 10, 10).isNull());
    EXPECT_TRUE(m_form1.CaptureWindow(7, true, 0, 0, 0, 10).isNull());
}

TEST_F(CaptureCoreTest, TheForegroundWindowComesWholeAndPartsOffTheScreenAreBlack)
{
    m_grabber.setForeground(7);
    EXPECT_TRUE(
        showsPart(m_form1.CaptureActiveWindow().toImage(), m_screen, QRect(100, 100, 208, 128)));

    m_grabber.setForeground(8);
    const QImage overhanging = m_form1.CaptureActiveWindow().toImage();
    ASSERT_EQ(overhanging.size(), QSize(100, 50)) << "the full rectangle, not the visible part";
    EXPECT_TRUE(showsPart(overhanging.copy(0, 0, 40, 50), m_screen, QRect(600, 300, 40, 50)));
    EXPECT_EQ(overhanging.pixel(60, 10), qRgb(0, 0, 0));
}

TEST_F(CaptureCoreTest, TheWindowCaptureAsksFirstAndWaitsTwoToThreeSecondsWithEventsRunning)
{
    m_grabber.setForeground(7);
    m_clock.advanceMs(900); // started at .9 of a second
    m_clock.setStepPerReadingMs(50);
    qint64 capturedAt = -1;
    m_grabber.setOnGrab([&] { capturedAt = m_clock.monotonicMs(); });
    bool eventsRan = false;
    QMetaObject::invokeMethod(
        &m_viewer, [&] { eventsRan = true; }, Qt::QueuedConnection);

    EXPECT_TRUE(m_form1.Command4_Click());

    ASSERT_EQ(m_boxes.boxes().size(), 1);
    const FakeMessageBoxes::Box& box = m_boxes.boxes().at(0);
    EXPECT_EQ(box.text, "Klicke auf das gewünschte Fenster, und warte einen Augenblick ...");
    EXPECT_EQ(box.title, QString()) << "the program's default title";
    EXPECT_EQ(box.icon, MessageBoxes::Icon::None);
    EXPECT_EQ(box.buttons, MessageBoxes::Buttons::Ok);
    EXPECT_TRUE(eventsRan);
    EXPECT_GE(capturedAt, 3000) << "ends at 3.0 s at the earliest";
    EXPECT_LT(capturedAt, 3200);
    ASSERT_EQ(m_shown.size(), 1);
    EXPECT_EQ(m_shown.at(0).size(), QSize(208, 128));
}

TEST_F(CaptureCoreTest, WhereNothingCanBeCapturedTheUserIsToldWhy)
{
    m_grabber.setUnavailable(QStringLiteral("Bildschirmfotos sind hier nicht möglich: offscreen."));
    EXPECT_FALSE(m_form1.Command1_Click());
    EXPECT_FALSE(m_form1.Command4_Click());
    EXPECT_TRUE(m_shown.isEmpty());
    ASSERT_EQ(m_boxes.boxes().size(), 2) << "no request to click a window first";
    EXPECT_EQ(m_boxes.boxes().at(0).text, "Bildschirmfotos sind hier nicht möglich: offscreen.");
    EXPECT_EQ(m_boxes.boxes().at(0).title, "ScreenCapturing - Info");
}
