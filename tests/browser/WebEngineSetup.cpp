// Qt WebEngine wants two things settled before the test main makes the QApplication: shared
// OpenGL contexts, and (only when the tests run as root) its sandbox switched off.
#include <QCoreApplication>

#include <unistd.h>

namespace {

const bool webEngineReady = [] {
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();

} // namespace
