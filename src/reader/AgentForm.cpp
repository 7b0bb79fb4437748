#include "reader/AgentForm.h"

#include "core/Twips.h"
#include "reader/ReaderEdition.h"
#include "reader/RichTextField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace suite::reader {

namespace {

// Places controls given in twips (left, top, width, height) inside their container.
class Placer {
public:
    explicit Placer(const QWidget& window)
    {
        const QScreen* screen
            = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
        m_dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
        m_dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    }

    int x(int twips) const { return twips::toPixels(twips, m_dpiX); }
    int y(int twips) const { return twips::toPixels(twips, m_dpiY); }

    template <typename W>
    W* place(W* widget, const char* name, int left, int top, int width, int height) const
    {
        widget->setObjectName(QString::fromLatin1(name));
        widget->setGeometry(x(left), y(top), x(width), y(height));
        return widget;
    }

private:
    double m_dpiX = 96.0;
    double m_dpiY = 96.0;
};

QPushButton* button(const Placer& at, QWidget* parent, const char* name, const QString& caption,
    const QString& tip, QRect twips)
{
    auto* b = at.place(new QPushButton(caption, parent), name, twips.x(), twips.y(), twips.width(),
        twips.height());
    b->setToolTip(tip);
    b->setAccessibleName(caption);
    if (!tip.isEmpty())
        b->setAccessibleDescription(tip);
    b->setAutoDefault(false);
    return b;
}

QGroupBox* frame(const Placer& at, QWidget* parent, const char* name, const QString& caption,
    const QString& accessibleName, QRect twips)
{
    auto* f = at.place(
        new QGroupBox(caption, parent), name, twips.x(), twips.y(), twips.width(), twips.height());
    f->setAccessibleName(caption.isEmpty() ? accessibleName : caption);
    return f;
}

template <typename W>
W* choice(const Placer& at, QWidget* parent, const char* name, const QString& caption,
    const QString& tip, QRect twips)
{
    auto* w = at.place(
        new W(caption, parent), name, twips.x(), twips.y(), twips.width(), twips.height());
    w->setAccessibleName(caption);
    w->setToolTip(tip);
    return w;
}

// The captions were laid out for "MS Sans Serif", which few desktops have; the narrow
// faces that stand in for it come next, in this order.
QFont captionFont()
{
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow"),
        QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans"),
        QStringLiteral("Arial") });
    return font;
}

// A caption wider than its control, in the face the desktop substituted, gets a smaller size
// instead of being cut off.
void fitCaption(QWidget* control)
{
    constexpr qreal smallest = 6.0;
    QFont font = control->font();
    while (control->sizeHint().width() > control->width() && font.pointSizeF() > smallest) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        control->setFont(font);
    }
}

} // namespace

