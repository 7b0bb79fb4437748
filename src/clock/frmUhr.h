#pragma once

#include "clock/ClockEngine.h"
#include "clock/ClockView.h"
#include "widgets/Tray.h"

#include <QWidget>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace suite {
class MessageBoxes;
class ValueLabel;
} // namespace suite

namespace suite::clock {

// The clock window "Die Tockwerk": the time in large digits, the interval options, the
// alarm frames that open to the right, the buttons "Sprich", "I" and "Verbergen", the tray
// icon with its pop-up menu. It stays on top of other windows and keeps off the task list.
// Every event goes to the engine's handler of the same name; the window then shows the
// engine's face.
class frmUhr final : public QWidget, private ClockView {
    Q_OBJECT
public:
    frmUhr(const Clock& clock, AgentControl& agent, ChimePlayer& chimes, MessageBoxes& messageBoxes,
        Tray::HostProbe hasTrayHost = {}, QWidget* parent = nullptr);
    ~frmUhr() override;

    // Greets, shows the window and starts Timer1, which ticks just after each second begins.
    void Form_Load();

    ClockEngine& engine() { return m_engine; }
    Tray& tray() { return m_tray; }
    QMenu* popupMenu() const { return m_popup; }
    // The window width in twips as the layout uses it (4480 or 8865).
    int widthTwips() const { return m_engine.face().widthTwips; }
    // Pixels for twips at this screen's logical DPI.
    int px(int twips) const;

signals:
    // The window has been closed for good: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ClockView
    void present() override;
    void reveal(Reveal how) override;
    bool isMinimized() const override;
    void letMessagesRun() override;
    void showMessage(const QString& text) override;
    void giveFocus(const QString& controlName) override;

    void scheduleTick();
    void buildTimeFrame();
    void buildOptionFrame();
    void buildAlarmFrames();
    void buildButtons();
    void buildPopupMenu();
    QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption,
        const QString& tip, QRect twipsRect);
    void place(QWidget* widget, QRect twipsRect);

    void Command7_Click();
    void Command8_Click();
    void mnuAnzeige_Click();
    void trayNotification(int message, QPoint globalPos);
    void openPopupMenu(QPoint globalPos);
    void updateTrayTip();

    const Clock& m_clock;
    ClockEngine m_engine;
    MessageBoxes& m_messageBoxes;
    Tray m_tray;
    QTimer* m_timer = nullptr;
    ValueLabel* m_label1 = nullptr;
    ValueLabel* m_label2 = nullptr;
    ValueLabel* m_label4 = nullptr;
    ValueLabel* m_label5 = nullptr;
    ValueLabel* m_label6 = nullptr;
    ValueLabel* m_label7 = nullptr;
    QGroupBox* m_frame3 = nullptr;
    QGroupBox* m_frame4 = nullptr;
    QLineEdit* m_text5 = nullptr;
    QPlainTextEdit* m_text1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command5 = nullptr;
    QButtonGroup* m_options = nullptr;
    QMenu* m_popup = nullptr;
    QList<QAction*> m_intervalEntries;
    QAction* m_mnuAlarm = nullptr;
    bool m_closing = false;
};

} // namespace suite::clock
