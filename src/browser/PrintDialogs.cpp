#include "browser/PrintDialogs.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace suite::browser {

bool QtPrintDialogs::choosePrinter(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrintDialogs::showPreview(
    QPrinter& printer, QWidget* parent, const std::function<void(QPrinter*)>& paint)
{
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, paint);
    preview.exec();
}

} // namespace suite::browser
