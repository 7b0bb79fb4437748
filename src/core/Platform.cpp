#include "core/Platform.h"

#include <QByteArray>
#include <QtGlobal>

namespace suite {

void chooseQtPlatform()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    qputenv("QT_QPA_PLATFORM",
            QByteArray(qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb"));
}

} // namespace suite
