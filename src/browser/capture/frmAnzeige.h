#pragma once

#include "browser/capture/PaintHandOff.h"
#include "browser/capture/frmDummy.h"
#include "widgets/StdDialoge.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QFrame;
class QLabel;
class QProgressBar;
class QTimer;
class QToolButton;

namespace suite {
class Clock;
class FileChooser;
class KeyStore;
class MessageBoxes;
class ProgramStarter;
class Synthesizer;
} // namespace suite

namespace suite::ocr {
class PictureReader;
struct Recognition;
} // namespace suite::ocr

namespace suite::browser {

class Form1;
class GradientBox;
class MSendInput;
class PictureBox;
class ScreenGrabber;

// What the viewer works with; all of it outlives the viewer.
struct CaptureCollaborators {
    ScreenGrabber& grabber;
    MSendInput& keys;
    FileChooser& fileChooser;
    MessageBoxes& messageBoxes;
    ProgramStarter& starter;
    const KeyStore& keyStore;
    const Clock& clock;
    // Where the PNG files for the image editor go; empty for the system's temporary folder.
    QString pictureFolder = QString();
};

// The window of the screen-capture tool: a row of seven buttons (whole screen, a window, a
// dragged region, to the clipboard, to the image editor, save as BMP, read the picture's
// text aloud) over the display area. Until the first capture the display shows a red
// gradient with the title; then the capture, from its upper-left corner, cut to the area.
// The window deletes itself when closed (and its overlay with it), so the next use starts
// anew.
class frmAnzeige : public QWidget {
    Q_OBJECT
public:
    frmAnzeige(QWidget* parent, const CaptureCollaborators& with);
    ~frmAnzeige() override;

    void cmdRegion_Click();
    void Command1_Click(); // "Bildschirm"
    void Command2_Click(); // "Fenster"
    void Command3_Click(); // "Speichern..."
    void Command4_Click(); // "ClipBoard"
    void Command5_Click(); // "MsPaint"
    void cmdVorlesen_Click(); // "Vorlesen", and "Stop" while it reads
    void Timer_Timer();

    // The synthesizer "Vorlesen" speaks through; without one the button says it has none.
    void setSpeech(Synthesizer* speech) { m_speech = speech; }
    // True from "Vorlesen" until its text is heard, or "Stop".
    bool isReadingAloud() const { return m_readingAloud; }

    // The capture shown, a null picture before the first capture or after a too small region.
    QPixmap capture() const;
    frmDummy* overlay() const { return m_overlay; }
    QColor normalButtonColour() const { return m_normalColour; }

    static const QColor HighlightColour;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    void farbverlauf();
    void ref();
    QToolButton* addButton(const char* name, const QString& caption, const QString& tip,
        const QString& icon, int leftTwips, void (frmAnzeige::*handler)());
    void buttonMouseMove(QToolButton* button);
    void resetButtons();
    QColor buttonColour(const QToolButton* button) const;
    void setButtonColour(QToolButton* button, const QColor& colour);
    int pixelsAcross(int twips) const;
    int pixelsDown(int twips) const;

    Form1& form1();
    void showCapture(const QPixmap& picture);
    void showOverlay();
    void regionChosen(const QPixmap& picture);
    bool captureUnavailable();
    // The picture "ClipBoard", "MsPaint" and "Speichern..." work on: the gradient until the
    // first capture, then the capture. Null (and the user is told) when there is none.
    QImage currentPicture();
    void putOnClipboard(const QImage& picture);
    // "Vorlesen" (frmAnzeigeReading.cpp).
    void startReadingAloud(const QImage& picture);
    void stopReadingAloud();
    void textRecognized(const ocr::Recognition& recognition);
    void showReadingState(bool reading);

    ScreenGrabber& m_grabber;
    MessageBoxes& m_messageBoxes;
    const Clock& m_clock;
    StdDialoge m_dialoge;
    PaintHandOff m_paint;

    QToolButton* cmdRegion;
    QToolButton* Command1;
    QToolButton* Command2;
    QToolButton* Command4;
    QToolButton* Command5;
    QToolButton* Command3;
    QToolButton* cmdVorlesen;
    std::array<QToolButton*, 7> m_row {};
    GradientBox* Picture1;
    std::array<QLabel*, 2> Label1 {};
    QFrame* AnzeigePicCont;
    PictureBox* AnzeigePic;
    QLabel* Image1;
    QTimer* Timer;
    QProgressBar* Fortschritt; // the recognition's progress, where it takes a while
    QTimer* m_speechWatch; // turns "Stop" back into "Vorlesen" once the text is heard

    // Handlers that wait let events run; a close meanwhile is put off until they end, so
    // nothing they use goes away under them.
    class Busy {
    public:
        explicit Busy(frmAnzeige& viewer);
        ~Busy();

    private:
        frmAnzeige& m_viewer;
    };
    int m_busy = 0;
    bool m_closePending = false;

    QColor m_normalColour;
    int m_ticks = 0;
    std::unique_ptr<Form1> m_form1;
    Synthesizer* m_speech = nullptr;
    std::unique_ptr<ocr::PictureReader> m_reader;
    bool m_readingAloud = false;
    QPointer<frmDummy> m_overlay;
};

} // namespace suite::browser
