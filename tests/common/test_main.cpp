// Test entry: one application object for widget tests, and scripted answers
// for every modal question, so that no test ever waits on a window.  A test
// that leaves expected questions unasked should call verifyDone(); the
// fixture helper SB_VERIFY_DIALOGS() does so.
#include "common/TestSupport.h"
#include <QApplication>
#include <gtest/gtest.h>

namespace {
class AnswererListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        ScriptedAnswerer::instance().clearAsked();
    }
};
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    SetDialogAnswerer(&ScriptedAnswerer::instance());
    ::testing::UnitTest::GetInstance()->listeners().Append(new AnswererListener);
    return RUN_ALL_TESTS();
}
