#pragma once

#include "browser/BrowserServices.h"
#include "browser/BrowserWindows.h"
#include "browser/DesktopPrograms.h"
#include "browser/SpeechTurns.h"
#include "core/KeyStore.h"
#include "fakes/FakeConnectionCheck.h"
#include "fakes/FakeFileChooser.h"
#include "fakes/FakeHostLookup.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakePrintDialogs.h"
#include "fakes/FakeProgramStarter.h"
#include "fakes/FakeSpeechEngine.h"
#include "fakes/FakeSynthesizer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

class QPlainTextEdit;

namespace suite::browser {
class frmExplorer;
}

namespace suite::test {

// The browser's windows with recording doubles around them, on local pages written into a
// temporary folder (which is also the program directory).
class BrowserWindowFixture : public ::testing::Test {
protected:
    BrowserWindowFixture();
    ~BrowserWindowFixture() override;

    // Writes the page and gives its file:// address.
    QString page(const QString& name, const QString& html) const;
    void writeIni(const QString& startPage, const QString& searchEngine) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray fileBytes(const QString& name) const;

    // The main window, started up; waits for the start page's text when there is one.
    browser::frmExplorer* openBrowser(bool waitForStartPage = true);
    // Waits for the next "page text ready" of the window; false after 20 s.
    static bool waitForText(browser::frmExplorer* window);
    // Types the address and clicks "Go", then waits for the page's text.
    static bool go(browser::frmExplorer* window, const QString& address);
    static QString text1(browser::frmExplorer* window);
    static QPlainTextEdit* text1Box(browser::frmExplorer* window);
    static void click(QWidget* window, const char* name);
    static void trigger(QWidget* window, const char* name);
    // A script's answer on the window's page.
    static QVariant evaluate(browser::frmExplorer* window, const QString& script);

    QTemporaryDir dir;
    FakeSynthesizer synth;
    FakeSpeechEngine speechEngine;
    browser::SpeechTurns turns { speechEngine };
    FakeMessageBoxes boxes;
    FakeFileChooser chooser;
    FakeProgramStarter starter;
    FakeHostLookup hostLookup;
    FakeConnectionCheck connection;
    FakePrintDialogs printDialogs;
    KeyStore keys;
    browser::DesktopPrograms programs;
    std::unique_ptr<browser::BrowserWindows> windows;
    browser::BrowserServices services;
};

} // namespace suite::test
