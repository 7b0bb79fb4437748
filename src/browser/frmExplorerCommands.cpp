// frmExplorer: the menus and what the tool-bar buttons and menu items do.
#include "browser/AddressText.h"
#include "browser/BrowserWindows.h"
#include "browser/DesktopPrograms.h"
#include "browser/OfflineGuard.h"
#include "browser/PrintDialogs.h"
#include "browser/WebBrowser.h"
#include "browser/frmExplorer.h"
#include "core/ProgramStarter.h"
#include "widgets/MessageBoxes.h"

#include <QComboBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QMenuBar>
#include <QPrinter>
#include <QUrl>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace suite::browser {

namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& caption, QObject* receiver,
    std::function<void()> handler)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, receiver, [handler] { handler(); });
    return action;
}

void addSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace

void frmExplorer::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addItem(file, "mnuFileOpen", QStringLiteral("Ö&ffnen"), this, [this] {
        mnuFileOpen_Click();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    addSeparator(file, "mnuSep8");
    addItem(file, "mnuHTMLS", QStringLiteral("HTML Seite &speichern"), this,
        [this] { savePage(false); });
    addItem(file, "mnuHTMLSU", QStringLiteral("HTML Seite speichern &unter"), this,
        [this] { savePage(true); });
    addSeparator(file, "mnuSep9");
    addItem(file, "mnuDV", QStringLiteral("Druck&vorschau"), this, [this] { printPreview(); });
    addItem(file, "mnuD", QStringLiteral("&Drucken"), this, [this] { printPage(); });
    addSeparator(file, "mnuSep10");
    m_mnuOff = addItem(file, "mnuOff", QStringLiteral("Seite im Offline-Modus zeigen"), this,
        [this] { mnuOff_Click(); });
    m_mnuOff->setCheckable(true);
    addSeparator(file, "mnuSep20");
    addItem(file, "mnuF", QStringLiteral("Neues &Fenster"), this, [this] { mnuF_Click(); });
    addSeparator(file, "sep15");
    addItem(file, "mnuFileExit", QStringLiteral("&Beenden "), this, [this] { Command17_Click(); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    view->setObjectName(QStringLiteral("mnuView"));
    addItem(view, "mnuBack", QStringLiteral("&Zurück"), this, [this] { Command6_Click(); });
    addItem(view, "mnuNext", QStringLiteral("&Weiter"), this, [this] { Command7_Click(); });
    addItem(view, "mnuStop", QStringLiteral("&Anhalten"), this, [this] { Command8_Click(); });
    addItem(
        view, "mnuActualize", QStringLiteral("A&ktualisieren"), this, [this] { Command9_Click(); });
    addItem(view, "mnuStart", QStringLiteral("Sta&rtseite"), this, [this] { mnuStart_Click(); });
    addItem(view, "mnuFind", QStringLiteral("D&urchsuchen"), this, [this] { mnuFind_Click(); });

    QMenu* favourites = menuBar()->addMenu(QStringLiteral("&Favoriten"));
    favourites->setObjectName(QStringLiteral("mnuFav"));
    addItem(favourites, "mnuFavZ", QStringLiteral("aktuelle Addresse &hinzufügen"), this,
        [this] { Command13_Click(); });
    addItem(favourites, "mnuFavL", QStringLiteral("alle Fa&voriten anzeigen"), this,
        [this] { Command14_Click(); });

    QMenu* extras = menuBar()->addMenu(QStringLiteral("&Extras"));
    extras->setObjectName(QStringLiteral("mnuExtras"));
    addItem(extras, "mnuHTMLShow", QStringLiteral("&HTML-Code der Seite zeigen"), this,
        [this] { Command15_Click(); });
    addItem(extras, "mnuSource", QStringLiteral("&Info"), this, [this] { mnuSource_Click(); });

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Optionen"));
    options->setObjectName(QStringLiteral("mnuHelp"));
    addItem(options, "mnuHelpAbout", QStringLiteral("&Browser Einstellungen..."), this,
        [this] { mnuHelpAbout_Click(); });
    addItem(
        options, "mnuI", QStringLiteral("Internet &Einstellungen"), this, [this] { mnuI_Click(); });

    connect(m_browser->page()->profile(), &QWebEngineProfile::downloadRequested, this,
        &frmExplorer::downloadRequested);
}

void frmExplorer::Command1_Click()
{
    navigateToAddressBox();
}

void frmExplorer::Command6_Click()
{
    m_timTimer.start();
    m_browser->GoBack();
}

void frmExplorer::Command7_Click()
{
    m_timTimer.start();
    m_browser->GoForward();
}

void frmExplorer::Command8_Click()
{
    m_timTimer.stop();
    m_browser->Stop();
    setWindowTitle(m_browser->LocationName());
}

void frmExplorer::Command9_Click()
{
    m_timTimer.start();
    m_browser->Refresh();
}

void frmExplorer::Command10_Click()
{
    m_timTimer.start();
    m_cboAddress->setEditText(m_startPage);
    navigateToAddressBox();
}

void frmExplorer::Command11_Click()
{
    m_timTimer.start();
    m_cboAddress->setEditText(m_searchEngine);
    navigateToAddressBox();
}

void frmExplorer::mnuStart_Click()
{
    m_timTimer.start();
    m_browser->Navigate(m_services.programs->homePage());
}

void frmExplorer::mnuFind_Click()
{
    m_timTimer.start();
    m_browser->Navigate(m_services.programs->searchPage());
}

void frmExplorer::Command12_Click()
{
    const std::optional<ProgramCall> mail = m_services.programs->mailProgram();
    if (mail && m_services.starter->start(mail->program, mail->arguments))
        return;
    m_services.messageBoxes->show(this, QStringLiteral("Fehler! E-Mail-Programm nicht verfügbar!"),
        QStringLiteral("Fehler"), MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
}

void frmExplorer::Command13_Click()
{
    favoriten_schreiben();
}

void frmExplorer::Command14_Click()
{
    m_windows.showFavourites();
}

void frmExplorer::Command15_Click()
{
    m_browser->Navigate(QStringLiteral("view-source:") + m_browser->LocationURL());
}

void frmExplorer::Command16_Click()
{
    if (m_services.openCaptureViewer)
        m_services.openCaptureViewer(this);
}

void frmExplorer::Command17_Click()
{
    close();
}

void frmExplorer::mnuFileOpen_Click()
{
    QString folder;
    const QString name = m_dialogs.ShowOpenDialog(this,
        QStringLiteral("HTML oder ActiveX-Dokumente öffnen"), folder, QString(),
        QStringLiteral("HTML (*.htm;*.html;*.vbd)")
            + QStringLiteral("|*.htm;*.html;*.vbd| Alle Dateien (*.*)|*.*"),
        QStringLiteral("*.*"));
    if (!folder.endsWith(u'/'))
        folder += u'/';
    if (name.isEmpty())
        return;
    m_cboAddress->setEditText(AddressText::forFile(folder + name));
    navigateToAddressBox();
}

void frmExplorer::mnuOff_Click()
{
    // The action has toggled its own check mark already.
    if (m_mnuOff->isChecked()) {
        m_browser->setOffline(true);
        // A local page loads again as before; a web page that is shown stays as it is (with
        // its text), rather than giving way to the notice that it cannot be loaded offline.
        const QUrl address = QUrl::fromUserInput(m_cboAddress->currentText());
        if (OfflineGuard::isLocalScheme(address.scheme()))
            navigateToAddressBox();
    } else {
        m_browser->setOffline(false);
    }
}

void frmExplorer::mnuF_Click()
{
    if (!m_services.programFile.isEmpty())
        m_services.starter->start(m_services.programFile, {});
}

void frmExplorer::mnuI_Click()
{
    const std::optional<ProgramCall> options = m_services.programs->internetOptions();
    if (options && m_services.starter->start(options->program, options->arguments))
        return;
    m_services.messageBoxes->show(this, QStringLiteral("Fehler! Informationen nicht verfügbar!"),
        QStringLiteral("Fehler"), MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
}

void frmExplorer::mnuHelpAbout_Click()
{
    m_windows.showSettings(this);
}

void frmExplorer::mnuSource_Click()
{
    m_windows.showAbout(this);
}

void frmExplorer::savePage(bool)
{
    // Both saving commands ask where the page goes; the page's own save writes it.
    m_browser->setFocus();
    m_browser->page()->triggerAction(QWebEnginePage::SavePage);
}

namespace {

// What a name asks for: a complete page (the HTML file and a folder of its parts) for .htm and
// .html, else an MHTML archive, one file that holds everything (.mht, .mhtml and any other).
QWebEngineDownloadRequest::SavePageFormat savePageFormatFor(const QString& name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QLatin1String("htm") || suffix == QLatin1String("html"))
        return QWebEngineDownloadRequest::CompleteHtmlSaveFormat;
    return QWebEngineDownloadRequest::MimeHtmlSaveFormat;
}

} // namespace

void frmExplorer::downloadRequested(QWebEngineDownloadRequest* download)
{
    if (download->page() != m_browser->page())
        return;
    QString folder = download->downloadDirectory();
    const bool isPage = download->isSavePageDownload();
    const QString name = isPage
        ? m_dialogs.ShowSaveDialog(this, QStringLiteral("HTML Seite speichern unter"), folder,
            QFileInfo(download->suggestedFileName()).completeBaseName() + QStringLiteral(".html"),
            QStringLiteral("HTML-Seite, vollständig (*.htm;*.html)|*.htm;*.html"
                           "|Webarchiv, eine Datei (*.mht;*.mhtml)|*.mht;*.mhtml"),
            QStringLiteral("*.html"))
        : m_dialogs.ShowSaveDialog(this, QStringLiteral("Datei speichern unter"), folder,
            download->suggestedFileName(), QStringLiteral("Alle Dateien (*)|*"), QString());
    if (name.isEmpty()) {
        download->cancel();
        return;
    }
    if (isPage)
        download->setSavePageFormat(savePageFormatFor(name));
    download->setDownloadDirectory(folder);
    download->setDownloadFileName(name);
    std::weak_ptr<int> alive = m_alive;
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this,
        [this, alive, download, isPage] {
            if (alive.expired()
                || download->state() != QWebEngineDownloadRequest::DownloadInterrupted)
                return;
            tellFileFailure((isPage ? QStringLiteral("Die Seite konnte nicht gespeichert werden: ")
                                    : QStringLiteral("Die Datei konnte nicht gespeichert werden: "))
                + download->interruptReasonString());
        });
    download->accept();
}

void frmExplorer::printInto(QPrinter* printer)
{
    QEventLoop wait;
    bool printed = false;
    auto finished = connect(m_browser, &QWebEngineView::printFinished, &wait, [&](bool ok) {
        printed = ok;
        wait.quit();
    });
    m_browser->print(printer);
    wait.exec();
    disconnect(finished);
    if (!printed)
        tellFileFailure(QStringLiteral("Die Seite konnte nicht gedruckt werden."));
}

void frmExplorer::printPage()
{
    m_browser->setFocus();
    QPrinter printer(QPrinter::HighResolution);
    if (m_services.printDialogs->choosePrinter(printer, this))
        printInto(&printer);
}

void frmExplorer::printPreview()
{
    m_browser->setFocus();
    QPrinter printer(QPrinter::HighResolution);
    m_services.printDialogs->showPreview(
        printer, this, [this](QPrinter* pages) { printInto(pages); });
}

} // namespace suite::browser
