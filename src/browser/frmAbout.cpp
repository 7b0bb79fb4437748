#include "browser/frmAbout.h"

#include "core/Twips.h"
#include "widgets/MessageBoxes.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace suite::browser {

namespace {

const QColor olive(0x80, 0x80, 0x00);
const QColor grey(0x80, 0x80, 0x80);

constexpr int textFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

// The black box the credits move through; it draws whatever part of the text is inside.
class CreditsBox final : public QWidget {
public:
    CreditsBox(const frmAbout& about, const QString& credits, QWidget* parent)
        : QWidget(parent)
        , m_about(about)
        , m_credits(credits)
    {
        setObjectName(QStringLiteral("picScroll"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSize(12);
        setFont(font);
    }

    void setCredits(const QString& credits) { m_credits = credits; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        const auto scroll = m_about.scroll();
        if (!scroll)
            return;
        painter.setPen(olive);
        painter.drawText(QRect(0, scroll->top(), width(), scroll->bottom() - scroll->top()),
            textFlags, m_credits);
    }

private:
    const frmAbout& m_about;
    QString m_credits;
};

// A decorative rectangle outline; the pointer passes through it to the window.
void addShape(QWidget* parent, const char* name, const QColor& colour, const QRect& place)
{
    auto* shape = new QFrame(parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(1);
    QPalette colours = shape->palette();
    colours.setColor(QPalette::WindowText, colour);
    shape->setPalette(colours);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape->setGeometry(place);
}

} // namespace

frmAbout::frmAbout(MessageBoxes& messageBoxes, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_messageBoxes(messageBoxes)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Info"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setFixedSize(px(6600), px(3675));
    setMouseTracking(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    setPalette(dark);
    setAutoFillBackground(true);

    addShape(this, "Shape1", QColor(0x9e, 0x9e, 0x9e), QRect(px(120), px(120), px(6375), px(3495)));
    addShape(this, "Shape2", QColor(0x70, 0x70, 0x70), QRect(px(240), px(360), px(6135), px(2955)));

    m_picScroll = new CreditsBox(*this, QString(), this);
    m_picScroll->setGeometry(px(330), px(480), px(5955), px(2715));

    m_lblExit = new QLabel(QStringLiteral(" EXIT "), this);
    m_lblExit->setObjectName(QStringLiteral("lblExit"));
    m_lblExit->setAccessibleName(QStringLiteral("EXIT"));
    QFont exitFont(QStringLiteral("Times New Roman"));
    exitFont.setPointSizeF(8.25);
    exitFont.setBold(true);
    m_lblExit->setFont(exitFont);
    m_lblExit->setMouseTracking(true);
    m_lblExit->setAttribute(Qt::WA_TranslucentBackground);
    QPalette exitColours = m_lblExit->palette();
    exitColours.setColor(
        QPalette::WindowText, QGuiApplication::palette().color(QPalette::WindowText));
    m_lblExit->setPalette(exitColours);
    m_lblExit->move(px(5880), px(3360));
    m_lblExit->adjustSize();
    m_lblExit->installEventFilter(this);

    m_frames.setInterval(CreditsScroll::frameMs);
    connect(&m_frames, &QTimer::timeout, this, &frmAbout::nextFrame);
    centreOnScreen();
}

int frmAbout::px(int twips) const
{
    return twips::toPixels(twips, logicalDpiX());
}

QString frmAbout::creditsText()
{
    const QStringList lines = { QStringLiteral("Sprechender Internet Browser"), QString(),
        QStringLiteral("- Spricht den Textinhalt einer HTML-Seite -"), QString(),
        QStringLiteral("- Spricht markierten Text einer HTML-Seite -"), QString(),
        QString(33, u'_'), QString(), QStringLiteral("- Programmiert von Tandu Software -"),
        QString(), QStringLiteral("Bremen, 2024"), QString(33, u'_'), QString(),
        QStringLiteral(" *  *  *  "), QString() };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void frmAbout::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void frmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmAbout::Form_Activate()
{
    centreOnScreen();
    m_credits = creditsText();
    ScrollText();
}

void frmAbout::ScrollText()
{
    // Qt draws "\n" as the break; a lone CR would show as a box.
    QString drawn = m_credits;
    drawn.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    static_cast<CreditsBox*>(m_picScroll)->setCredits(drawn);
    const QRect measured
        = QFontMetrics(m_picScroll->font())
              .boundingRect(QRect(0, 0, m_picScroll->width(), 0), textFlags, drawn);
    if (measured.height() <= 0) {
        m_messageBoxes.show(this, QStringLiteral("Error scrolling text"), QString(),
            MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
        unload();
        return;
    }
    m_scroll.emplace(m_picScroll->height(), measured.bottom() + 1);
    m_picScroll->update();
    m_frames.start();
}

void frmAbout::nextFrame()
{
    if (m_stop || !m_scroll) {
        m_frames.stop();
        return;
    }
    m_scroll->step();
    m_picScroll->update();
}

void frmAbout::unload()
{
    m_stop = true;
    m_frames.stop();
    done(QDialog::Accepted);
    // done() deletes a shown dialog; one never shown goes here.
    if (!isVisible())
        deleteLater();
}

void frmAbout::mouseMoveEvent(QMouseEvent* event)
{
    QPalette colours = m_lblExit->palette();
    colours.setColor(QPalette::WindowText, grey);
    m_lblExit->setPalette(colours);
    QDialog::mouseMoveEvent(event);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lblExit) {
        if (event->type() == QEvent::MouseMove) {
            QPalette colours = m_lblExit->palette();
            colours.setColor(QPalette::WindowText, olive);
            m_lblExit->setPalette(colours);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            unload();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    // Without a mouse, Escape, Enter and Space stand for a click on " EXIT ".
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        unload();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace suite::browser
