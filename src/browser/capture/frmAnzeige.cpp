#include "browser/capture/frmAnzeige.h"

#include "browser/capture/EventWait.h"
#include "browser/capture/Form1.h"
#include "browser/capture/GradientBox.h"
#include "browser/capture/PictureBox.h"
#include "browser/capture/ScreenGrabber.h"
#include "browser/capture/frmDummy.h"
#include "core/Twips.h"
#include "ocr/PictureReader.h"
#include "speech/Synthesizer.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace suite::browser {

const QColor frmAnzeige::HighlightColour = QColor(255, 255, 20);

namespace {

constexpr int ClientWidthTwips = 7830;
constexpr int ClientHeightTwips = 4560;
constexpr int ButtonTopTwips = 10;
constexpr int ButtonWidthTwips = 1075;
constexpr int ButtonHeightTwips = 975;
constexpr int DisplayLeftTwips = 120;
constexpr int DisplayTopTwips = 1030;
constexpr int DisplayWidthTwips = 7575;
constexpr int DisplayHeightTwips = 3345;
// The layout keeps the display this much narrower and lower than the window's inside, so
// that it fills the window at every size as it does at the design size. (The margins of
// the original layout, 350 and 1550, counted from the outside of a window with its frame
// and title bar; taken from the inside they left a blank strip under the display.)
constexpr int DisplayMarginAcrossTwips = ClientWidthTwips - DisplayWidthTwips;
constexpr int DisplayMarginDownTwips = ClientHeightTwips - DisplayHeightTwips;
constexpr int Image1LeftMarginTwips = 250;
constexpr int TitleWidthTwips = 4905;

// The font, made smaller in half points where the installed typeface writes the text wider
// than the place meant for it (a serif face wider than Times New Roman, say).
QFont fitted(QFont font, const QString& text, int width)
{
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

QFont titleFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(36);
    font.setItalic(true);
    return font;
}

} // namespace

