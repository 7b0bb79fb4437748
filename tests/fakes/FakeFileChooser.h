#pragma once

#include "widgets/FileChooser.h"

#include <QList>
#include <QStringList>

namespace suite::test {

// Answers file requests without a dialog: with the paths set beforehand, in order, and with
// cancel once none is left. Every request is kept for the test to look at.
class FakeFileChooser final : public FileChooser {
public:
    QString chooseFile(const FileRequest& request) override;

    void setNextFileName(const QString& fullPath) { m_answers << fullPath; }
    void setNextCancel() { m_answers << QString(); }

    const QList<FileRequest>& requests() const { return m_requests; }
    FileRequest lastRequest() const { return m_requests.value(m_requests.size() - 1); }

private:
    QStringList m_answers;
    QList<FileRequest> m_requests;
};

} // namespace suite::test
