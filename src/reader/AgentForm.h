#pragma once

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
class QWidget;

namespace suite::reader {

class RichTextField;
struct ReaderEdition;

// The controls of the reader window under their own names, placed in twips at the screen's
// DPI. Controls an edition does not have stay null.
struct AgentForm {
    QGroupBox* Frame4 = nullptr;
    std::array<QRadioButton*, 2> Option3 {};
    QGroupBox* Frame5 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QPushButton* Command9 = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* chkBildtext = nullptr; // tray mode reads the text of copied pictures too
    RichTextField* RT1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command10 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* cmbAgent = nullptr;
    QListWidget* filAgents = nullptr;
    QGroupBox* Frame2 = nullptr;
    QPushButton* Test = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command1 = nullptr;
    QTimer* Timer1 = nullptr;
    QMenu* mnuPopUp = nullptr;
    QAction* mnuStop = nullptr;
    QAction* mnuAnzeige = nullptr;
    QAction* mnuTest = nullptr;
    QAction* mnuInfo = nullptr;
    QAction* mnuExit = nullptr;

    // Creates every control of the edition as a child of window and sizes the window.
    static AgentForm build(QWidget& window, const ReaderEdition& edition);
};

} // namespace suite::reader
