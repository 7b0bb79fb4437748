#pragma once

#include "browser/BrowserServices.h"
#include "browser/IPModul.h"
#include "widgets/StdDialoge.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QScrollBar;
class QToolButton;
class QWebEngineDownloadRequest;

namespace suite::browser {

class BrowserWindows;
class PageTextBox;
class WebBrowser;

// The browser window "Browser mit Sprachausgabe": the tool bar with the picture buttons and
// the reading buttons, the address box with the visited addresses, the page, the text box
// with the page's text over it, the status line and the menus.
class frmExplorer final : public QMainWindow {
    Q_OBJECT
public:
    explicit frmExplorer(BrowserWindows& windows, QWidget* parent = nullptr);
    ~frmExplorer() override;

    // Start-up: settings, maximized layout, start page (or the address asked for instead),
    // history, host address.
    void Form_Load(const QString& firstAddress = QString());
    // Reads Browser.ini into StartPage, SearchEngine and the settings dialog's fields.
    void Ini();
    // Navigates to the address box's text, as a click on the address list does.
    void Klick();
    void verlauf();
    void verlauf_schreiben();
    void favoriten_schreiben();
    bool IsConnected();

    const QString& StartPage() const { return m_startPage; }
    const QString& SearchEngine() const { return m_searchEngine; }
    WebBrowser* browser() const { return m_browser; }
    QComboBox* addressBox() const { return m_cboAddress; }
    QStringList addressList() const;

signals:
    // Text1 has been refilled after a load ended, and the zoom applied.
    void pageTextReady();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // building the window (frmExplorer.cpp)
    void buildToolBar(QWidget* client);
    void buildAddressBar(QWidget* client);
    void buildPage(QWidget* client);
    void buildStatusBar(QWidget* client);
    void buildMenus();
    QToolButton* addPictureButton(
        const char* name, const QString& toolTip, int left, void (frmExplorer::*handler)());
    QPushButton* addReadingButton(const char* name, const QString& caption, const QString& toolTip,
        int left, int width, void (frmExplorer::*handler)());
    void dockBars();
    void Form_Resize();
    int px(int twips) const;
    int twipsOf(int pixels) const;

    // navigation, events and reading (frmExplorerPage.cpp)
    void cboAddress_Click();
    void navigateToAddressBox();
    void timTimer_Timer();
    void Timer1_Timer();
    void WebBrowser_NavigateComplete2(const QString& url);
    void WebBrowser_DownloadComplete();
    WebBrowser* WebBrowser_NewWindow2();
    void HScroll1_Change();
    void applyZoom();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void tellSpeechFailure();

    // tool-bar commands and menus (frmExplorerCommands.cpp)
    void Command1_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();
    void Command17_Click();
    void mnuFileOpen_Click();
    void mnuOff_Click();
    void mnuF_Click();
    void mnuStart_Click();
    void mnuFind_Click();
    void mnuI_Click();
    void mnuHelpAbout_Click();
    void mnuSource_Click();
    void savePage(bool askForName);
    void printPage();
    void printPreview();
    void printInto(QPrinter* printer);
    void downloadRequested(QWebEngineDownloadRequest* download);
    void tellFileFailure(const QString& why);

    BrowserWindows& m_windows;
    const BrowserServices& m_services;
    IPModul m_ipModul;
    StdDialoge m_dialogs;
    SynthesizerSlot m_speech;
    // Cleared first when the window goes, so late answers from the page find nothing to do.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);

    QString m_startPage;
    QString m_searchEngine;
    bool m_suppressNavigate = false;

    QWidget* m_client = nullptr;
    QWidget* m_picture3 = nullptr;
    QWidget* m_picAddress = nullptr;
    QWidget* m_picture1 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label1 = nullptr;
    QScrollBar* m_hScroll1 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_command1 = nullptr;
    QComboBox* m_cboAddress = nullptr;
    WebBrowser* m_browser = nullptr;
    PageTextBox* m_text1 = nullptr;
    QLabel* m_sbStatusBar = nullptr;
    QAction* m_mnuOff = nullptr;
    QTimer m_timer1;
    QTimer m_timTimer;
};

} // namespace suite::browser
