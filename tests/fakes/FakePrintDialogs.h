#pragma once

#include "browser/PrintDialogs.h"

#include <QPrinter>
#include <QString>

namespace suite::test {

// Stands in for the print and preview dialogs: the printer is pointed at a PDF file instead,
// and every dialog that would have opened is counted.
class FakePrintDialogs final : public browser::PrintDialogs {
public:
    bool choosePrinter(QPrinter& printer, QWidget*) override
    {
        ++m_printDialogs;
        if (m_cancel)
            return false;
        toPdf(printer);
        return true;
    }

    void showPreview(
        QPrinter& printer, QWidget*, const std::function<void(QPrinter*)>& paint) override
    {
        ++m_previews;
        toPdf(printer);
        paint(&printer);
    }

    // Where the pages go; the print dialog is cancelled instead when setCancel(true).
    void setPdfFile(const QString& path) { m_pdfFile = path; }
    void setCancel(bool cancel) { m_cancel = cancel; }
    int printDialogs() const { return m_printDialogs; }
    int previews() const { return m_previews; }

private:
    void toPdf(QPrinter& printer) const
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pdfFile);
    }

    QString m_pdfFile;
    bool m_cancel = false;
    int m_printDialogs = 0;
    int m_previews = 0;
};

} // namespace suite::test
