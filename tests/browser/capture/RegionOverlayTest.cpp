#include "CaptureTestSupport.h"
#include "browser/capture/frmDummy.h"
#include "core/Twips.h"
#include "fakes/FakeScreenGrabber.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace suite;
using namespace suite::browser;
using namespace suite::test;

namespace {

class RegionOverlayTest : public ::testing::Test {
protected:
    RegionOverlayTest() { freshOverlay(); }

    // A new overlay, loaded; the one before has closed itself.
    void freshOverlay()
    {
        m_overlay = new frmDummy(m_grabber);
        QObject::connect(m_overlay, &frmDummy::regionChosen,
            [this](const QPixmap& picture) { m_chosen.append(picture); });
        m_overlay->Form_Load();
    }
    ~RegionOverlayTest() override { delete m_overlay.data(); }

    QLabel* label() const { return m_overlay->findChild<QLabel*>(QStringLiteral("Label1")); }
    double twipsPerPixel() const { return twips::perPixel(m_overlay->logicalDpiX()); }

    QImage m_screen = placeCodedScreen(640, 480);
    FakeScreenGrabber m_grabber { m_screen };
    QPointer<frmDummy> m_overlay;
    QList<QPixmap> m_chosen;
};

} // namespace

TEST_F(RegionOverlayTest, ShowsAStillImageOfTheScreenTakenBeforeItAppears)
{
    EXPECT_EQ(m_overlay->objectName(), "frmDummy");
    EXPECT_TRUE(m_overlay->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(m_overlay->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ASSERT_EQ(m_grabber.grabs().size(), 1);
    EXPECT_EQ(m_grabber.grabs().at(0), QRect(0, 0, 640, 480));
    EXPECT_TRUE(showsPart(m_overlay->frozenImage(), m_screen, m_screen.rect()));
    EXPECT_FALSE(label()->isVisibleTo(m_overlay));

    // What changes on the screen later does not reach the still image.
    m_grabber.screen().fill(Qt::white);
    EXPECT_EQ(m_grabber.grabs().size(), 1);
    drag(m_overlay, QPoint(10, 10), QPoint(60, 40));
    ASSERT_EQ(m_chosen.size(), 1);
    EXPECT_TRUE(showsPart(m_chosen.at(0).toImage(), m_screen, QRect(10, 10, 50, 30)));
}

TEST_F(RegionOverlayTest, TheLabelFollowsThePointerWithPositionAndSize)
{
    m_overlay->show();
    sendMouse(m_overlay, QEvent::MouseButtonPress, QPoint(100, 100));
    EXPECT_TRUE(m_overlay->dragging());
    EXPECT_TRUE(label()->isVisible());
    sendMouse(m_overlay, QEvent::MouseMove, QPoint(300, 200));
    EXPECT_EQ(label()->text(), "X=300 Y=200; B=200 H=100");
    const int offset = int(std::lround(75 / twipsPerPixel()));
    EXPECT_EQ(label()->pos(), QPoint(300 + offset, 200 + offset));
    const QPalette palette = label()->palette();
    EXPECT_EQ(palette.color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(palette.color(QPalette::WindowText), QColor(255, 0, 0));

    // Left of and above the start the size is negative.
    sendMouse(m_overlay, QEvent::MouseMove, QPoint(60, 80));
    EXPECT_EQ(label()->text(), "X=60 Y=80; B=-40 H=-20");

    // Positions beyond 999 pixels are whole numbers, not grouped into thousands.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    sendMouse(m_overlay, QEvent::MouseMove, QPoint(1234, 1100));
    QLocale::setDefault(before);
    EXPECT_EQ(label()->text(), "X=1234 Y=1100; B=1134 H=1000");

    // The outline is drawn on the overlay, red.
    sendMouse(m_overlay, QEvent::MouseMove, QPoint(300, 200));
    const QImage shown = m_overlay->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(200, 100)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(shown.pixel(200, 150)), QColor(m_screen.pixel(200, 150)));
}

TEST_F(RegionOverlayTest, TheMarkedPartComesWithoutOutlineWhicheverCornerTheDragStartsFrom)
{
    QSignalSpy started(m_overlay.data(), &frmDummy::dragStarted);
    m_overlay->show();
    drag(m_overlay, QPoint(100, 100), QPoint(300, 200));
    ASSERT_EQ(m_chosen.size(), 1);
    EXPECT_EQ(started.count(), 1);
    const QImage forward = m_chosen.at(0).toImage();
    EXPECT_EQ(forward.size(), QSize(200, 100));
    EXPECT_TRUE(showsPart(forward, m_screen, QRect(100, 100, 200, 100))) << "no red line in it";
    EXPECT_FALSE(m_overlay->dragging());
    EXPECT_FALSE(label()->isVisibleTo(m_overlay));

    // The overlay closed itself; a new one takes the same rectangle from the other corner.
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_overlay.isNull(); }, 2000));
    freshOverlay();
    drag(m_overlay, QPoint(300, 200), QPoint(100, 100));
    ASSERT_EQ(m_chosen.size(), 2);
    EXPECT_EQ(m_chosen.at(1).toImage(), forward);
}

