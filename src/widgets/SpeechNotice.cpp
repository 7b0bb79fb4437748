#include "widgets/SpeechNotice.h"

#include "speech/SpeechEngine.h"
#include "widgets/MessageBoxes.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace suite {

bool tellIfSpeechUnavailable(
    const SpeechEngine& engine, MessageBoxes& boxes, QWidget* owner, const QString& title)
{
    const Result available = engine.availability();
    if (available)
        return false;
    // The terminal hears it too: a program started from a script has nobody at the box.
    std::fprintf(stderr, "Sprachausgabe nicht verfügbar: %s\n", qPrintable(available.error));
    const QString text = QStringLiteral("Die Sprachausgabe ist nicht verfügbar:\r\n%1\r\n\r\nDas "
                                        "Programm läuft weiter, spricht aber nichts, bis "
                                        "espeak-ng mit der deutschen Stimme installiert ist.")
                             .arg(available.error);
    QTimer::singleShot(
        0, QCoreApplication::instance(), [&boxes, text, title, owner = QPointer<QWidget>(owner)] {
            boxes.show(owner, text, title, MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
        });
    return true;
}

} // namespace suite
