// The handlers of the viewer's buttons and its timer.
#include "browser/capture/BitmapFile.h"
#include "browser/capture/EventWait.h"
#include "browser/capture/Form1.h"
#include "browser/capture/GradientBox.h"
#include "browser/capture/PictureBox.h"
#include "browser/capture/ScreenGrabber.h"
#include "browser/capture/frmAnzeige.h"
#include "browser/capture/frmDummy.h"
#include "core/Paths.h"
#include "widgets/MessageBoxes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

namespace suite::browser {

namespace {

const QString InfoTitle = QStringLiteral("ScreenCapturing - Info");
// Long enough for the window to leave the screen and for what lay under it to repaint.
constexpr int LeaveScreenMs = 100;

} // namespace

QPixmap frmAnzeige::capture() const
{
    return AnzeigePic->picture();
}

Form1& frmAnzeige::form1()
{
    if (!m_form1)
        m_form1 = std::make_unique<Form1>(m_grabber, m_messageBoxes, m_clock, *this,
            [this](const QPixmap& picture) { showCapture(picture); });
    return *m_form1;
}

void frmAnzeige::showCapture(const QPixmap& picture)
{
    // A region before may have left the display at its own size: this capture fills the
    // whole area again, whether or not the window's size changes.
    AnzeigePic->resize(AnzeigePicCont->size());
    AnzeigePic->setPicture(picture);
}

bool frmAnzeige::captureUnavailable()
{
    const QString why = m_grabber.unavailableReason();
    if (why.isEmpty())
        return false;
    m_messageBoxes.show(
        this, why, InfoTitle, MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
    return true;
}

// Takes the viewer off the screen before a capture: minimized, and hidden as well, since
// without a window manager minimizing leaves a window where it is.
void frmAnzeige::ref()
{
    showMinimized();
    hide();
    waitWhileEventsRun(m_clock, LeaveScreenMs);
}

void frmAnzeige::Command1_Click()
{
    if (captureUnavailable())
        return;
    Busy busy(*this);
    Picture1->hide();
    ref();
    form1().Command1_Click();
    if (m_closePending)
        return;
    showNormal();
    activateWindow();
}

void frmAnzeige::Command2_Click()
{
    if (captureUnavailable())
        return;
    Busy busy(*this);
    Picture1->hide();
    form1().Command4_Click();
}

void frmAnzeige::cmdRegion_Click()
{
    if (captureUnavailable())
        return;
    Busy busy(*this);
    Picture1->hide();
    showMinimized();
    hide();
    waitWhileEventsRun(m_clock, LeaveScreenMs);
    if (m_closePending)
        return;
    Timer->setInterval(10);
    Timer->start();
}

void frmAnzeige::Timer_Timer()
{
    ++m_ticks;
    if (m_ticks < 1)
        return;
    Timer->stop();
    Timer->setInterval(0);
    m_ticks = 0;
    showOverlay();
}

void frmAnzeige::showOverlay()
{
    if (m_overlay) {
        m_overlay->disconnect(this);
        m_overlay->close();
    }
    m_overlay = new frmDummy(m_grabber);
    connect(m_overlay, &frmDummy::dragStarted, this, [this] { showMinimized(); });
    connect(m_overlay, &frmDummy::regionChosen, this, &frmAnzeige::regionChosen);
    m_overlay->Form_Load();
    m_overlay->showFullScreen();
    m_overlay->raise();
    m_overlay->activateWindow();
}

void frmAnzeige::regionChosen(const QPixmap& picture)
{
    AnzeigePic->setPicture(QPixmap());
    if (!picture.isNull()) {
        // The display takes the region's size until the next resize of the window.
        AnzeigePic->resize(picture.deviceIndependentSize().toSize());
        AnzeigePic->setPicture(picture);
    }
    showNormal();
    raise();
    activateWindow();
}

QImage frmAnzeige::currentPicture()
{
    const QImage picture
        = Picture1->isHidden() ? AnzeigePic->picture().toImage() : Picture1->drawnImage();
    if (picture.isNull())
        m_messageBoxes.show(this,
            QStringLiteral("Es gibt kein Foto: der gewählte Bereich war zu klein, oder die "
                           "Aufnahme ist misslungen. Bitte nimm das Foto noch einmal auf."),
            InfoTitle, MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
    return picture;
}

void frmAnzeige::putOnClipboard(const QImage& picture)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picture);
}

void frmAnzeige::Command4_Click()
{
    const QImage picture = currentPicture();
    if (!picture.isNull())
        putOnClipboard(picture);
}

void frmAnzeige::Command5_Click()
{
    const QImage picture = currentPicture();
    if (picture.isNull())
        return;
    putOnClipboard(picture);
    Busy busy(*this);
    const PaintHandOff::Report report = m_paint.handOver(picture);
    switch (report.outcome) {
    case PaintHandOff::Outcome::Started:
        return;
    case PaintHandOff::Outcome::EditorNotFound:
        m_messageBoxes.show(this, QStringLiteral("Mspaint wurde nicht gefunden !"), InfoTitle,
            MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
        return;
    case PaintHandOff::Outcome::PictureNotWritten:
    case PaintHandOff::Outcome::KeysNotSent:
        m_messageBoxes.show(
            this, report.detail, InfoTitle, MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
        return;
    }
}

void frmAnzeige::Command3_Click()
{
    // Asked first, so nobody picks a file name for a picture that does not exist.
    const QImage picture = currentPicture();
    if (picture.isNull())
        return;
    QString folder = paths::withTrailingSlash(paths::programDir());
    const QString name = m_dialoge.ShowSaveDialog(this, QStringLiteral("Bild speichern unter"),
        folder, QStringLiteral("Screen.bmp"), QStringLiteral("BMP-Datei (*.bmp)|*.bmp"),
        QStringLiteral("*.bmp"));
    if (name.isEmpty())
        return;
    if (!name.endsWith(QLatin1String("bmp"), Qt::CaseSensitive)) {
        m_messageBoxes.show(this, QStringLiteral("Bild kann nur als BMP-Datei gespeichert werden."),
            QStringLiteral("Error"), MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
        return;
    }
    const Result saved = BitmapFile::save(paths::withTrailingSlash(folder) + name, picture);
    if (!saved)
        m_messageBoxes.show(this, saved.error, QStringLiteral("Error"),
            MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok);
}

} // namespace suite::browser
