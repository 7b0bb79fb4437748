// The window's tray icon, pop-up menu, information box and closing.
#include "clock/frmUhr.h"

#include "clock/ClockPhrases.h"
#include "core/Clock.h"
#include "widgets/MessageBoxes.h"
#include "widgets/TaskList.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace suite::clock {

void frmUhr::buildPopupMenu()
{
    m_popup = new QMenu(QStringLiteral("PopUp_Menu"), this);
    m_popup->setObjectName(QStringLiteral("mnuPopUp"));
    const auto entry = [this](const char* name, const QString& caption) {
        QAction* action = m_popup->addAction(caption);
        action->setObjectName(QString::fromUtf8(name));
        return action;
    };
    const std::array<const char*, 4> names = { "mnuEins", "mnuFünf", "mnuFünz", "mnuDreissig" };
    const std::array<int, 4> minutes = { 1, 5, 15, 30 };
    for (int i = 0; i < 4; ++i) {
        QAction* action = entry(names[static_cast<size_t>(i)],
            QStringLiteral("Ansage jede %1 min").arg(minutes[static_cast<size_t>(i)]));
        action->setCheckable(true);
        m_intervalEntries << action;
    }
    connect(m_intervalEntries[0], &QAction::triggered, this, [this] { m_engine.mnuEins_Click(); });
    connect(m_intervalEntries[1], &QAction::triggered, this, [this] { m_engine.mnuFünf_Click(); });
    connect(m_intervalEntries[2], &QAction::triggered, this, [this] { m_engine.mnuFünz_Click(); });
    connect(
        m_intervalEntries[3], &QAction::triggered, this, [this] { m_engine.mnuDreissig_Click(); });
    m_mnuAlarm = entry("mnuAlarm", QStringLiteral("Alarm aktiv !"));
    m_popup->addSeparator()->setObjectName(QStringLiteral("linie1"));
    connect(entry("mnuAnzeige", QStringLiteral("Uhr Anzeigen")), &QAction::triggered, this,
        [this] { mnuAnzeige_Click(); });
    m_popup->addSeparator()->setObjectName(QStringLiteral("linie3"));
    connect(entry("mnuInfo", QStringLiteral("Info")), &QAction::triggered, this,
        [this] { Command7_Click(); });
    m_popup->addSeparator()->setObjectName(QStringLiteral("line2"));
    connect(
        entry("mnuExit", QStringLiteral("Exit")), &QAction::triggered, this, [this] { close(); });

    m_tray.setWatcher([this](int) { updateTrayTip(); });
    m_tray.setHandler(
        [this](int message, QPoint globalPos) { trayNotification(message, globalPos); });
}

void frmUhr::Command7_Click()
{
    m_messageBoxes.show(this, phrases::infoText(m_clock.now().date().year()),
        QStringLiteral("Die Tockwerk   -    Info "), MessageBoxes::Icon::Information,
        MessageBoxes::Buttons::Ok);
}

void frmUhr::Command8_Click()
{
    m_tray.add();
    hide();
}

void frmUhr::mnuAnzeige_Click()
{
    show();
    m_tray.remove();
}

void frmUhr::updateTrayTip()
{
    m_tray.setTip(m_engine.trayTip(m_tray.tip()));
}

void frmUhr::trayNotification(int message, QPoint globalPos)
{
    if (message == traymessage::LeftButtonUp)
        m_command1->click();
    else if (message == traymessage::RightButtonUp)
        openPopupMenu(globalPos);
}

void frmUhr::openPopupMenu(QPoint globalPos)
{
    // The armed alarm is the menu's default entry, shown in bold.
    m_popup->setDefaultAction(m_engine.AlarmActive() == 1 ? m_mnuAlarm : nullptr);
    m_popup->exec(globalPos);
}

void frmUhr::mouseMoveEvent(QMouseEvent* event)
{
    // Only the tip is written here. Clicks on the icon come from the tray itself, so a move
    // over the window can never speak the time or open the menu.
    updateTrayTip();
    QWidget::mouseMoveEvent(event);
}

void frmUhr::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu key (or Shift+F10) opens the icon's pop-up menu: the keyboard's way to its
    // entries while the window is shown.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        openPopupMenu(mapToGlobal(rect().center()));
        event->accept();
        return;
    }
    QWidget::contextMenuEvent(event);
}

void frmUhr::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    keepOffTaskList(*this);
}

void frmUhr::closeEvent(QCloseEvent* event)
{
    if (m_engine.AlarmActive() != 0) {
        const auto answer
            = m_messageBoxes.show(this, QStringLiteral("Alarm aktiv ! Programm trotzdem beenden ?"),
                QStringLiteral("Die Tockwerk-Info"), MessageBoxes::Icon::Question,
                MessageBoxes::Buttons::YesNo);
        if (answer != MessageBoxes::Answer::Yes) {
            event->ignore();
            return;
        }
    }
    m_tray.remove();
    m_timer->stop();
    event->accept();
    emit closed();
}

} // namespace suite::clock
