// Test entry: one application object for widget tests, and scripted answers
// for every modal question, so that no test ever waits on a window.  A
// question the script did not expect fails the test at once; an expected
// question that was never asked fails it at its end.
#include "common/TestSupport.h"
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class AnswererListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        ScriptedAnswerer::instance().clearAsked();
    }
    // Runs before the result printer reports the test, so a failure here
    // counts against this test and not the next one.
    void OnTestEnd(const ::testing::TestInfo&) override { ScriptedAnswerer::instance().verifyDone(); }
};
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A runtime folder of this run's own: the program's single-instance
    // guard never meets another test run or a running copy of the program.
    QTemporaryDir runtimeDir;
    if (runtimeDir.isValid()) qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    SetDialogAnswerer(&ScriptedAnswerer::instance());
    ::testing::UnitTest::GetInstance()->listeners().Append(new AnswererListener);
    return RUN_ALL_TESTS();
}