frmAnzeige::frmAnzeige(QWidget* parent, const CaptureCollaborators& with)
    : QWidget(parent, Qt::Window)
    , m_grabber(with.grabber)
    , m_messageBoxes(with.messageBoxes)
    , m_clock(with.clock)
    , m_dialoge(with.fileChooser)
    , m_paint(
          with.keyStore, with.starter, with.keys,
          [&clock = with.clock](int ms) { waitWhileEventsRun(clock, ms); }, with.pictureFolder)
{
    setObjectName(QStringLiteral("frmAnzeige"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(
        QStringLiteral("ScreenCapturing") + QString(50, u' ') + QStringLiteral("-norvak-"));
    setWindowIcon(QIcon(QStringLiteral(":/capture/capture.svg")));
    setAccessibleName(QStringLiteral("ScreenCapturing"));
    setMouseTracking(true);
    resize(pixelsAcross(ClientWidthTwips), pixelsDown(ClientHeightTwips));

    cmdRegion = addButton("cmdRegion", QStringLiteral("Region"),
        QStringLiteral("Foto eines beliebigen Bildschirmausschnitts"), QStringLiteral("region"),
        120, &frmAnzeige::cmdRegion_Click);
    Command1 = addButton("Command1", QStringLiteral("Bildschirm"),
        QStringLiteral("Foto vom gesamten Bildschirm"), QStringLiteral("screen"), 1200,
        &frmAnzeige::Command1_Click);
    Command2 = addButton("Command2", QStringLiteral("Fenster"),
        QStringLiteral("Foto des aktiven Fensters"), QStringLiteral("window"), 2280,
        &frmAnzeige::Command2_Click);
    Command4 = addButton("Command4", QStringLiteral("ClipBoard"),
        QStringLiteral("Übergibt das Foto an die Zwischenablage."), QStringLiteral("clipboard"),
        3360, &frmAnzeige::Command4_Click);
    Command5 = addButton("Command5", QStringLiteral("MsPaint"),
        QStringLiteral("Foto mit MsPaint bearbeiten oder patzsparend als JPG oder Gif speichern. "
                       "(Mspaint->Bearbeiten->Einfügen)"),
        QStringLiteral("paint"), 4440, &frmAnzeige::Command5_Click);
    Command3
        = addButton("Command3", QStringLiteral("Speichern..."), QStringLiteral("Foto speichern"),
            QStringLiteral("save"), 5520, &frmAnzeige::Command3_Click);
    cmdVorlesen = addButton("cmdVorlesen", QStringLiteral("Vorlesen"),
        QStringLiteral("Liest den Text im Bild vor"), QStringLiteral("read"), 6600,
        &frmAnzeige::cmdVorlesen_Click);
    m_row = { cmdRegion, Command1, Command2, Command4, Command5, Command3, cmdVorlesen };
    // One size for the row's captions, small enough for the longest one.
    QFont captionFont = Command3->font();
    for (QToolButton* button : m_row)
        captionFont = fitted(captionFont, button->text(), pixelsAcross(ButtonWidthTwips) - 10);
    for (QToolButton* button : m_row)
        button->setFont(captionFont);

    const QRect display(pixelsAcross(DisplayLeftTwips), pixelsDown(DisplayTopTwips),
        pixelsAcross(DisplayWidthTwips), pixelsDown(DisplayHeightTwips));
    AnzeigePicCont = new QFrame(this);
    AnzeigePicCont->setObjectName(QStringLiteral("AnzeigePicCont"));
    AnzeigePicCont->setAccessibleName(QStringLiteral("Foto"));
    AnzeigePicCont->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    AnzeigePicCont->setGeometry(display);
    AnzeigePic = new PictureBox(AnzeigePicCont);
    AnzeigePic->setObjectName(QStringLiteral("AnzeigePic"));
    AnzeigePic->setAccessibleName(QStringLiteral("Foto"));
    AnzeigePic->setGeometry(AnzeigePicCont->contentsRect().x(), AnzeigePicCont->contentsRect().y(),
        pixelsAcross(5535), pixelsDown(3345));

    // The gradient lies on the same place, over the display, until the first capture.
    Picture1 = new GradientBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("ScreenCapturing"));
    Picture1->setGeometry(display);
    const QColor titleColours[2] = { QColor(0xCE, 0xD8, 0x10), QColor(0x40, 0x40, 0x40) };
    const QPoint titlePlaces[2] = { { 700, 1280 }, { 750, 1320 } };
    for (int i = 0; i < 2; ++i) {
        QLabel* label = new QLabel(QStringLiteral("ScreenCapturing"), Picture1);
        label->setObjectName(QStringLiteral("Label1%1").arg(i));
        label->setFont(fitted(titleFont(), label->text(), pixelsAcross(TitleWidthTwips)));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, titleColours[i]);
        label->setPalette(palette);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->move(pixelsAcross(titlePlaces[i].x()), pixelsDown(titlePlaces[i].y()));
        label->adjustSize();
        Label1[std::size_t(i)] = label;
    }
    Label1[1]->raise(); // the grey title over the yellow one: a shadowed title

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("ScreenCapturing"));
    Image1->setPixmap(QIcon(QStringLiteral(":/capture/image1.svg")).pixmap(QSize(15, 12)));
    Image1->resize(15, 12);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(0);
    connect(Timer, &QTimer::timeout, this, &frmAnzeige::Timer_Timer);

    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->setAccessibleName(QStringLiteral("Texterkennung"));
    Fortschritt->setRange(0, 100);
    Fortschritt->setFormat(QStringLiteral("Texterkennung %p %"));
    Fortschritt->hide();
    m_speechWatch = new QTimer(this);
    m_speechWatch->setInterval(200);
    connect(m_speechWatch, &QTimer::timeout, this, [this] {
        if (!m_speech || !m_speech->IsSpeaking())
            showReadingState(false);
    });

    for (QWidget* area : { static_cast<QWidget*>(Picture1), static_cast<QWidget*>(AnzeigePicCont),
             static_cast<QWidget*>(AnzeigePic) }) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }
    Form_Load();
    Form_Resize();
}

frmAnzeige::~frmAnzeige()
{
    if (m_overlay)
        delete m_overlay.data();
}

