#pragma once

#include "browser/BrowserServices.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace suite::browser {

class Form2;
class frmAbout;
class frmAbout1;
class frmExplorer;

// The program's windows: the browser windows (the first one is the main window) and the
// windows that exist once for the program, the settings dialog, the favourites and the about
// window, each made when first needed.
class BrowserWindows final : public QObject {
    Q_OBJECT
public:
    explicit BrowserWindows(BrowserServices services);
    ~BrowserWindows() override;

    const BrowserServices& services() const { return m_services; }

    // The first browser window, started up and shown, at the given address instead of the
    // start page when there is one.
    frmExplorer* openMainWindow(const QString& firstAddress = QString());
    // A further browser window, started up (for a page that opens a window).
    frmExplorer* createWindow(const QString& firstAddress = QString());
    // The favourites work on the main window; when it has been closed, on the oldest open one.
    frmExplorer* mainWindow() const;
    QList<frmExplorer*> browserWindows() const;

    // Made hidden when not loaded (reading Browser.ini fills its fields).
    frmAbout1& settingsDialog();
    frmAbout1* loadedSettingsDialog() const;
    void showSettings(QWidget* owner);
    Form2* loadedFavourites() const;
    void showFavourites();
    frmAbout* loadedAbout() const;
    void showAbout(QWidget* owner);
    // A browser window closes: the shared windows go (settings, favourites, about).
    void unloadSharedWindows();

signals:
    void windowCreated(frmExplorer* window);

private:
    BrowserServices m_services;
    QList<QPointer<frmExplorer>> m_windows;
    QPointer<frmAbout1> m_settings;
    QPointer<Form2> m_favourites;
    QPointer<frmAbout> m_about;
};

} // namespace suite::browser
