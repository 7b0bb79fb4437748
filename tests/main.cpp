// The one test main of the suite. Built twice: with SUITE_TEST_GUI a QApplication exists
// (offscreen unless the run chose a platform), otherwise a QCoreApplication.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#ifdef SUITE_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv)
{
#ifdef SUITE_TEST_GUI
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    ::testing::InitGoogleMock(&argc, argv);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
