#include "CaptureTestSupport.h"
#include "browser/capture/GradientBox.h"
#include "browser/capture/MSendInput.h"
#include "browser/capture/PictureBox.h"
#include "browser/capture/frmAnzeige.h"
#include "core/KeyStore.h"
#include "core/Twips.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileChooser.h"
#include "fakes/FakeKeyDelivery.h"
#include "fakes/FakeKeyboardLayout.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeProgramStarter.h"
#include "fakes/FakeScreenGrabber.h"
#include "fakes/QtPrinters.h"
#include "fakes/TextPicture.h"
#include "speech/EspeakEngine.h"
#include "speech/NullAudioOutput.h"
#include "widgets/SpeechSynthesizer.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace suite;
using namespace suite::browser;
using namespace suite::test;

namespace {

const QString InfoTitle = QStringLiteral("ScreenCapturing - Info");

class CaptureViewerTest : public ::testing::Test {
protected:
    CaptureViewerTest()
    {
        qputenv("SPRACHAUSGABE_PROGRAM_DIR", m_folder.path().toUtf8());
        m_clock.setStepPerReadingMs(20);
        m_grabber.addWindow(7, { QRect(104, 124, 200, 100), QRect(100, 100, 208, 128) });
        m_grabber.setForeground(7);
        QGuiApplication::clipboard()->clear();
    }
    ~CaptureViewerTest() override
    {
        delete m_viewer.data();
        qunsetenv("SPRACHAUSGABE_PROGRAM_DIR");
    }

    frmAnzeige& viewer()
    {
        if (!m_viewer)
            m_viewer = new frmAnzeige(nullptr,
                CaptureCollaborators { m_grabber, m_keys, m_chooser, m_boxes, m_starter, keyStore(),
                    m_clock, m_folder.filePath(QStringLiteral("fotos")) });
        return *m_viewer;
    }
    template <typename T> T* child(const char* name)
    {
        T* found = viewer().findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QToolButton* button(const char* name) { return child<QToolButton>(name); }
    QWidget* display() { return child<QWidget>("AnzeigePicCont"); }
    GradientBox* gradient() { return child<GradientBox>("Picture1"); }
    PictureBox* picture() { return child<PictureBox>("AnzeigePic"); }
    int twipsAcross(int pixels) { return twips::fromPixels(pixels, viewer().logicalDpiX()); }
    int pixelsAcross(int twips) { return twips::toPixels(twips, viewer().logicalDpiX()); }
    int pixelsDown(int twips) { return twips::toPixels(twips, viewer().logicalDpiY()); }

    // The key store reads this registry.ini only (no programs are looked up).
    void registry(const QByteArray& ini)
    {
        QFile file(m_folder.filePath(QStringLiteral("registry.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ini);
        file.close();
        m_keyStore.reset();
    }
    const KeyStore& keyStore()
    {
        if (!m_keyStore)
            m_keyStore = std::make_unique<KeyStore>(
                KeyStore::Sources { [](const QString&) { return QString(); },
                    { m_folder.filePath(QStringLiteral("registry.ini")) } });
        return *m_keyStore;
    }

    // Drags a region on the overlay that "Region" brings up.
    void captureRegion(QPoint from, QPoint to)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return viewer().overlay() == nullptr; }, 5000));
        viewer().cmdRegion_Click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return viewer().overlay() != nullptr; }, 5000));
        drag(viewer().overlay(), from, to);
    }

    QTemporaryDir m_folder;
    QImage m_screen = placeCodedScreen(640, 480);
    FakeScreenGrabber m_grabber { m_screen };
    FakeKeyboardLayout m_layout { FakeKeyboardLayout::Kind::German };
    FakeKeyDelivery m_delivery;
    MSendInput m_keys { m_layout, m_delivery };
    FakeFileChooser m_chooser;
    FakeMessageBoxes m_boxes;
    FakeProgramStarter m_starter;
    FakeClock m_clock;
    std::unique_ptr<KeyStore> m_keyStore;
    QPointer<frmAnzeige> m_viewer;
};

} // namespace

