// Tray mode: the icon in the notification area, its pop-up menu, and the clipboard watch that
// reads every copied text aloud while the window is hidden.
#include "reader/Agent.h"

#include "reader/CharacterSteps.h"
#include "reader/Clipboard.h"
#include "reader/ReaderServices.h"
#include "reader/RichTextField.h"
#include "reader/SpokenText.h"
#include "widgets/TaskList.h"

#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace suite::reader {

using namespace steps;

namespace {
const QString kTipAtStart = QStringLiteral("Sprachausgabe");
const QString kTipWhenUsed = QStringLiteral("Sprachausgabe aktiv !");
} // namespace

void Agent::beginTrayMode()
{
    m_tray.setIcon(windowIcon());
    m_tray.setTip(kTipAtStart);
    // Every message of the icon, the pointer resting on it included, writes the tip.
    m_tray.setWatcher([this](int) {
        if (m_form.Timer1->isActive())
            m_tray.setTip(kTipWhenUsed);
    });
    m_tray.setHandler(
        [this](int message, QPoint globalPos) { trayNotification(message, globalPos); });
    m_form.Command10->click();
}

void Agent::removeTrayIcon()
{
    m_tray.remove();
}

void Agent::Command10_Click()
{
    m_tray.add();
    hide();
    m_form.Timer1->start();
}

void Agent::mnuAnzeige_Click()
{
    show();
    raise();
    activateWindow();
    m_form.RT1->setFocus(); // the window is opened to type into it
    m_form.Timer1->stop();
    stopPictureReading();
    m_tray.remove();
}

void Agent::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The reader lives in the notification area: its window stays off the task list.
    keepOffTaskList(*this);
}

void Agent::trayNotification(int message, QPoint globalPos)
{
    // Only the hidden window in tray mode owns the icon's clicks.
    if (!m_form.Timer1->isActive())
        return;
    // The tray's busy guard holds while the menu is open: more clicks do nothing meanwhile.
    if (message == traymessage::LeftButtonUp)
        m_form.mnuPopUp->exec(globalPos);
}

void Agent::Timer1_Timer()
{
    // Reading the clipboard of another program may run the event loop; a tick never starts
    // inside another one.
    if (m_watching)
        return;
    m_watching = true;
    const std::optional<QString> copied = m_services.clipboard.text();
    // Once anything else was on the clipboard, the same words copied anew are a new text.
    if (m_read && copied != m_read) {
        m_read.reset();
        m_readIsOnClipboard = false;
    }
    if (m_read) {
        // The text read last is still there: the program that copied it refused to give the
        // clipboard up, so emptying is tried again; or it was emptied and came back, which is
        // a clipboard manager's doing, and the manager may keep it. Either way it was read.
        if (m_readIsOnClipboard && m_services.clipboard.setText(QString()))
            m_readIsOnClipboard = false;
    } else if (copied && !copied->isEmpty()) {
        bool cut = false;
        const std::vector<Step> sequence = watchedReading(*copied, &cut);
        // The clipboard keeps a text the character did not take, so the next tick tries it
        // again; once it was spoken it goes, even when hiding fails, so it is never spoken
        // twice. A text cut at the bound stays whole on the clipboard, read once.
        if (untilFailure(m_character, sequence)) {
            m_read = copied;
            m_readIsOnClipboard = !cut && !m_services.clipboard.setText(QString());
        }
        // The character leaves again either way: one that cannot speak does not stand on the
        // desktop until the next tick.
        untilFailure(m_character, { steps::hide() });
    }
    if (copied)
        m_readPicture = QImage(); // the same picture copied anew is a new one
    else
        watchPicture();
    m_watching = false;
}

std::vector<Step> Agent::watchedReading(const QString& copied, bool* cut)
{
    const QString text = takeWatchedText(copied);
    *cut = text.size() < copied.size();
    m_form.RT1->setText(text);
    followReading(0, text);
    std::vector<Step> sequence { steps::show() };
    if (m_edition.playsReadAnimation)
        sequence.push_back(play(QStringLiteral("Read")));
    sequence.push_back(speak(withSpeedTag(text)));
    if (*cut)
        sequence.push_back(speak(withSpeedTag(cutNotice(copied.size(), text.size()))));
    return sequence;
}

// The copied text as far as it is read; beyond the bound the field's tool tip tells how much
// was taken.
QString Agent::takeWatchedText(const QString& copied)
{
    const QString taken = spoken::cutAtLimit(copied);
    m_form.RT1->setToolTip(
        taken.size() < copied.size() ? cutNotice(copied.size(), taken.size()) : QString());
    return taken;
}

QString Agent::cutNotice(qsizetype copied, qsizetype taken)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    return QStringLiteral("Der kopierte Text war %1 Zeichen lang; gelesen wurden nur die ersten "
                          "%2 Zeichen. Die Zwischenablage behält den ganzen Text.")
        .arg(german.toString(copied), german.toString(taken));
}

} // namespace suite::reader
