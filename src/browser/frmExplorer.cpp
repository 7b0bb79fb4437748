#include "browser/frmExplorer.h"

#include "browser/AddressBox.h"
#include "browser/BrowserWindows.h"
#include "browser/CaptionButton.h"
#include "browser/ExplorerLayout.h"
#include "browser/PageTextBox.h"
#include "browser/ToolbarIcons.h"
#include "browser/WebBrowser.h"
#include "core/Twips.h"
#include "speech/Synthesizer.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace suite::browser {

frmExplorer::frmExplorer(BrowserWindows& windows, QWidget* parent)
    : QMainWindow(parent)
    , m_windows(windows)
    , m_services(windows.services())
    , m_ipModul(*m_services.hostLookup, *m_services.messageBoxes)
    , m_dialogs(*m_services.fileChooser)
{
    setObjectName(QStringLiteral("frmExplorer"));
    setWindowTitle(QStringLiteral("Browser mit Sprachausgabe"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(m_client);
    buildToolBar(m_client);
    buildAddressBar(m_client);
    buildPage(m_client);
    buildStatusBar(m_client);
    buildMenus();
    m_client->installEventFilter(this);
    resize(px(ExplorerLayout::designClientWidth), px(ExplorerLayout::designClientHeight));

    m_timer1.setInterval(60000);
    connect(&m_timer1, &QTimer::timeout, this, &frmExplorer::Timer1_Timer);
    m_timer1.start();
    m_timTimer.setInterval(5);
    connect(&m_timTimer, &QTimer::timeout, this, &frmExplorer::timTimer_Timer);
}

frmExplorer::~frmExplorer()
{
    m_alive.reset();
    m_timTimer.stop();
    m_timer1.stop();
    // The page goes before the rest of the window: its pending script answers are dropped
    // while everything they would touch still exists.
    delete m_browser;
    m_browser = nullptr;
}

int frmExplorer::px(int twips) const
{
    return twips::toPixels(twips, logicalDpiX());
}

int frmExplorer::twipsOf(int pixels) const
{
    return twips::fromPixels(pixels, logicalDpiX());
}

QToolButton* frmExplorer::addPictureButton(
    const char* name, const QString& toolTip, int left, void (frmExplorer::*handler)())
{
    static const QHash<QString, ToolbarPicture> pictures = {
        { "Command6", ToolbarPicture::Back },
        { "Command7", ToolbarPicture::Forward },
        { "Command8", ToolbarPicture::Stop },
        { "Command9", ToolbarPicture::Reload },
        { "Command10", ToolbarPicture::Home },
        { "Command11", ToolbarPicture::Search },
        { "Command12", ToolbarPicture::Mail },
        { "Command13", ToolbarPicture::AddFavourite },
        { "Command14", ToolbarPicture::Favourites },
        { "Command15", ToolbarPicture::Source },
        { "Command16", ToolbarPicture::Capture },
        { "Command17", ToolbarPicture::Exit },
    };
    auto* button = new QToolButton(m_picture3);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setIcon(toolbarIcon(pictures.value(QString::fromLatin1(name))));
    button->setIconSize(QSize(px(450) - 8, px(450) - 8));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setGeometry(px(left), 0, px(450), px(450));
    connect(button, &QToolButton::clicked, this, handler);
    return button;
}

QPushButton* frmExplorer::addReadingButton(const char* name, const QString& caption,
    const QString& toolTip, int left, int width, void (frmExplorer::*handler)())
{
    auto* button = new CaptionButton(caption, m_picture3);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toolTip);
    button->setAccessibleName(caption);
    QPalette white = button->palette();
    white.setColor(QPalette::Button, Qt::white);
    white.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(white);
    button->setGeometry(px(left), 0, px(width), px(450));
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void frmExplorer::buildToolBar(QWidget* client)
{
    m_picture3 = new QWidget(client);
    m_picture3->setObjectName(QStringLiteral("Picture3"));
    addPictureButton("Command6", QStringLiteral("zurück"), 0, &frmExplorer::Command6_Click);
    addPictureButton("Command7", QStringLiteral("Weiter"), 465, &frmExplorer::Command7_Click);
    addPictureButton("Command8", QStringLiteral("Stop"), 945, &frmExplorer::Command8_Click);
    addPictureButton("Command9", QStringLiteral("Neu laden"), 1410, &frmExplorer::Command9_Click);
    // The start-page button has no tool tip; screen readers still get a name.
    addPictureButton("Command10", QString(), 1875, &frmExplorer::Command10_Click)
        ->setAccessibleName(QStringLiteral("Startseite"));
    addPictureButton("Command11", QStringLiteral("Suchen"), 2340, &frmExplorer::Command11_Click);
    addPictureButton(
        "Command12", QStringLiteral("OutlookExpress"), 2820, &frmExplorer::Command12_Click);
    addPictureButton("Command13", QStringLiteral("Zu favoriten hinzufügen"), 3285,
        &frmExplorer::Command13_Click);
    addPictureButton(
        "Command14", QStringLiteral("Favoriten anzeigen"), 3750, &frmExplorer::Command14_Click);
    addPictureButton(
        "Command15", QStringLiteral("Quellcode anzeigen"), 4215, &frmExplorer::Command15_Click);
    addPictureButton(
        "Command16", QStringLiteral("ScreenCapturing"), 4695, &frmExplorer::Command16_Click);

    m_label3 = new QLabel(m_picture3);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setAlignment(Qt::AlignCenter);
    m_label3->setStyleSheet(QStringLiteral("color: #808080; background: transparent;"));
    m_label3->move(px(5880), px(120));
    m_label3->resize(px(480), px(195));

    addReadingButton("Command2", QStringLiteral("Sprich alles"),
        QStringLiteral("Spricht den gesamten Text der Webseite"), 7200, 675,
        &frmExplorer::Command2_Click);
    addReadingButton("Command3", QStringLiteral("Stop"), QStringLiteral("Stoppt die Sprachausgabe"),
        7920, 495, &frmExplorer::Command3_Click);
    m_speech = m_services.createSynthesizer(m_picture3);
    if (m_speech.mouth)
        m_speech.mouth->setGeometry(px(8520), px(-165), px(795), px(1020));
    m_command5 = addReadingButton("Command5", QStringLiteral("Show Text"),
        QStringLiteral("Zu sprechenden Text anzeigen/verstecken. Text kann dann markiert werden."),
        9390, 660, &frmExplorer::Command5_Click);
    m_command4 = addReadingButton("Command4", QStringLiteral("markierten Text"),
        QStringLiteral("Spricht markierten Text. Den Text vorher mit Button 'Show Text' "
                       "anzeigen, dann markieren."),
        10080, 855, &frmExplorer::Command4_Click);
    m_command4->setEnabled(false);

    m_hScroll1 = new QScrollBar(Qt::Horizontal, m_picture3);
    m_hScroll1->setObjectName(QStringLiteral("HScroll1"));
    m_hScroll1->setAccessibleName(QStringLiteral("Zoom"));
    m_hScroll1->setRange(50, 300);
    m_hScroll1->setValue(100);
    m_hScroll1->setFocusPolicy(Qt::StrongFocus);
    m_hScroll1->setGeometry(px(11040), px(240), px(1155), px(195));
    connect(m_hScroll1, &QScrollBar::valueChanged, this, &frmExplorer::HScroll1_Change);

    m_label1 = new QLabel(QStringLiteral("Zoom: 100 %"), m_picture3);
    m_label1->setObjectName(QStringLiteral("Label1"));
    QFont small = m_label1->font();
    small.setPointSizeF(6.5);
    m_label1->setFont(small);
    m_label1->move(px(11280), px(30));
    m_label1->adjustSize();

    addPictureButton(
        "Command17", QStringLiteral("Browser beenden"), 12660, &frmExplorer::Command17_Click);
}

void frmExplorer::buildAddressBar(QWidget* client)
{
    m_picAddress = new QWidget(client);
    m_picAddress->setObjectName(QStringLiteral("picAddress"));
    auto* label = new QLabel(QStringLiteral("&Adresse:"), m_picAddress);
    label->setObjectName(QStringLiteral("lblAddress"));
    label->setFont(CaptionButton::fittingFont(
        label->font(), QStringLiteral("Adresse:"), QSize(px(720) - px(45) - 2, px(315))));
    label->move(px(45), px(60));
    label->adjustSize();

    auto* addressBox = new AddressBox(m_picAddress);
    m_cboAddress = addressBox;
    m_cboAddress->setObjectName(QStringLiteral("cboAddress"));
    m_cboAddress->setAccessibleName(QStringLiteral("Adresse"));
    // On Linux Qt names an editable combo box by its text: the line a screen reader edits
    // carries the box's name.
    m_cboAddress->lineEdit()->setAccessibleName(QStringLiteral("Adresse"));
    m_cboAddress->setGeometry(px(720), px(30), px(3795), px(315));
    label->setBuddy(m_cboAddress);
    // Navigation comes from a pick in the list and from Enter, once each; leaving the box
    // with an address of the list typed in does not navigate.
    connect(addressBox, &AddressBox::chosenFromList, this, &frmExplorer::cboAddress_Click);
    connect(
        m_cboAddress->lineEdit(), &QLineEdit::returnPressed, this, &frmExplorer::cboAddress_Click);

    m_command1 = new QPushButton(QStringLiteral("Go"), m_picAddress);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setAccessibleName(QStringLiteral("Go"));
    m_command1->setGeometry(px(8280), px(30), px(615), px(285));
    connect(m_command1, &QPushButton::clicked, this, &frmExplorer::Command1_Click);
}

void frmExplorer::buildPage(QWidget* client)
{
    m_browser = new WebBrowser(client);
    m_browser->setGeometry(0, px(ExplorerLayout::pageTop), px(4260), px(2175));
    m_browser->setVisible(false);
    connect(m_browser, &WebBrowser::NavigateComplete2, this,
        &frmExplorer::WebBrowser_NavigateComplete2);
    connect(
        m_browser, &WebBrowser::DownloadComplete, this, &frmExplorer::WebBrowser_DownloadComplete);
    m_browser->setNewWindowHandler([this] { return WebBrowser_NewWindow2(); });

    m_text1 = new PageTextBox(client);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(QStringLiteral("Text der Webseite"));
    m_text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #FFFFC0; color: blue; }"));
    m_text1->setGeometry(0, px(ExplorerLayout::pageTop), px(4815), px(1695));
    m_text1->setVisible(false);
}

void frmExplorer::buildStatusBar(QWidget* client)
{
    m_picture1 = new QWidget(client);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_sbStatusBar = new QLabel(m_picture1);
    m_sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    m_sbStatusBar->setAccessibleName(QStringLiteral("Statuszeile"));
    m_sbStatusBar->setGeometry(0, 0, px(10815), px(255));
}

void frmExplorer::dockBars()
{
    const int width = m_client->width();
    m_picture3->setGeometry(0, 0, width, px(ExplorerLayout::toolBarHeight));
    m_picAddress->setGeometry(
        0, px(ExplorerLayout::toolBarHeight), width, px(ExplorerLayout::addressBarHeight));
    const int statusHeight = px(ExplorerLayout::statusBarHeight);
    m_picture1->setGeometry(0, std::max(0, m_client->height() - statusHeight), width, statusHeight);
}

void frmExplorer::Form_Resize()
{
    if (isMinimized())
        return;
    const ExplorerLayout layout = ExplorerLayout::compute(
        twipsOf(m_client->width()), twipsOf(m_client->height()), twipsOf(frameGeometry().width()));
    m_cboAddress->resize(px(layout.addressWidth), m_cboAddress->height());
    m_browser->resize(px(layout.pageWidth), px(layout.pageHeight));
    m_text1->resize(px(layout.pageWidth), px(layout.pageHeight));
    m_command1->move(px(layout.goLeft), m_command1->y());
}

bool frmExplorer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize) {
        dockBars();
        Form_Resize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmExplorer::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        Form_Resize();
}

void frmExplorer::closeEvent(QCloseEvent* event)
{
    verlauf_schreiben();
    m_windows.unloadSharedWindows();
    event->accept();
}

QStringList frmExplorer::addressList() const
{
    QStringList entries;
    for (int i = 0; i < m_cboAddress->count(); ++i)
        entries << m_cboAddress->itemText(i);
    return entries;
}

} // namespace suite::browser