TEST_F(CaptureViewerTest, HasItsButtonRowWithCaptionsTipsIconsAndPlaces)
{
    EXPECT_EQ(viewer().windowTitle(), "ScreenCapturing" + QString(50, u' ') + "-norvak-");
    EXPECT_FALSE(viewer().windowIcon().isNull());
    struct Expected {
        const char* name;
        const char* caption;
        const char* tip;
        int left;
    };
    const Expected row[] = {
        { "cmdRegion", "Region", "Foto eines beliebigen Bildschirmausschnitts", 120 },
        { "Command1", "Bildschirm", "Foto vom gesamten Bildschirm", 1200 },
        { "Command2", "Fenster", "Foto des aktiven Fensters", 2280 },
        { "Command4", "ClipBoard", "Übergibt das Foto an die Zwischenablage.", 3360 },
        { "Command5", "MsPaint",
            "Foto mit MsPaint bearbeiten oder patzsparend als JPG oder Gif speichern. "
            "(Mspaint->Bearbeiten->Einfügen)",
            4440 },
        { "Command3", "Speichern...", "Foto speichern", 5520 },
        { "cmdVorlesen", "Vorlesen", "Liest den Text im Bild vor", 6600 },
    };
    for (const Expected& expected : row) {
        QToolButton* b = button(expected.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromUtf8(expected.caption));
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(expected.tip));
        EXPECT_EQ(b->accessibleName(), QString::fromUtf8(expected.caption));
        EXPECT_FALSE(b->icon().isNull()) << expected.name;
        EXPECT_EQ(b->geometry(),
            QRect(
                pixelsAcross(expected.left), pixelsDown(10), pixelsAcross(1075), pixelsDown(975)));
        EXPECT_NE(b->focusPolicy() & Qt::TabFocus, 0) << "reachable with the keyboard";
        EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->width())
            << "the caption is not cut";
    }
    EXPECT_EQ(display()->pos(), QPoint(pixelsAcross(120), pixelsDown(1030)));
    EXPECT_EQ(gradient()->geometry(), display()->geometry());
    EXPECT_FALSE(child<QLabel>("Image1")->pixmap().isNull());
    EXPECT_FALSE(child<QTimer>("Timer")->isActive());
    for (const char* name : { "Label10", "Label11" }) {
        QLabel* title = child<QLabel>(name);
        EXPECT_EQ(title->text(), "ScreenCapturing");
        EXPECT_TRUE(title->font().italic());
        EXPECT_LE(title->font().pointSizeF(), 36);
        EXPECT_LE(title->width(), pixelsAcross(4905) + 2) << "the whole title shows";
    }
    for (QWidget* widget : viewer().findChildren<QWidget*>())
        EXPECT_FALSE(widget->accessibleName().isEmpty() && !qobject_cast<QLabel*>(widget)
            && !widget->objectName().isEmpty())
            << widget->objectName().toStdString();
}

TEST_F(CaptureViewerTest, UntilTheFirstCaptureTheGradientIsWhatIsCopiedAndSaved)
{
    const QImage bands = gradient()->drawnImage();
    ASSERT_FALSE(bands.isNull());
    EXPECT_EQ(bands.size(), gradient()->contentsRect().size());
    EXPECT_LE(qRed(bands.pixel(5, 0)), 2) << "black at the top";
    EXPECT_EQ(qGreen(bands.pixel(5, 0)), 0);
    EXPECT_EQ(QColor(bands.pixel(5, bands.height() - 1)), QColor(255, 0, 0));
    EXPECT_LT(qRed(bands.pixel(5, bands.height() / 4)), qRed(bands.pixel(5, bands.height() / 2)));

    viewer().Command4_Click();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), bands)
        << "the bands alone, without the title";

    const QString path = m_folder.filePath(QStringLiteral("Verlauf.bmp"));
    m_chooser.setNextFileName(path);
    viewer().Command3_Click();
    EXPECT_TRUE(m_boxes.boxes().isEmpty());
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), bands);
}

TEST_F(CaptureViewerTest, TheButtonUnderThePointerTurnsYellowAndTheDisplayTurnsItBack)
{
    viewer().show();
    const QColor normal = viewer().normalButtonColour();
    const auto colour = [](QToolButton* b) { return b->palette().color(QPalette::Button); };
    ASSERT_NE(normal, frmAnzeige::HighlightColour);

    sendMouse(button("Command1"), QEvent::MouseMove, QPoint(5, 5), Qt::NoButton);
    EXPECT_EQ(colour(button("Command1")), frmAnzeige::HighlightColour);
    sendMouse(button("Command2"), QEvent::MouseMove, QPoint(5, 5), Qt::NoButton);
    EXPECT_EQ(colour(button("Command2")), frmAnzeige::HighlightColour);
    EXPECT_EQ(colour(button("Command1")), normal);
    sendMouse(gradient(), QEvent::MouseMove, QPoint(5, 5), Qt::NoButton);
    for (const char* name :
        { "cmdRegion", "Command1", "Command2", "Command3", "Command4", "Command5", "cmdVorlesen" })
        EXPECT_EQ(colour(button(name)), normal) << name;
    sendMouse(button("Command3"), QEvent::MouseMove, QPoint(5, 5), Qt::NoButton);
    sendMouse(&viewer(), QEvent::MouseMove, QPoint(2, 2), Qt::NoButton);
    EXPECT_EQ(colour(button("Command3")), normal);
}

