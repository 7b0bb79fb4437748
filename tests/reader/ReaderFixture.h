#pragma once

#include "fakes/FakeAgentControl.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileChooser.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/QtPrinters.h"
#include "reader/Agent.h"
#include "reader/ReaderApplication.h"
#include "reader/RichTextField.h"
#include "reader/SpokenWordFeed.h"
#include "reader/SystemClipboard.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace suite::test {

// One reader program as a user meets it: a character folder, a program folder for the
// settings file, the recording agent, and the real window driven headless.
class ReaderFixture : public ::testing::Test {
protected:
    ReaderFixture()
    {
        // The farewell wait reads the clock in a loop; each reading moves it on.
        clock.setStepPerReadingMs(250);
        addCharacters({ "Genie.acs", "Merlin.acs", "Robby.acs" });
    }

    ~ReaderFixture() override
    {
        if (app && app->window())
            app->window()->hide();
    }

    void addCharacters(const QStringList& files)
    {
        for (const QString& name : files) {
            QFile file(characterDir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(name);
        }
    }

    void writeIni(const QByteArray& text, const QString& name = "Agent.ini")
    {
        QFile file(QDir(programFolder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(text), text.size());
    }

    QByteArray iniText(const QString& name = "Agent.ini") const
    {
        QFile file(QDir(programFolder).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Starts the program, which hides in tray mode, and opens its window from the icon's
    // menu as a user does; a test of tray mode itself starts with openWindow false.
    bool start(bool openWindow = true)
    {
        reader::ReaderServices services { agent, boxes, chooser, clock, clipboardSeam(),
            programFolder + "/", characterDir.path(), &words };
        app = std::make_unique<reader::ReaderApplication>(edition, services, [this] { ++quits; });
        const bool running = app->start();
        if (running && openWindow) {
            window()->findChild<QAction*>("mnuAnzeige")->trigger();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window()));
        }
        return running;
    }

    virtual reader::Clipboard& clipboardSeam() { return clipboard; }

    reader::Agent* window() const { return app ? app->window() : nullptr; }

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = window() ? window()->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    reader::RichTextField* field() const { return control<reader::RichTextField>("RT1"); }

    void click(const char* name)
    {
        if (auto* button = control<QAbstractButton>(name))
            QTest::mouseClick(button, Qt::LeftButton);
    }

    // Types into the field as a user does, key by key; letters beyond ASCII come as the key
    // of a German keyboard would send them.
    void type(const QString& text)
    {
        field()->setFocus();
        for (const QChar c : text) {
            if (c.unicode() < 128) {
                QTest::keyClicks(field(), QString(c));
                continue;
            }
            const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Press, field(), key, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, field(), key, QString(c), Qt::NoModifier);
        }
    }

    void closeWindow()
    {
        if (window())
            window()->close();
    }

    // Every request in order, as "op" or "op(arg, arg)".
    QStringList requests() const
    {
        QStringList out;
        for (const FakeCall& call : agent.log().calls()) {
            QStringList args;
            for (const QJsonValue& arg : call.args)
                args << (arg.isDouble() ? QString::number(arg.toInt()) : arg.toString());
            out << (args.isEmpty() ? call.op : call.op + "(" + args.join(", ") + ")");
        }
        return out;
    }

    // The texts handed to Speak, in order.
    QStringList spoken() const { return agent.log().spoken(); }

    // Forgets what the start asked for, so a test sees only what follows.
    void forgetRequests() { agent.log().clear(); }

    reader::ReaderEdition edition = reader::ReaderEdition::lautbote();
    QTemporaryDir programDir;
    QString programFolder = programDir.path(); // where the settings file lives
    QTemporaryDir characterDir;
    mutable FakeAgentControl agent;
    FakeMessageBoxes boxes;
    FakeFileChooser chooser;
    FakeClock clock;
    reader::SystemClipboard clipboard;
    reader::SpokenWordFeed words;
    std::unique_ptr<reader::ReaderApplication> app;
    int quits = 0;
};

inline QString greeting()
{
    return QStringLiteral(
        "\\Spd=150\\Guten Tag mein Herr, bist Du zu Hause ? Ich bin dein persönlicher Diener ! "
        "Ich spreche Dir Text vor, der vorher in die Zwischenablage kopiert wurde. Ich bin für "
        "Dich bereit. Für weitere Informationen klicke auf das Symbol neben der Uhr !");
}

} // namespace suite::test
