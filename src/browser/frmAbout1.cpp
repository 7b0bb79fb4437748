#include "browser/frmAbout1.h"

#include "browser/BrowserIni.h"
#include "browser/CaptionButton.h"
#include "browser/DesktopPrograms.h"
#include "core/ProgramStarter.h"
#include "core/Twips.h"
#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace suite::browser {

namespace {

// One line of the array Line1: objectName "Line1" followed by its index.
void addLine(QWidget* parent, int index, const QColor& colour, int top, int left, int right)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1%1").arg(index));
    line->setFrameShape(QFrame::NoFrame);
    QPalette colours = line->palette();
    colours.setColor(QPalette::Window, colour);
    line->setPalette(colours);
    line->setAutoFillBackground(true);
    line->setGeometry(left, top, right - left, 1);
}

// An engraved separator: a grey line with a white one right below it.
void addEngravedLine(QWidget* parent, int whiteIndex, int greyIndex, int top, int left, int right)
{
    addLine(parent, greyIndex, QColor(0x80, 0x80, 0x80), top - 1, left, right);
    addLine(parent, whiteIndex, Qt::white, top, left, right);
}

} // namespace

frmAbout1::frmAbout1(QString iniPath, MessageBoxes& messageBoxes, ProgramStarter& starter,
    const DesktopPrograms& programs, QWidget* parent)
    : QDialog(parent)
    , m_iniPath(std::move(iniPath))
    , m_messageBoxes(messageBoxes)
    , m_starter(starter)
    , m_programs(programs)
{
    setObjectName(QStringLiteral("frmAbout1"));
    setWindowTitle(QStringLiteral("Info"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(5970), px(3195));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setGeometry(px(240), px(240), px(480), px(480));
    icon->setPixmap(QApplication::windowIcon().pixmap(px(480), px(480)));

    auto* title = new QLabel(QStringLiteral("Sprechender-Internet- Browser"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringLiteral("Times New Roman"));
    titleFont.setPointSizeF(14.25);
    titleFont.setBold(true);
    // Where Times New Roman is missing, the stand-in font may be wider: the title keeps its line.
    const QSize titleBox(px(5970) - px(1050) - px(120), px(330) + 8);
    title->setFont(CaptionButton::fittingFont(titleFont, title->text(), titleBox));
    title->setGeometry(QRect(QPoint(px(1050), px(240)), titleBox));

    addEngravedLine(this, 0, 1, px(840), px(120), px(5880));

    auto* label1 = new QLabel(QStringLiteral("Browser Startseite"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    const QSize labelBox(px(2400) - px(240) - 4, px(285));
    label1->setFont(CaptionButton::fittingFont(label1->font(), label1->text(), labelBox));
    label1->move(px(240), px(1200));
    label1->adjustSize();
    m_text1 = new QLineEdit(BrowserIni::initialStartPage(), this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(label1->text());
    m_text1->setGeometry(px(2400), px(1200), px(3375), px(285));
    label1->setBuddy(m_text1);

    auto* label2 = new QLabel(QStringLiteral("Bevorzugte Suchmaschine"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setFont(CaptionButton::fittingFont(label2->font(), label2->text(), labelBox));
    label2->move(px(240), px(1680));
    label2->adjustSize();
    m_text2 = new QLineEdit(BrowserIni::defaultSearchEngine(), this);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setAccessibleName(label2->text());
    m_text2->setGeometry(px(2400), px(1680), px(3375), px(285));
    label2->setBuddy(m_text2);

    addEngravedLine(this, 2, 3, px(2520), px(120), px(5880));

    auto* ok = new QPushButton(QStringLiteral("Speichern"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    ok->setGeometry(px(240), px(2760), px(1260), px(345));
    connect(ok, &QPushButton::clicked, this, &frmAbout1::cmdOK_Click);

    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo->setAccessibleName(QStringLiteral("System Info..."));
    sysInfo->setGeometry(px(4560), px(2760), px(1245), px(345));
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout1::StartSysInfo);
}

int frmAbout1::px(int twips) const
{
    return twips::toPixels(twips, logicalDpiX());
}

void frmAbout1::setFields(const QString& startPage, const QString& searchEngine)
{
    setStartPageField(startPage);
    setSearchEngineField(searchEngine);
}

void frmAbout1::setStartPageField(const QString& startPage)
{
    m_text1->setText(startPage);
}

void frmAbout1::setSearchEngineField(const QString& searchEngine)
{
    m_text2->setText(searchEngine);
}

QString frmAbout1::startPageField() const
{
    return m_text1->text();
}

QString frmAbout1::searchEngineField() const
{
    return m_text2->text();
}

void frmAbout1::cmdOK_Click()
{
    const Result saved = BrowserIni::write(m_iniPath, m_text1->text(), m_text2->text());
    if (!saved) {
        // The dialog stays open with what was typed, so nothing is lost.
        m_messageBoxes.show(
            this, saved.error, QString(), MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
        return;
    }
    accept();
}

void frmAbout1::keyPressEvent(QKeyEvent* event)
{
    // "Speichern" is the cancel button as well: Escape saves too.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout1::StartSysInfo()
{
    const std::optional<ProgramCall> program = m_programs.systemInformation();
    if (program && m_starter.start(program->program, program->arguments))
        return;
    m_messageBoxes.show(this, QStringLiteral("System Information nicht verfügbar!"), QString(),
        MessageBoxes::Icon::None, MessageBoxes::Buttons::Ok);
}

} // namespace suite::browser
