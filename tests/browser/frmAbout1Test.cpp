#include "browser/frmAbout1.h"
#include "browser/BrowserIni.h"
#include "browser/DesktopPrograms.h"
#include "core/KeyStore.h"
#include "core/Twips.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeProgramStarter.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using suite::KeyStore;
using suite::MessageBoxes;
using suite::browser::BrowserIni;
using suite::browser::DesktopPrograms;
using suite::browser::frmAbout1;
using suite::test::FakeMessageBoxes;
using suite::test::FakeProgramStarter;

namespace {

KeyStore::Sources sourcesWith(const QString& sysInfo)
{
    KeyStore::Sources sources;
    sources.findProgram = [sysInfo](const QString& name) {
        return name == QLatin1String("hardinfo") ? sysInfo : QString();
    };
    return sources;
}

class Settings : public ::testing::Test {
protected:
    Settings()
        : keys(sourcesWith("/usr/bin/hardinfo"))
        , programs(
              keys, [](const QString&) { return QString(); }, [](const QString&) { return false; })
        , ini(dir.filePath("Browser.ini"))
    {
    }

    QPointer<frmAbout1> open(const DesktopPrograms& with)
    {
        auto* dialog = new frmAbout1(ini, boxes, starter, with);
        dialog->show();
        return dialog;
    }
    QByteArray bytes() const
    {
        QFile file(ini);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static QLineEdit* field(frmAbout1* dialog, const char* name)
    {
        return dialog->findChild<QLineEdit*>(name);
    }

    QTemporaryDir dir;
    KeyStore keys;
    DesktopPrograms programs;
    QString ini;
    FakeMessageBoxes boxes;
    FakeProgramStarter starter;
};

} // namespace

TEST_F(Settings, ShowsItsDesignTextsAndSavesTrimmedValues)
{
    QPointer<frmAbout1> dialog = open(programs);
    EXPECT_EQ(dialog->windowTitle(), "Info");
    EXPECT_EQ(field(dialog, "Text1")->text(), BrowserIni::initialStartPage());
    EXPECT_EQ(field(dialog, "Text2")->text(), BrowserIni::defaultSearchEngine());
    // The two engraved separators are the line array Line1(0) to Line1(3).
    const double dpi = dialog->logicalDpiY();
    for (const auto& [name, twips] : { std::pair { "Line10", 840 }, { "Line11", 840 },
             { "Line12", 2520 }, { "Line13", 2520 } }) {
        const QWidget* line = dialog->findChild<QWidget*>(name);
        ASSERT_NE(line, nullptr) << name;
        EXPECT_NEAR(line->y(), suite::twips::toPixels(twips, dpi), 1) << name;
    }
    field(dialog, "Text1")->setText("  file:///start.html  ");
    field(dialog, "Text2")->setText("");
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(bytes(), "[Startseite]\r\nSS file:///start.html\r\n[Suchmaschine]\r\nSM \r\n");
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull()); // unloaded: the next one shows the design texts again
}

TEST_F(Settings, EscapeSavesLikeSpeichernButTheCloseBoxDoesNot)
{
    QPointer<frmAbout1> dialog = open(programs);
    field(dialog, "Text1")->setText("file:///esc.html");
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(bytes().contains("SS file:///esc.html\r\n"));

    QPointer<frmAbout1> second = open(programs);
    field(second, "Text1")->setText("file:///closed.html");
    second->close();
    EXPECT_FALSE(bytes().contains("closed"));
}

TEST_F(Settings, AnUnwritableFileKeepsTheDialogOpenAndSaysWhy)
{
    const QString blocked = dir.filePath("no-such-folder/Browser.ini");
    auto* dialog = new frmAbout1(blocked, boxes, starter, programs);
    QPointer<frmAbout1> guard = dialog;
    dialog->show();
    QTest::keyClick(dialog, Qt::Key_Return);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes().first().text.contains("Browser.ini"));
    EXPECT_TRUE(dialog->isVisible());
    delete guard;
}

TEST_F(Settings, SystemInfoStartsTheProgramOrSaysItIsMissing)
{
    QPointer<frmAbout1> dialog = open(programs);
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    ASSERT_EQ(starter.starts().size(), 1);
    EXPECT_EQ(starter.starts().first().program, "/usr/bin/hardinfo");
    EXPECT_TRUE(boxes.boxes().isEmpty());

    starter.setNextResult(suite::Result::failure("kaputt"));
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().text, "System Information nicht verfügbar!");

    const KeyStore empty(sourcesWith(QString()));
    const DesktopPrograms none(
        empty, [](const QString&) { return QString(); }, [](const QString&) { return false; });
    QPointer<frmAbout1> bare = open(none);
    QTest::mouseClick(bare->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(starter.starts().size(), 2);
    delete dialog;
    delete bare;
}
