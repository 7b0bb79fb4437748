// zifferio: the talking calculator.
#include "calculator/Calculator.h"
#include "core/CommandLine.h"
#include "core/Platform.h"
#include "speech/SpeechEngineFactory.h"
#include "widgets/FocusMarkStyle.h"
#include "widgets/GermanTranslations.h"
#include "widgets/MessageBoxesDialog.h"
#include "widgets/SpeechNotice.h"
#include "widgets/SpeechSynthesizer.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    suite::CommandLine commandLine(QStringLiteral("zifferio"));
    if (commandLine.handle(argc, argv))
        return commandLine.exitCode();
    suite::chooseQtPlatform();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zifferio"));
    suite::installGermanQtTranslations();
    suite::installFocusMarks();

    const std::unique_ptr<suite::SpeechEngine> engine = suite::createSpeechEngine();
    suite::MessageBoxesDialog messageBoxes;
    auto* synthesizer = new suite::SpeechSynthesizer(*engine); // the window takes it over
    suite::calc::Calculator calculator(*synthesizer, synthesizer, messageBoxes);
    calculator.show();
    // Drawing the icon in every size a window manager is offered takes milliseconds that the
    // window, already on its way to the screen, need not wait for.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zifferio.svg")));
    suite::tellIfSpeechUnavailable(*engine, messageBoxes, &calculator);
    return QApplication::exec();
}
