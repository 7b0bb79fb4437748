#include "speech/SpeechEngineFactory.h"

#include "speech/EspeakEngine.h"
#include "speech/SpeechLog.h"
#include "speech/SpeechdEngine.h"

#include <cstdio>

namespace suite {

std::unique_ptr<SpeechEngine> createSpeechEngine(const QString& choice, QString* notice)
{
    QString wanted = choice.isEmpty() ? qEnvironmentVariable("SPRACHAUSGABE_ENGINE") : choice;
    wanted = wanted.trimmed().toLower();
    QString why;
    if (wanted == QLatin1String(speechdEngineName)) {
        auto speechd = std::make_unique<SpeechdEngine>();
        if (const Result reached = speechd->availability()) {
            SpeechLog::setEngine(QLatin1String(speechdEngineName));
            return speechd;
        } else {
            why = reached.error;
        }
    } else if (!wanted.isEmpty() && wanted != QLatin1String(espeakEngineName)
        && wanted != QLatin1String("espeak")) {
        why = QStringLiteral("Die Sprachausgabe „%1“ gibt es nicht (espeak-ng oder speechd).")
                  .arg(wanted.left(40));
    }
    if (!why.isEmpty()) {
        const QString message = QStringLiteral("%1 Es spricht espeak-ng.").arg(why);
        std::fprintf(stderr, "Sprachausgabe: %s\n", qPrintable(message));
        if (notice)
            *notice = message;
    }
    SpeechLog::setEngine(QLatin1String(espeakEngineName));
    return std::make_unique<EspeakEngine>();
}

} // namespace suite