TEST_F(CaptureViewerTest, TheDisplayFillsTheWindowAsDesignedAndFollowsItsSize)
{
    // At the design size the display has its design size, flush with the button row's
    // left edge and as far from the window's right and lower edges as designed, so no blank
    // strip lies under the picture.
    viewer().show();
    const QSize design(pixelsAcross(7575), pixelsDown(3345));
    EXPECT_EQ(viewer().size(), QSize(pixelsAcross(7830), pixelsDown(4560)));
    EXPECT_EQ(display()->geometry(), QRect(QPoint(pixelsAcross(120), pixelsDown(1030)), design));
    EXPECT_EQ(picture()->size(), design);
    EXPECT_EQ(gradient()->size(), design);
    const QRect image1 = child<QLabel>("Image1")->geometry();
    EXPECT_TRUE(viewer().rect().contains(image1));
    EXPECT_EQ(image1.bottom(), viewer().height() - 1) << "in the bottom right corner";
    EXPECT_FALSE(image1.intersects(display()->geometry())) << "not over the picture";

    // The margins stay when the window grows.
    const QSize margins = viewer().size() - display()->size();
    viewer().resize(pixelsAcross(9000), pixelsDown(7000));
    EXPECT_EQ(viewer().size() - display()->size(), margins);
    EXPECT_EQ(picture()->size(), display()->size());
    EXPECT_EQ(gradient()->size(), display()->size());
    EXPECT_EQ(gradient()->drawnImage().size(), gradient()->contentsRect().size());

    // A window narrower than the margin keeps the display's width, one lower than the
    // margin its height.
    const int widthBefore = display()->width();
    viewer().resize(pixelsAcross(240), pixelsDown(7000));
    EXPECT_EQ(display()->width(), widthBefore);
    const int heightBefore = display()->height();
    viewer().resize(pixelsAcross(9000), pixelsDown(1200));
    EXPECT_EQ(display()->height(), heightBefore);
}

TEST_F(CaptureViewerTest, TheScreenButtonShowsTheWholeScreenAndTheGradientGoesForGood)
{
    viewer().show();
    viewer().Command1_Click();
    EXPECT_TRUE(gradient()->isHidden());
    EXPECT_TRUE(viewer().isVisible()) << "back on the screen after the capture";
    EXPECT_TRUE(showsPart(viewer().capture().toImage(), m_screen, m_screen.rect()));
    viewer().resize(pixelsAcross(8000), pixelsDown(6000));
    EXPECT_TRUE(gradient()->isHidden());

    // "Fenster" captures the foreground window after the request and the wait.
    viewer().Command2_Click();
    ASSERT_EQ(m_boxes.boxes().size(), 1);
    EXPECT_EQ(m_boxes.boxes().at(0).text,
        "Klicke auf das gewünschte Fenster, und warte einen Augenblick ...");
    EXPECT_TRUE(showsPart(viewer().capture().toImage(), m_screen, QRect(100, 100, 208, 128)));
}