QToolButton* frmAnzeige::addButton(const char* name, const QString& caption, const QString& tip,
    const QString& icon, int leftTwips, void (frmAnzeige::*handler)())
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setToolTip(tip);
    button->setAccessibleName(caption);
    button->setAccessibleDescription(tip);
    button->setIcon(QIcon(QStringLiteral(":/capture/%1.svg").arg(icon)));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setGeometry(pixelsAcross(leftTwips), pixelsDown(ButtonTopTwips),
        pixelsAcross(ButtonWidthTwips), pixelsDown(ButtonHeightTwips));
    button->setMouseTracking(true);
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this, handler);
    return button;
}

int frmAnzeige::pixelsAcross(int twips) const
{
    return twips::toPixels(twips, logicalDpiX());
}

int frmAnzeige::pixelsDown(int twips) const
{
    return twips::toPixels(twips, logicalDpiY());
}

void frmAnzeige::Form_Load()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    Command1->ensurePolished(); // the style's colours, not the unpolished default
    m_normalColour = buttonColour(Command1);
    farbverlauf();
}

void frmAnzeige::farbverlauf()
{
    Picture1->farbverlauf();
}

void frmAnzeige::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmAnzeige::Form_Resize()
{
    if (isMinimized())
        return;
    const int widthTwips = twips::fromPixels(width(), logicalDpiX());
    const int heightTwips = twips::fromPixels(height(), logicalDpiY());
    QSize display = AnzeigePicCont->size();
    if (widthTwips > DisplayMarginAcrossTwips)
        display.setWidth(pixelsAcross(widthTwips - DisplayMarginAcrossTwips));
    if (heightTwips > DisplayMarginDownTwips)
        display.setHeight(pixelsDown(heightTwips - DisplayMarginDownTwips));
    AnzeigePicCont->resize(display);
    AnzeigePic->resize(display);
    Picture1->resize(display);
    // Over the foot of the display, across its width.
    Fortschritt->setGeometry(
        AnzeigePicCont->x(), AnzeigePicCont->geometry().bottom() - 24, display.width(), 24);
    if (!Picture1->isHidden())
        farbverlauf();
    // In the bottom right corner, under the display rather than over the picture.
    Image1->move(pixelsAcross(widthTwips - Image1LeftMarginTwips), height() - Image1->height());
}

QColor frmAnzeige::buttonColour(const QToolButton* button) const
{
    return button->palette().color(QPalette::Button);
}

void frmAnzeige::setButtonColour(QToolButton* button, const QColor& colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
}

void frmAnzeige::buttonMouseMove(QToolButton* button)
{
    if (buttonColour(button) != m_normalColour)
        return;
    setButtonColour(button, HighlightColour);
    for (QToolButton* other : m_row) {
        if (other != button && buttonColour(other) != m_normalColour)
            setButtonColour(other, m_normalColour);
    }
}

void frmAnzeige::resetButtons()
{
    for (QToolButton* button : m_row) {
        if (buttonColour(button) != m_normalColour)
            setButtonColour(button, m_normalColour);
    }
}

bool frmAnzeige::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        if (auto* button = qobject_cast<QToolButton*>(watched)) {
            buttonMouseMove(button);
            // A button ignores a plain move, which would then reach the window below and
            // take the highlight away again.
            return static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton;
        }
        resetButtons();
    }
    return QWidget::eventFilter(watched, event);
}

void frmAnzeige::mouseMoveEvent(QMouseEvent* event)
{
    resetButtons();
    QWidget::mouseMoveEvent(event);
}

void frmAnzeige::closeEvent(QCloseEvent* event)
{
    if (m_busy > 0) {
        m_closePending = true;
        hide();
        event->ignore();
        return;
    }
    // Form_Unload: the overlay and the capture core go with the viewer.
    if (m_overlay) {
        m_overlay->disconnect(this);
        m_overlay->close();
    }
    Timer->stop();
    stopReadingAloud();
    event->accept();
}

frmAnzeige::Busy::Busy(frmAnzeige& viewer)
    : m_viewer(viewer)
{
    ++m_viewer.m_busy;
}

frmAnzeige::Busy::~Busy()
{
    if (--m_viewer.m_busy == 0 && m_viewer.m_closePending)
        QTimer::singleShot(0, &m_viewer, &QWidget::close);
}

} // namespace suite::browser