TEST_F(RegionOverlayTest, ADragOfFiftyTwipsOrLessOrAnyOtherEndGivesNoPicture)
{
    const int most = int(std::floor(50 / twipsPerPixel())); // still 50 twips or less
    drag(m_overlay, QPoint(100, 100), QPoint(100 + most, 200));
    ASSERT_EQ(m_chosen.size(), 1);
    EXPECT_TRUE(m_chosen.at(0).isNull());

    freshOverlay();
    drag(m_overlay, QPoint(100, 100), QPoint(100 + most + 1, 100 + most + 1));
    ASSERT_EQ(m_chosen.size(), 2);
    EXPECT_EQ(m_chosen.at(1).size(), QSize(most + 1, most + 1));

    // A click without dragging, and Escape, end the overlay without a picture.
    freshOverlay();
    sendMouse(m_overlay, QEvent::MouseButtonPress, QPoint(5, 5));
    sendMouse(m_overlay, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::NoButton);
    ASSERT_EQ(m_chosen.size(), 3);
    EXPECT_TRUE(m_chosen.at(2).isNull());

    freshOverlay();
    m_overlay->show();
    QTest::keyClick(m_overlay, Qt::Key_Right);
    EXPECT_TRUE(m_overlay->dragging());
    QTest::keyClick(m_overlay, Qt::Key_Escape);
    ASSERT_EQ(m_chosen.size(), 4);
    EXPECT_TRUE(m_chosen.at(3).isNull());

    // Closed the window manager's way (its close button, Alt+F4): the same, exactly once.
    freshOverlay();
    m_overlay->show();
    sendMouse(m_overlay, QEvent::MouseButtonPress, QPoint(5, 5));
    sendMouse(m_overlay, QEvent::MouseMove, QPoint(200, 200));
    EXPECT_TRUE(m_overlay->close());
    ASSERT_EQ(m_chosen.size(), 5);
    EXPECT_TRUE(m_chosen.at(4).isNull());
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_overlay.isNull(); }, 2000));
    EXPECT_EQ(m_chosen.size(), 5);
}

TEST_F(RegionOverlayTest, TheKeyboardMovesAndSizesTheRegionAndEnterTakesIt)
{
    m_overlay->setGeometry(0, 0, 640, 480); // the still image's size
    m_overlay->show();
    QSignalSpy started(m_overlay, &frmDummy::dragStarted);
    QTest::keyClick(m_overlay, Qt::Key_Return); // nothing marked yet: nothing to take
    EXPECT_TRUE(m_chosen.isEmpty());

    // The first arrow puts a quarter of the screen in its middle, (240,180) to (400,300),
    // and moves it; Shift+arrows move the far corner; Ctrl steps a single pixel.
    QTest::keyClick(m_overlay, Qt::Key_Left);
    EXPECT_EQ(started.size(), 1);
    EXPECT_TRUE(label()->isVisible());
    QTest::keyClick(m_overlay, Qt::Key_Up);
    EXPECT_EQ(label()->text(), "X=390 Y=290; B=160 H=120");
    QTest::keyClick(m_overlay, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(m_overlay, Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(label()->text(), "X=400 Y=291; B=170 H=121");
    // A step that would leave the screen is not taken.
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(m_overlay, Qt::Key_Up);
    EXPECT_EQ(label()->text(), "X=400 Y=121; B=170 H=121");

    QTest::keyClick(m_overlay, Qt::Key_Return);
    ASSERT_EQ(m_chosen.size(), 1);
    EXPECT_TRUE(showsPart(m_chosen.at(0).toImage(), m_screen, QRect(230, 0, 170, 121)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_overlay.isNull(); }, 2000));
}
