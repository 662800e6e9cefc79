// The single-instance guard inside one process: guards of the same name
// meet as a second copy would meet the first.
#include "common/TestSupport.h"
#include "support/OneInstance.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class OneInstanceTest : public ::testing::Test {
protected:
    void TearDown() override { ScriptedAnswerer::instance().verifyDone(); }
    static QString runtimeFile(const QString& name)
    {
        return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(name);
    }
};

TEST(OneInstanceNameTest, TitleOfTheExecutable)
{
    EXPECT_EQ(TOneInstance::TitleOf("/opt/sb/strombaurechner"), "strombaurechner");
    EXPECT_EQ(TOneInstance::TitleOf("/opt/sb/Strombaurechner"), "Strombaurechner");
    EXPECT_EQ(TOneInstance::TitleOf("/opt/sb/STROMBAURECHNER.EXE"), "Strombaurechner");
    EXPECT_EQ(TOneInstance::TitleOf("C:/x/Strom.Bau.exe"), "Strom");
    EXPECT_EQ(TOneInstance::TitleOf("sTROM"), "strom");
    EXPECT_EQ(TOneInstance::TitleOf("/usr/bin/Test_SUPPORT"), "Test_support");
    TOneInstance guard;
    EXPECT_EQ(guard.InstanceName(), TOneInstance::ApplicationTitle());
    EXPECT_EQ(guard.Version(), "1.1");
    guard.SetVersion("9.9");
    EXPECT_EQ(guard.Version(), "1.1");
    EXPECT_TRUE(guard.Terminate());
    EXPECT_TRUE(guard.SwitchToPrevious());
}

TEST_F(OneInstanceTest, SecondGuardRestoresTheFirstWindowAndEnds)
{
    QWidget firstWindow;
    firstWindow.setWindowTitle("first");
    auto* first = new TOneInstance(&firstWindow);
    first->SetInstanceName("GuardTest");
    first->Loaded();
    ASSERT_TRUE(first->IsFirstInstance());
    EXPECT_FALSE(first->InstanceExists());
    EXPECT_FALSE(first->TerminateRequested());
    firstWindow.showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return firstWindow.isMinimized(); }, 2000));

    QWidget secondWindow;
    TOneInstance second(&secondWindow);
    second.SetInstanceName("GuardTest");
    int fired = 0;
    second.OnInstanceExists = [&](QObject* sender) {
        EXPECT_EQ(sender, &second);
        ++fired;
    };
    second.Loaded();
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(second.InstanceExists());
    EXPECT_FALSE(second.IsFirstInstance());
    EXPECT_TRUE(second.TerminateRequested());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !firstWindow.isMinimized(); }, 3000));
    EXPECT_TRUE(firstWindow.isVisible());

    // Without Terminate the later copy goes on running.
    TOneInstance third;
    third.SetInstanceName("gUARDtEST");
    third.SetInstanceName("GuardTest");
    third.SetTerminate(false);
    third.SetSwitchToPrevious(false);
    third.Loaded();
    EXPECT_TRUE(third.InstanceExists());
    EXPECT_FALSE(third.TerminateRequested());

    // Another name is another program.
    TOneInstance other;
    other.SetInstanceName("OtherGuard");
    other.Loaded();
    EXPECT_TRUE(other.IsFirstInstance());

    // When the first copy ends, the next start is the first again.
    delete first;
    TOneInstance next;
    next.SetInstanceName("GuardTest");
    next.Loaded();
    EXPECT_TRUE(next.IsFirstInstance());
    EXPECT_FALSE(next.TerminateRequested());
}

TEST_F(OneInstanceTest, LockOfACrashedCopyIsTakenOver)
{
    // A process that is gone.
    QProcess gone;
    gone.start("sleep", {"0"});
    ASSERT_TRUE(gone.waitForStarted(5000));
    const qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished(5000));
    QFile lock(runtimeFile("CrashTest.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\nsleep\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    // So is the socket it listened on.
    QFile socket(runtimeFile("CrashTest.socket"));
    ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    socket.close();

    TOneInstance guard;
    guard.SetInstanceName("CrashTest");
    guard.Loaded();
    EXPECT_TRUE(guard.IsFirstInstance());
    EXPECT_FALSE(guard.InstanceExists());

    TOneInstance later;
    later.SetInstanceName("CrashTest");
    later.SetSwitchToPrevious(true);
    later.Loaded();
    EXPECT_TRUE(later.InstanceExists());
}

TEST_F(OneInstanceTest, NoLockMeansRunningWithOneWarning)
{
    // The lock cannot be made: its folder is missing.
    ScriptedAnswerer::instance().expectMessage("Ein zweiter Start des Programms kann nicht erkannt werden");
    TOneInstance guard;
    guard.SetInstanceName("missing-folder/Guard");
    int fired = 0;
    guard.OnInstanceExists = [&](QObject*) { ++fired; };
    guard.Loaded();
    ScriptedAnswerer::instance().verifyDone();
    EXPECT_FALSE(guard.IsFirstInstance());
    EXPECT_FALSE(guard.InstanceExists());
    EXPECT_FALSE(guard.TerminateRequested());
    EXPECT_EQ(fired, 0);

    // A folder where the lock belongs is held by nobody either.
    ASSERT_TRUE(QDir().mkpath(runtimeFile("FolderLock.lock")));
    ScriptedAnswerer::instance().expectMessage("Ein zweiter Start des Programms kann nicht erkannt werden");
    TOneInstance blocked;
    blocked.SetInstanceName("FolderLock");
    blocked.Loaded();
    EXPECT_FALSE(blocked.TerminateRequested());
}

}  // namespace
