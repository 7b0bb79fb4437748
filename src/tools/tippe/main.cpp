// tippe: sends a key sequence in the key notation to the window with the keyboard focus.
#include "browser/capture/KeyboardDevice.h"
#include "browser/capture/MSendInput.h"
#include "core/CommandLine.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int MaxDelayMs = 10000;

int usageError(const QString& why)
{
    std::fprintf(stderr, "tippe: %s\nAufruf: tippe [--delay MS] TASTENFOLGE\n", qPrintable(why));
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    suite::CommandLine commandLine(QStringLiteral("tippe"),
        QStringLiteral("Tippt eine Tastenfolge in das Fenster, das gerade die Tastatur hat. "
                       "Schreibweise: Zeichen wie sie sind, + Umschalt, ^ Strg, % Alt für das "
                       "Folgende, (…) als Gruppe, {TAB}, {ENTER 3} usw. für benannte Tasten, "
                       "~ für Enter. --delay MS wartet vor jedem Tastendruck."),
        QStringLiteral("[--delay MS] TASTENFOLGE"));
    if (commandLine.handle(argc, argv))
        return commandLine.exitCode();
    QCoreApplication app(argc, argv);

    // The arguments as Qt decodes them from the locale; the first is the program.
    QStringList arguments = QCoreApplication::arguments().mid(1);
    int delayMs = 0;
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--delay")) {
        if (arguments.size() < 2)
            return usageError(QStringLiteral("--delay braucht eine Zahl von Millisekunden."));
        bool ok = false;
        delayMs = arguments.at(1).toInt(&ok);
        if (!ok || delayMs < 0 || delayMs > MaxDelayMs)
            return usageError(
                QStringLiteral("--delay braucht eine Zahl von 0 bis %1 (Millisekunden), nicht "
                               "„%2“.")
                    .arg(MaxDelayMs)
                    .arg(arguments.at(1)));
        arguments = arguments.mid(2);
    }
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--"))
        arguments.removeFirst();
    if (arguments.isEmpty())
        return usageError(QStringLiteral("Es fehlt die Tastenfolge."));
    // Several arguments are one sequence with blanks between them, as the shell split it.
    const QString sequence = arguments.join(u' ');

    const std::unique_ptr<suite::browser::KeyboardDevice> keyboard
        = suite::browser::openKeyboardDevice(delayMs);
    suite::browser::MSendInput sender(*keyboard, *keyboard);
    const suite::Result sent = sender.SendKeysInput(sequence);
    if (!sent) {
        std::fprintf(stderr, "tippe: %s\n", qPrintable(sent.error));
        return 1;
    }
    return 0;
}