TEST_F(CaptureViewerTest, ARegionFillsTheDisplayWithItsSizeUntilTheNextResizeOrCapture)
{
    viewer().show();
    captureRegion(QPoint(300, 200), QPoint(100, 100));
    EXPECT_TRUE(gradient()->isHidden());
    EXPECT_TRUE(showsPart(viewer().capture().toImage(), m_screen, QRect(100, 100, 200, 100)));
    EXPECT_EQ(picture()->size(), QSize(200, 100));
    EXPECT_FALSE(viewer().isMinimized());
    EXPECT_FALSE(child<QTimer>("Timer")->isActive());

    viewer().resize(viewer().size() + QSize(10, 10));
    EXPECT_EQ(picture()->size(), display()->size());
    EXPECT_EQ(viewer().capture().size(), QSize(200, 100)) << "the picture stays";

    // The next whole-screen or window capture is shown whole, the window's size unchanged.
    for (void (frmAnzeige::*capture)() :
        { &frmAnzeige::Command1_Click, &frmAnzeige::Command2_Click }) {
        captureRegion(QPoint(100, 100), QPoint(300, 200));
        ASSERT_EQ(picture()->size(), QSize(200, 100));
        const QSize window = viewer().size();
        (viewer().*capture)();
        EXPECT_EQ(viewer().size(), window);
        EXPECT_EQ(picture()->size(), display()->size());
        EXPECT_EQ(picture()->grab().toImage().pixel(205, 120) & 0xffffff,
            viewer().capture().toImage().pixel(205, 120) & 0xffffff)
            << "the capture beyond the region's size is on the screen";
    }
}

TEST_F(CaptureViewerTest, TheViewerComesBackHoweverTheOverlayIsClosed)
{
    viewer().show();
    viewer().cmdRegion_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return viewer().overlay() != nullptr; }, 5000));
    EXPECT_FALSE(viewer().isVisible());
    QPointer<frmDummy> overlay = viewer().overlay();
    overlay->close(); // the window manager's close, Alt+F4
    EXPECT_TRUE(viewer().isVisible());
    EXPECT_FALSE(viewer().isMinimized());
    EXPECT_TRUE(viewer().capture().isNull());
    EXPECT_TRUE(QTest::qWaitFor([&] { return overlay.isNull(); }, 5000));
}

TEST_F(CaptureViewerTest, WithoutAPictureClipboardAndSaveDoNothingAndSaySo)
{
    viewer().show();
    captureRegion(QPoint(100, 100), QPoint(101, 300)); // one pixel across: too small
    EXPECT_TRUE(viewer().capture().isNull());
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));

    viewer().Command4_Click();
    viewer().Command3_Click();
    viewer().Command5_Click();
    ASSERT_EQ(m_boxes.boxes().size(), 3);
    for (const FakeMessageBoxes::Box& box : m_boxes.boxes()) {
        EXPECT_TRUE(box.text.startsWith("Es gibt kein Foto")) << box.text.toStdString();
        EXPECT_EQ(box.title, InfoTitle);
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "vorher");
    EXPECT_TRUE(m_chooser.requests().isEmpty()) << "no file name asked for nothing";
    EXPECT_TRUE(m_starter.starts().isEmpty());
}

TEST_F(CaptureViewerTest, SavesAWindowsBitmapThatAnotherProgramReadsWithTheSamePixels)
{
    viewer().Command1_Click();
    const QString path = m_folder.filePath(QStringLiteral("Screen.bmp"));
    m_chooser.setNextFileName(path);
    viewer().Command3_Click();

    const FileRequest request = m_chooser.lastRequest();
    EXPECT_EQ(request.title, "Bild speichern unter");
    EXPECT_EQ(request.startFolder, m_folder.path() + "/");
    EXPECT_EQ(request.proposedName, "Screen.bmp");
    EXPECT_EQ(request.filters, QStringList { "BMP-Datei (*.bmp)" });
    EXPECT_EQ(request.defaultSuffix, "bmp");
    EXPECT_EQ(request.kind, FileDialogKind::SaveAskingToOverwrite);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), "BM");
    file.close();

    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (convert.isEmpty())
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    const QString png = m_folder.filePath(QStringLiteral("gelesen.png"));
    QProcess reader;
    reader.start(convert, { path, png });
    ASSERT_TRUE(reader.waitForFinished(30000));
    ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    EXPECT_TRUE(showsPart(QImage(png), m_screen, m_screen.rect()));
}

