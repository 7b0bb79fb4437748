#include "widgets/ProgramIcon.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

namespace suite {

void setProgramIcon(const QString& resource)
{
    QTimer::singleShot(0, qApp, [resource] { QApplication::setWindowIcon(QIcon(resource)); });
}

} // namespace suite
