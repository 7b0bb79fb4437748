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
class QTimer;
class QToolButton;

namespace suite {
class Clock;
class FileChooser;
class KeyStore;
class MessageBoxes;
class ProgramStarter;
} // namespace suite

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

// The window of the screen-capture tool: a row of six buttons (whole screen, a window, a
// dragged region, to the clipboard, to the image editor, save as BMP) over the display
// area. Until the first capture the display shows a red gradient with the title; then the
// capture, from its upper-left corner, cut to the area. The window deletes itself when
// closed (and its overlay with it), so the next use starts anew.
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
    void Timer_Timer();

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
    std::array<QToolButton*, 6> m_row {};
    GradientBox* Picture1;
    std::array<QLabel*, 2> Label1 {};
    QFrame* AnzeigePicCont;
    PictureBox* AnzeigePic;
    QLabel* Image1;
    QTimer* Timer;

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
    QPointer<frmDummy> m_overlay;
};

} // namespace suite::browser