TEST_F(CaptureViewerTest, OnlyALowerCaseBmpNameIsSavedAndAReadOnlyFileIsReplaced)
{
    viewer().Command1_Click();
    m_chooser.setNextFileName(m_folder.filePath(QStringLiteral("Screen.BMP")));
    viewer().Command3_Click();
    ASSERT_EQ(m_boxes.boxes().size(), 1);
    EXPECT_EQ(m_boxes.boxes().at(0).text, "Bild kann nur als BMP-Datei gespeichert werden.");
    EXPECT_EQ(m_boxes.boxes().at(0).title, "Error");
    EXPECT_EQ(m_boxes.boxes().at(0).icon, MessageBoxes::Icon::Warning);
    EXPECT_FALSE(QFile::exists(m_folder.filePath(QStringLiteral("Screen.BMP"))));

    const QString path = m_folder.filePath(QStringLiteral("alt.bmp"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("alt");
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther);
    m_chooser.setNextFileName(path);
    viewer().Command3_Click();
    EXPECT_EQ(m_boxes.boxes().size(), 1) << "no further message";
    EXPECT_EQ(QImage(path).size(), QSize(640, 480));

    // Where the file cannot be written the user is told, and nothing is lost.
    m_chooser.setNextFileName(m_folder.filePath(QStringLiteral("fehlt/neu.bmp")));
    viewer().Command3_Click();
    ASSERT_EQ(m_boxes.boxes().size(), 2);
    EXPECT_EQ(m_boxes.boxes().at(1).title, "Error");
    EXPECT_TRUE(m_boxes.boxes().at(1).text.contains("neu.bmp"));
}

TEST_F(CaptureViewerTest, MsPaintHandsThePictureToTheEditorTheKeyStoreNames)
{
    registry("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\"
             "mspaint.exe]\r\n@=/usr/bin/kolourpaint\r\n"
             "[HKEY_LOCAL_MACHINE\\Software\\Sprachausgabe\\netzleser\\PaintKeys]\r\n"
             "kolourpaint=^v\r\n");
    viewer().Command1_Click();
    const qint64 before = m_clock.monotonicMs();
    viewer().Command5_Click();

    EXPECT_TRUE(m_boxes.boxes().isEmpty());
    EXPECT_TRUE(showsPart(QGuiApplication::clipboard()->image(), m_screen, m_screen.rect()))
        << "on the clipboard first";
    ASSERT_EQ(m_starter.starts().size(), 1);
    const FakeProgramStarter::Start& start = m_starter.starts().at(0);
    EXPECT_EQ(start.program, "/usr/bin/kolourpaint");
    EXPECT_EQ(start.mode, ArgumentMode::Operands);
    ASSERT_EQ(start.arguments.size(), 1);
    EXPECT_TRUE(start.arguments.at(0).startsWith(m_folder.filePath(QStringLiteral("fotos/"))));
    EXPECT_TRUE(start.arguments.at(0).endsWith(".png"));
    EXPECT_TRUE(showsPart(QImage(start.arguments.at(0)), m_screen, m_screen.rect()));
    ASSERT_EQ(m_delivery.batches().size(), 1);
    EXPECT_EQ(m_delivery.batches().at(0).size(), 4u) << "Ctrl down, V down, V up, Ctrl up";
    EXPECT_GE(m_clock.monotonicMs() - before, 1000) << "typed after the pause";
}

TEST_F(CaptureViewerTest, MsPaintWithoutAnEditorSaysItWasNotFound)
{
    QDir().mkpath(m_folder.filePath(QStringLiteral("fotos")));
    viewer().Command1_Click();
    viewer().Command5_Click();
    ASSERT_EQ(m_boxes.boxes().size(), 1);
    EXPECT_EQ(m_boxes.boxes().at(0).text, "Mspaint wurde nicht gefunden !");
    EXPECT_EQ(m_boxes.boxes().at(0).title, InfoTitle);
    EXPECT_EQ(m_boxes.boxes().at(0).icon, MessageBoxes::Icon::Information);
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull()) << "the clipboard has it anyway";

    // Named but not startable: the same message, and the picture file is gone again.
    registry("[HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\mspaint.exe]\r\n"
             "@=/nirgends/malprogramm\r\n");
    m_starter.setNextResult(Result::failure(QStringLiteral("nicht gefunden")));
    delete m_viewer.data();
    viewer().Command1_Click();
    viewer().Command5_Click();
    ASSERT_EQ(m_boxes.boxes().size(), 2);
    EXPECT_EQ(m_boxes.boxes().at(1).text, "Mspaint wurde nicht gefunden !");
    EXPECT_TRUE(QDir(m_folder.filePath(QStringLiteral("fotos"))).isEmpty());
    EXPECT_TRUE(m_delivery.batches().isEmpty());
}

