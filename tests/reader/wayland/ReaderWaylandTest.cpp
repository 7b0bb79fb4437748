// The reader's clipboard watch on a Wayland session (headless sway with XWayland): a text a
// Wayland program copies is read through the compositor's data control, whatever window has
// the focus, and the Wayland clipboard is emptied afterwards.
#include "ReaderFixture.h"
#include "fakes/TextPicture.h"
#include "reader/WaylandClipboard.h"

#include <QCheckBox>
#include <QProcess>
#include <QTemporaryDir>

using suite::test::ReaderFixture;

namespace {

bool run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr,
    const QString& input = {})
{
    QProcess process;
    if (!input.isEmpty())
        process.setStandardInputFile(input);
    process.start(program, arguments);
    const bool done = process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    if (output)
        *output = process.readAllStandardOutput();
    return done;
}

class readerWayland : public ReaderFixture {
protected:
    readerWayland() { writeIni("[Begruessung]\r\nB=0\r\n[Verabschiedung]\r\nV=0\r\n"); }

    suite::reader::Clipboard& clipboardSeam() override { return *m_clipboard; }

    int timesSpoken(const QString& text) const { return spoken().count("\\Spd=150\\" + text); }

    // What a Wayland program pastes now; nothing when the clipboard is empty.
    static std::optional<QByteArray> pasted()
    {
        QByteArray text;
        if (!run(QStringLiteral("wl-paste"), { QStringLiteral("--no-newline") }, &text))
            return std::nullopt;
        return text;
    }

    // Copies as a Wayland program, read within two seconds once, and the clipboard emptied.
    void readOnceAndEmptied(const QString& text)
    {
        const int before = timesSpoken(text);
        ASSERT_TRUE(run(QStringLiteral("wl-copy"), { text }));
        EXPECT_TRUE(QTest::qWaitFor([&] { return timesSpoken(text) > before; }, 2000))
            << "not read within two seconds";
        EXPECT_TRUE(QTest::qWaitFor([] { return !pasted().has_value(); }, 2000))
            << "the Wayland clipboard still holds " << pasted().value_or("").toStdString();
        QTest::qWait(2500); // two more looks of the watch
        EXPECT_EQ(timesSpoken(text), before + 1);
    }

    std::unique_ptr<suite::reader::Clipboard> m_clipboard = suite::reader::openDesktopClipboard();
};

} // namespace

TEST_F(readerWayland, AWaylandCopyIsReadOnceWithNothingAndWithAWaylandWindowFocused)
{
    ASSERT_NE(dynamic_cast<suite::reader::WaylandClipboard*>(m_clipboard.get()), nullptr);
    ASSERT_TRUE(start(false));
    forgetRequests();
    readOnceAndEmptied(QStringLiteral("Grüße"));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    QProcess window;
    window.setProcessEnvironment(environment);
    window.start(QStringLiteral(WAYLAND_TEST_WINDOW), { QStringLiteral("text") });
    ASSERT_TRUE(window.waitForReadyRead(10000));
    readOnceAndEmptied(QStringLiteral("Grüße aus Wayland"));
    window.kill();
    window.waitForFinished();
}

// With "Text in Bildern vorlesen" on, a picture a Wayland program copies is read once.
TEST_F(readerWayland, AWaylandCopiedPictureIsReadOnce)
{
    writeIni("[Begruessung]\r\nB=0\r\n[Verabschiedung]\r\nV=0\r\n[Bildtext]\r\nVorlesen=1\r\n");
    ASSERT_TRUE(start(false));
    ASSERT_TRUE(control<QCheckBox>("chkBildtext")->isChecked());
    forgetRequests();
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("satz.png"));
    ASSERT_TRUE(suite::test::textPicture(suite::test::GermanSentence).save(file));
    ASSERT_TRUE(run(QStringLiteral("wl-copy"),
        { QStringLiteral("--type"), QStringLiteral("image/png") }, nullptr, file));
    const auto sentenceSpoken = [&] {
        const QStringList texts = spoken();
        return std::count_if(texts.begin(), texts.end(), [&](const QString& text) {
            return suite::test::wordsOf(text.mid(QStringLiteral("\\Spd=150\\").size()))
                == suite::test::wordsOf(suite::test::GermanSentence);
        });
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return sentenceSpoken() == 1; }, 60000));
    QTest::qWait(2500); // two more looks of the watch
    EXPECT_EQ(sentenceSpoken(), 1) << "read once";
}
