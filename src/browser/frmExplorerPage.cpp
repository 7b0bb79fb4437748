// frmExplorer: start-up, navigation from the address box, the browser's events, the zoom,
// the history and the reading of the page.
#include "browser/BrowserIni.h"
#include "browser/BrowserWindows.h"
#include "browser/ConnectionCheck.h"
#include "browser/FavouritesFile.h"
#include "browser/HistoryFile.h"
#include "browser/PageText.h"
#include "browser/PageTextBox.h"
#include "browser/WebBrowser.h"
#include "browser/frmAbout1.h"
#include "browser/frmExplorer.h"
#include "core/Twips.h"
#include "speech/Synthesizer.h"
#include "widgets/MessageBoxes.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QWebEnginePage>

namespace suite::browser {

void frmExplorer::Form_Load(const QString& firstAddress)
{
    Ini();
    setWindowState(windowState() | Qt::WindowMaximized);
    Form_Resize();
    show();
    m_label3->setText(QString());
    const QString first = firstAddress.isEmpty() ? m_startPage : firstAddress;
    if (!first.isEmpty()) {
        m_cboAddress->setEditText(first);
        m_timTimer.start();
        cboAddress_Click();
    }
    m_browser->setVisible(true);
    m_text1->raise();
    verlauf();
    m_label3->setText(IPModul::labelText(m_ipModul.LocalHostAddress(this)));
    m_label3->adjustSize();
}

void frmExplorer::Ini()
{
    const BrowserSettings settings
        = BrowserIni::read(m_services.programDir + BrowserIni::fileName());
    frmAbout1& dialog = m_windows.settingsDialog();
    if (!settings.readable) {
        m_startPage = m_searchEngine = BrowserIni::defaultSearchEngine();
        dialog.setFields(m_startPage, m_searchEngine);
        return;
    }
    if (settings.startPage) {
        m_startPage = *settings.startPage;
        dialog.setStartPageField(m_startPage);
    }
    if (settings.searchEngine) {
        m_searchEngine = *settings.searchEngine;
        dialog.setSearchEngineField(m_searchEngine);
    }
}

bool frmExplorer::IsConnected()
{
    return m_services.connection && m_services.connection->IsConnected();
}

void frmExplorer::cboAddress_Click()
{
    // Only during start-up, before the host address is shown, is the label empty.
    if (m_label3->text().isEmpty() && IsConnected())
        m_speech.speech->Stop();
    if (m_suppressNavigate)
        return;
    m_timTimer.start();
    m_browser->Navigate(m_cboAddress->currentText());
}

void frmExplorer::navigateToAddressBox()
{
    cboAddress_Click();
}

void frmExplorer::Klick()
{
    cboAddress_Click();
}

void frmExplorer::timTimer_Timer()
{
    if (m_browser->Busy()) {
        m_sbStatusBar->setText(QStringLiteral("Laden..."));
        return;
    }
    m_timTimer.stop();
    m_sbStatusBar->setText(m_browser->LocationName());
}

void frmExplorer::Timer1_Timer()
{
    m_label3->setText(IPModul::labelText(m_ipModul.LocalHostAddress(this)));
    m_label3->adjustSize();
}

void frmExplorer::WebBrowser_NavigateComplete2(const QString& url)
{
    setWindowTitle(m_browser->LocationName());
    QStringList entries = addressList();
    HistoryFile::putOnTop(entries, m_browser->LocationURL());
    m_suppressNavigate = true;
    m_cboAddress->clear();
    m_cboAddress->addItems(entries);
    m_cboAddress->setCurrentIndex(0);
    m_suppressNavigate = false;
}

void frmExplorer::WebBrowser_DownloadComplete()
{
    std::weak_ptr<int> alive = m_alive;
    m_browser->page()->runJavaScript(
        PageText::collectScript(), [this, alive](const QVariant& result) {
            if (alive.expired())
                return;
            m_text1->setPageText(PageText::compose(PageText::fromScriptResult(result)));
            setWindowTitle(m_browser->LocationName());
            // The load watch may have looked before the load began and stopped on the bare
            // address; the status line ends on the page's name all the same.
            if (!m_timTimer.isActive())
                m_sbStatusBar->setText(m_browser->LocationName());
            applyZoom();
            emit pageTextReady();
        });
}

WebBrowser* frmExplorer::WebBrowser_NewWindow2()
{
    frmExplorer* window = m_windows.createWindow();
    window->setWindowState(Qt::WindowNoState);
    window->showNormal();
    const int offset = twips::toPixels(300, logicalDpiX());
    window->move(window->pos() + QPoint(offset, offset));
    window->show();
    return window->browser();
}

void frmExplorer::HScroll1_Change()
{
    applyZoom();
    m_label1->setText(
        QStringLiteral("Zoom: ") + QString::number(m_hScroll1->value()) + QStringLiteral(" %"));
}

void frmExplorer::applyZoom()
{
    const int percent = m_hScroll1->value();
    // A frameset ignores the body's zoom style; there the view's own zoom stands in.
    const QString script
        = QStringLiteral("(function (z) { var b = document.body; if (!b) return 'none';"
                         " if (b.tagName === 'FRAMESET') return 'frameset';"
                         " b.style.zoom = z + '%'; return 'body'; })(%1)")
              .arg(percent);
    std::weak_ptr<int> alive = m_alive;
    m_browser->page()->runJavaScript(script, [this, alive, percent](const QVariant& result) {
        if (alive.expired())
            return;
        m_browser->setZoomFactor(
            result.toString() == QLatin1String("frameset") ? percent / 100.0 : 1.0);
    });
}

void frmExplorer::verlauf()
{
    const QStringList lines = HistoryFile::load(m_services.programDir + HistoryFile::fileName());
    m_cboAddress->addItems(lines);
}

void frmExplorer::verlauf_schreiben()
{
    const Result saved
        = HistoryFile::save(m_services.programDir + HistoryFile::fileName(), addressList());
    if (!saved)
        tellFileFailure(saved.error);
}

void frmExplorer::favoriten_schreiben()
{
    const Result saved = FavouritesFile::append(
        m_services.programDir + FavouritesFile::fileName(), m_cboAddress->currentText());
    if (!saved)
        tellFileFailure(saved.error);
}

void frmExplorer::tellFileFailure(const QString& why)
{
    m_services.messageBoxes->show(
        this, why, QString(), MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
}

void frmExplorer::tellSpeechFailure()
{
    m_services.messageBoxes->show(this, QStringLiteral("Fehler bei Sprachausgabe"), QString(),
        MessageBoxes::Icon::None, MessageBoxes::Buttons::Ok);
}

void frmExplorer::Command2_Click()
{
    if (!m_speech.speech->Speak(m_text1->pageText()))
        tellSpeechFailure();
}

void frmExplorer::Command4_Click()
{
    m_text1->setFocus();
    if (!m_speech.speech->Speak(m_text1->markedText()))
        tellSpeechFailure();
}

void frmExplorer::Command5_Click()
{
    const bool shown = m_text1->isHidden();
    m_text1->setVisible(shown);
    if (shown)
        m_text1->raise();
    m_command4->setEnabled(shown);
    m_command5->setText(shown ? QStringLiteral("Hide") : QStringLiteral("Show"));
    m_command5->setAccessibleName(m_command5->text());
}

void frmExplorer::Command3_Click()
{
    m_speech.speech->Stop();
}

} // namespace suite::browser
