#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace suite::browser {

// The print and print-preview dialogs the browser window opens over its page.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // Lets the user choose and set up the printer; false when the dialog was cancelled.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
    // Shows the preview, which calls paint whenever it needs the pages drawn.
    virtual void showPreview(
        QPrinter& printer, QWidget* parent, const std::function<void(QPrinter*)>& paint)
        = 0;
};

// Qt's own print and print-preview dialogs.
class QtPrintDialogs final : public PrintDialogs {
public:
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
    void showPreview(
        QPrinter& printer, QWidget* parent, const std::function<void(QPrinter*)>& paint) override;
};

} // namespace suite::browser