AgentForm AgentForm::build(QWidget& window, const ReaderEdition& edition)
{
    const Placer at(window);
    AgentForm f;
    window.setObjectName(QStringLiteral("Agent"));
    window.setWindowTitle(edition.windowTitle);
    window.setFont(captionFont());
    window.setFixedSize(at.x(edition.clientWidthTwips), at.y(edition.clientHeightTwips));

    f.Frame4
        = frame(at, &window, "Frame4", QStringLiteral("Sprache wählen"), {}, edition.languageFrame);
    f.Option3[0] = choice<QRadioButton>(
        at, f.Frame4, "Option30", edition.languageCaptionGerman, {}, { 120, 240, 1095, 255 });
    f.Option3[1] = choice<QRadioButton>(
        at, f.Frame4, "Option31", QStringLiteral("Englisch"), {}, { 1200, 240, 1095, 255 });
    // German is selected before the start chooses; the Genie edition keeps it that way.
    f.Option3[0]->setChecked(true);

    f.Frame5 = frame(at, &window, "Frame5", edition.echoFrameCaption, {}, edition.echoFrame);
    f.Option1 = choice<QRadioButton>(at, f.Frame5, "Option1", QStringLiteral("Wort"),
        QStringLiteral("Sprachausgabe nach jedem eingegebenen Wort."), { 720, 240, 975, 255 });
    f.Option2 = choice<QRadioButton>(at, f.Frame5, "Option2", QStringLiteral("Buchstabe"),
        QStringLiteral("Sprachausgabe nach jedem eingegebenen Buchstaben."),
        { 2160, 240, 1455, 255 });
    f.Option1->setChecked(true);

    f.Command9 = button(at, &window, "Command9", QStringLiteral("R"),
        QStringLiteral("Reset, falls Sprachausgabe \"verklemmt\""), edition.resetButton);
    f.Command9->setAccessibleName(f.Command9->toolTip());
    f.Command9->setEnabled(false);

    if (edition.hasGreetingOptions) {
        f.Frame6 = frame(at, &window, "Frame6", {}, QStringLiteral("Begrüßung und Verabschiedung"),
            { 120, 720, 7515, 615 });
        f.Check1 = choice<QCheckBox>(at, f.Frame6, "Check1",
            QStringLiteral("Beim ProgrammStart Begrüssungstext sprechen ?"), {},
            { 120, 240, 3855, 255 });
        f.Check2 = choice<QCheckBox>(at, f.Frame6, "Check2",
            QStringLiteral("Beim Beenden Verabschiedung sprechen ?"), {}, { 3960, 240, 3480, 255 });
        f.Check1->setChecked(true);
        f.Check2->setChecked(true);
    }

    f.RT1 = at.place(new RichTextField(&window), "RT1", 120, edition.fieldTop, 7515, 3135);
    f.RT1->setAccessibleName(QStringLiteral("Textfeld"));

    const QRect& option = edition.pictureOption;
    f.chkBildtext = choice<QCheckBox>(at, &window, "chkBildtext",
        QStringLiteral("Text in Bildern vorlesen"),
        QStringLiteral("Liest nach \"Verbergen\" auch den Text in kopierten Bildern vor."), option);
    f.chkBildtext->setAccessibleDescription(f.chkBildtext->toolTip());

    if (edition.hasSpeedControl) {
        f.HScroll1
            = at.place(new QScrollBar(Qt::Horizontal, &window), "HScroll1", 120, 4680, 2775, 255);
        f.HScroll1->setRange(50, 250);
        f.HScroll1->setValue(150);
        f.HScroll1->setSingleStep(1);
        f.HScroll1->setPageStep(1);
        // Left and Home go towards 50, Right and End towards 250, like the bar looks.
        f.HScroll1->setInvertedControls(false);
        f.HScroll1->setFocusPolicy(Qt::StrongFocus);
        f.HScroll1->setAccessibleName(QStringLiteral("Sprechgeschwindigkeit"));
        f.Label2 = new QLabel(&window);
        f.Label2->setObjectName(QStringLiteral("Label2"));
        f.Label2->move(at.x(3120), at.y(4720));
    }

    const int framesTop = edition.buttonFramesTop;
    f.Frame1 = frame(
        at, &window, "Frame1", {}, QStringLiteral("Sprechen"), { 120, framesTop, 3615, 1815 });
    f.Command3 = button(at, f.Frame1, "Command3", QStringLiteral("Gesamten Text"),
        QStringLiteral("Spricht den gesamten Text des Textfeldes."), { 240, 360, 1455, 375 });
    f.Command6 = button(at, f.Frame1, "Command6", QStringLiteral("Open"),
        QStringLiteral("Eine Textdatei öffnen."), { 1920, 360, 1455, 375 });
    f.Command2 = button(at, f.Frame1, "Command2", QStringLiteral("Markierten Text"),
        QStringLiteral("Spricht nur den vorher markierten Text des Textfeldes."),
        { 240, 840, 1455, 375 });
    f.Command4 = button(at, f.Frame1, "Command4", QStringLiteral("ClipBoard"),
        QStringLiteral("Zu sprechenden Text aus Zwischenablage einfügen."),
        { 1920, 840, 1455, 375 });
    f.Command5 = button(at, f.Frame1, "Command5", QStringLiteral("Stop"),
        QStringLiteral("Stoppt die Sprachausgabe."), { 240, 1320, 1455, 375 });
    f.Command10 = button(at, f.Frame1, "Command10", QStringLiteral("Verbergen"),
        QStringLiteral("Erzeugt ein TrayIcon, der Inhalt der Zwischenablage wird dann "
                       "automatisch gesprochen."),
        { 1920, 1320, 1455, 375 });

    const QString characterList = QStringLiteral("Liste der installierten Charakter");
    if (edition.hasCharacterChoice) {
        f.Frame3 = frame(at, &window, "Frame3", {}, characterList, { 3900, framesTop, 1695, 1815 });
        f.Frame3->setToolTip(characterList);
        f.Label3 = at.place(
            new QLabel(edition.characterLabelCaption, f.Frame3), "Label3", 120, 200, 1290, 195);
        f.Label1 = at.place(
            new QLabel(QStringLiteral("-norvak-"), &window), "Label1", 7080, 480, 555, 195);
        f.cmbAgent = at.place(new QComboBox(f.Frame3), "cmbAgent", 120, 460, 1455, 285);
        f.cmbAgent->addItem(QStringLiteral("Genie"));
        f.cmbAgent->setToolTip(QStringLiteral("Ausgewählter Charakter"));
        f.cmbAgent->setAccessibleName(f.cmbAgent->toolTip());
        f.Label3->setBuddy(f.cmbAgent);
        f.filAgents = at.place(new QListWidget(f.Frame3), "filAgents", 120, 840, 1455, 870);
        f.filAgents->setToolTip(characterList);
        f.filAgents->setAccessibleName(characterList);
    } else {
        // The fixed character is named in the frame, over several lines, with the signature
        // below it.
        f.Frame3 = frame(at, &window, "Frame3", {}, QStringLiteral("Charakter"),
            { 3900, framesTop, 1695, 1815 });
        f.Label3 = at.place(
            new QLabel(edition.characterLabelCaption, f.Frame3), "Label3", 120, 240, 1455, 1095);
        f.Label3->setWordWrap(true);
        f.Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        f.Label1 = at.place(
            new QLabel(QStringLiteral("-norvak-"), f.Frame3), "Label1", 120, 1440, 1455, 255);
    }
    f.Label3->setAccessibleName(f.Label3->text());
    f.Label1->setAccessibleName(f.Label1->text());

    f.Frame2 = frame(at, &window, "Frame2", {}, QStringLiteral("Weitere Schaltflächen"),
        { 5760, framesTop, 1815, 1815 });
    f.Test = button(at, f.Frame2, "Test", QStringLiteral("Test"), {}, { 240, 360, 615, 375 });
    f.Command7
        = button(at, f.Frame2, "Command7", QStringLiteral("Info"), {}, { 960, 360, 615, 375 });
    f.Command8 = button(at, f.Frame2, "Command8", QStringLiteral("Rückwärts"),
        QStringLiteral("Spricht markierten Text rückwärts."), { 240, 840, 1335, 375 });
    f.Command1
        = button(at, f.Frame2, "Command1", QStringLiteral("Beenden"), {}, { 240, 1320, 1335, 375 });

    f.Timer1 = new QTimer(&window);
    f.Timer1->setObjectName(QStringLiteral("Timer1"));
    f.Timer1->setInterval(1000);

    f.mnuPopUp = new QMenu(QStringLiteral("PopUp_menue"), &window);
    f.mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    const auto item = [&f](const char* name, const QString& caption) {
        QAction* action = f.mnuPopUp->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    f.mnuStop = item("mnuStop", edition.stopMenuCaption);
    f.mnuAnzeige = item("mnuAnzeige", QStringLiteral("Programmfenster öffnen"));
    f.mnuTest = item("mnuTest", QStringLiteral("Test"));
    f.mnuInfo = item("mnuInfo", QStringLiteral("Info"));
    f.mnuExit = item("mnuExit", QStringLiteral("Beenden"));
    for (QWidget* caption : std::initializer_list<QWidget*> { f.Option3[0], f.Option3[1], f.Option1,
             f.Option2, f.Check1, f.Check2, f.chkBildtext, f.Label1, f.Label3, f.Command3,
             f.Command2, f.Command8 }) {
        // A caption that wraps onto more lines needs no smaller face.
        const auto* label = qobject_cast<QLabel*>(caption);
        if (caption && !(label && label->wordWrap()))
            fitCaption(caption);
    }
    return f;
}

} // namespace suite::reader
