// tippe: sends a key sequence in the key notation to the window with the keyboard focus.
#include "browser/capture/KeyboardDevice.h"
#include "browser/capture/MSendInput.h"
#include "core/CommandLine.h"
#include "core/Platform.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int MaxDelayMs = 10000;

int usageError(const QString& why)
{
    std::fprintf(
        stderr, "tippe: %s\nAufruf: tippe [--delay MS] [--] TASTENFOLGE\n", qPrintable(why));
    return 2;
}

struct Arguments {
    int delayMs = 0;
    QStringList words; // the sequence, as the shell split it
    QString error; // empty when the arguments are usable
};

// Every argument before "--" that starts with "-" is an option, wherever it stands: an
// option that was mistyped must never be typed into the focused window. A sequence that
// starts with "-" comes after "--".
Arguments readArguments(const QStringList& arguments)
{
    Arguments read;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            read.words += arguments.mid(i + 1);
            break;
        }
        if (!argument.startsWith(u'-')) {
            read.words.append(argument);
            continue;
        }
        QString delay;
        if (argument.startsWith(QLatin1String("--delay="))) {
            delay = argument.mid(8);
        } else if (argument == QLatin1String("--delay") || argument == QLatin1String("-d")) {
            if (++i == arguments.size()) {
                read.error
                    = QStringLiteral("%1 braucht eine Zahl von Millisekunden.").arg(argument);
                return read;
            }
            delay = arguments.at(i);
        } else {
            read.error = QStringLiteral("unbekannte Option „%1“; nichts wurde getippt. Eine "
                                        "Tastenfolge, die mit - beginnt, steht nach --.")
                             .arg(argument);
            return read;
        }
        bool ok = false;
        read.delayMs = delay.toInt(&ok);
        if (!ok || read.delayMs < 0 || read.delayMs > MaxDelayMs) {
            read.error = QStringLiteral("--delay braucht eine Zahl von 0 bis %1 (Millisekunden), "
                                        "nicht „%2“.")
                             .arg(MaxDelayMs)
                             .arg(delay);
            return read;
        }
    }
    if (read.words.isEmpty())
        read.error = QStringLiteral("Es fehlt die Tastenfolge.");
    return read;
}

} // namespace

int main(int argc, char** argv)
{
    suite::dropHarmlessQtNotes();
    suite::CommandLine commandLine(QStringLiteral("tippe"));
    if (commandLine.handle(argc, argv))
        return commandLine.exitCode();
    QCoreApplication app(argc, argv);

    // The arguments as Qt decodes them from the locale; the first is the program.
    const Arguments arguments = readArguments(QCoreApplication::arguments().mid(1));
    if (!arguments.error.isEmpty())
        return usageError(arguments.error);
    // Several arguments are one sequence with blanks between them, as the shell split it.
    const QString sequence = arguments.words.join(u' ');

    const std::unique_ptr<suite::browser::KeyboardDevice> keyboard
        = suite::browser::openKeyboardDevice(arguments.delayMs);
    suite::browser::MSendInput sender(*keyboard, *keyboard);
    const suite::Result sent = sender.SendKeysInput(sequence);
    if (!sent) {
        std::fprintf(stderr, "tippe: %s\n", qPrintable(sent.error));
        return 1;
    }
    return 0;
}