TEST_F(CaptureViewerTest, ThePaintProgramOfOldGetsItsOwnSequence)
{
    registry("[HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\mspaint.exe]\r\n"
             "@=C:\\Windows\\system32\\mspaint.exe\r\n");
    viewer().Command1_Click();
    viewer().Command5_Click();
    ASSERT_EQ(m_delivery.batches().size(), 1);
    EXPECT_EQ(m_delivery.batches().at(0).size(), 26u);

    // A sequence that cannot be typed is reported; the editor runs all the same.
    m_delivery.setNextResult(Result::failure(QStringLiteral("Tastenfolgen gehen hier nicht.")));
    viewer().Command5_Click();
    ASSERT_EQ(m_boxes.boxes().size(), 1);
    EXPECT_EQ(m_boxes.boxes().at(0).text, "Tastenfolgen gehen hier nicht.");
    EXPECT_EQ(m_starter.starts().size(), 2);
}

TEST_F(CaptureViewerTest, WhereNothingCanBeCapturedTheButtonsSayWhyAndTheGradientStays)
{
    m_grabber.setUnavailable(QStringLiteral("Bildschirmfotos sind hier nicht möglich: kein X11."));
    viewer().show();
    viewer().Command1_Click();
    viewer().Command2_Click();
    viewer().cmdRegion_Click();
    ASSERT_EQ(m_boxes.boxes().size(), 3);
    for (const FakeMessageBoxes::Box& box : m_boxes.boxes())
        EXPECT_EQ(box.text, "Bildschirmfotos sind hier nicht möglich: kein X11.");
    EXPECT_FALSE(gradient()->isHidden());
    EXPECT_TRUE(viewer().isVisible());
    EXPECT_FALSE(child<QTimer>("Timer")->isActive());
}

TEST_F(CaptureViewerTest, ClosingTakesTheOverlayAlongAndTheButtonsWorkFromTheKeyboard)
{
    viewer().show();
    button("Command1")->setFocus();
    QTest::keyClick(button("Command1"), Qt::Key_Space);
    EXPECT_FALSE(viewer().capture().isNull());

    viewer().cmdRegion_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return viewer().overlay() != nullptr; }, 5000));
    QPointer<frmDummy> overlay = viewer().overlay();
    viewer().close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return overlay.isNull() && m_viewer.isNull(); }, 5000));
}

TEST_F(CaptureViewerTest, VorlesenSpeaksThePicturesTextAndStopEndsRecognitionAndSpeech)
{
    QTemporaryDir logDir;
    const QString log = logDir.filePath(QStringLiteral("log.jsonl"));
    qputenv("SPRACHAUSGABE_SPEECH_LOG", log.toUtf8());
    const auto said = [&log] {
        QFile file(log);
        QStringList texts;
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n')) {
                const QJsonObject o = QJsonDocument::fromJson(line).object();
                if (o.value("op").toString() == "Speak")
                    texts << o.value("args").toArray().first().toString();
            }
        }
        return texts;
    };
    EspeakEngine engine(std::make_unique<NullAudioOutput>());
    SpeechSynthesizer speech(engine);
    viewer().setSpeech(&speech);
    QToolButton* read = button("cmdVorlesen");
    ASSERT_NE(read, nullptr);

    // A screen that shows the sentence, captured whole and read aloud.
    m_grabber.screen().fill(Qt::white);
    {
        QPainter painter(&m_grabber.screen());
        painter.drawImage(10, 200, textPicture(GermanSentence, false, { 620, 80 }));
    }
    viewer().Command1_Click();
    QTest::mouseClick(read, Qt::LeftButton);
    EXPECT_EQ(read->text(), "Stop");
    EXPECT_EQ(read->accessibleName(), "Stop");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !said().isEmpty(); }, 60000));
    EXPECT_EQ(wordsOf(said().first()), wordsOf(GermanSentence));
    QTest::mouseClick(read, Qt::LeftButton); // "Stop"
    EXPECT_FALSE(speech.isSpeaking());
    EXPECT_EQ(read->text(), "Vorlesen");

    // Stopped while the picture is being read: nothing is heard, and the window never waited.
    QFile::remove(log);
    QTest::mouseClick(read, Qt::LeftButton);
    QTest::mouseClick(read, Qt::LeftButton);
    EXPECT_EQ(read->text(), "Vorlesen");
    EXPECT_FALSE(viewer().isReadingAloud());
    QTest::qWait(3000);
    EXPECT_TRUE(said().isEmpty()) << qPrintable(said().join(" | "));
    qunsetenv("SPRACHAUSGABE_SPEECH_LOG");
}
