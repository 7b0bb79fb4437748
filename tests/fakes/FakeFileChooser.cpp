#include "fakes/FakeFileChooser.h"

namespace suite::test {

QString FakeFileChooser::chooseFile(const FileRequest& request)
{
    m_requests << request;
    return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
}

} // namespace suite::test
