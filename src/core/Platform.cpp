#include "core/Platform.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace suite {

namespace {

QtMessageHandler previousHandler = nullptr;

bool isHarmlessNote(QtMsgType type, const QString& message)
{
    return type == QtWarningMsg
        && (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))
            || message == QLatin1String("This plugin does not support raise()"));
}

void passOnAllButHarmlessNotes(
    QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!isHarmlessNote(type, message))
        previousHandler(type, context, message);
}

} // namespace

void chooseQtPlatform()
{
    dropHarmlessQtNotes();
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    qputenv("QT_QPA_PLATFORM",
        QByteArray(qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb"));
}

void dropHarmlessQtNotes()
{
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(passOnAllButHarmlessNotes);
}

} // namespace suite
