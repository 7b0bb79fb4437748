#include "browser/BrowserWindows.h"

#include "browser/BrowserIni.h"
#include "browser/FavouritesFile.h"
#include "browser/Form2.h"
#include "browser/frmAbout.h"
#include "browser/frmAbout1.h"
#include "browser/frmExplorer.h"

#include <QComboBox>

namespace suite::browser {

BrowserWindows::BrowserWindows(BrowserServices services)
    : m_services(std::move(services))
{
}

BrowserWindows::~BrowserWindows()
{
    delete m_about;
    delete m_favourites;
    delete m_settings;
    for (const QPointer<frmExplorer>& window : std::as_const(m_windows))
        delete window;
}

frmExplorer* BrowserWindows::openMainWindow(const QString& firstAddress)
{
    frmExplorer* window = createWindow(firstAddress);
    window->show();
    return window;
}

frmExplorer* BrowserWindows::createWindow(const QString& firstAddress)
{
    auto* window = new frmExplorer(*this);
    m_windows << window;
    emit windowCreated(window);
    window->Form_Load(firstAddress);
    return window;
}

frmExplorer* BrowserWindows::mainWindow() const
{
    for (const QPointer<frmExplorer>& window : m_windows) {
        if (window)
            return window;
    }
    return nullptr;
}

QList<frmExplorer*> BrowserWindows::browserWindows() const
{
    QList<frmExplorer*> open;
    for (const QPointer<frmExplorer>& window : m_windows) {
        if (window)
            open << window;
    }
    return open;
}

frmAbout1& BrowserWindows::settingsDialog()
{
    if (!m_settings) {
        m_settings = new frmAbout1(m_services.programDir + BrowserIni::fileName(),
            *m_services.messageBoxes, *m_services.starter, *m_services.programs);
    }
    return *m_settings;
}

frmAbout1* BrowserWindows::loadedSettingsDialog() const
{
    return m_settings;
}

Form2* BrowserWindows::loadedFavourites() const
{
    return m_favourites;
}

frmAbout* BrowserWindows::loadedAbout() const
{
    return m_about;
}

void BrowserWindows::showSettings(QWidget* owner)
{
    frmAbout1& dialog = settingsDialog();
    dialog.setParent(owner, dialog.windowFlags());
    dialog.exec();
}

void BrowserWindows::showFavourites()
{
    if (!m_favourites) {
        m_favourites = new Form2(m_services.programDir + FavouritesFile::fileName(),
            *m_services.messageBoxes, [this](const QString& address) {
                frmExplorer* window = mainWindow();
                if (!window)
                    return;
                window->addressBox()->setEditText(address);
                window->Klick();
            });
    }
    // Read afresh each time: a window kept loaded would otherwise show, and on a removal
    // write back, the list as it was when it was first shown.
    m_favourites->Form_Load();
    m_favourites->show();
    m_favourites->raise();
    m_favourites->activateWindow();
}

void BrowserWindows::showAbout(QWidget* owner)
{
    if (!m_about)
        m_about = new frmAbout(*m_services.messageBoxes, owner);
    m_about->exec();
}

void BrowserWindows::unloadSharedWindows()
{
    // deleteLater: one of them may be the window whose handler is running right now.
    if (m_settings)
        m_settings->deleteLater();
    if (m_favourites)
        m_favourites->deleteLater();
    if (m_about)
        m_about->unload();
    m_settings = nullptr;
    m_favourites = nullptr;
    m_about = nullptr;
}

} // namespace suite::browser
