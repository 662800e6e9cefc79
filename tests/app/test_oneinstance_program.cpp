// Two copies of the real program: the second start shows the first copy's
// window and ends without touching anything; after the first copy crashed,
// the next start runs.
#include "common/TestSupport.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {

// A copy of the program, ended by its process id when the test is done.
class ProgramCopy {
public:
    ProgramCopy(const QString& program, const QProcessEnvironment& env)
    {
        m_process.setProcessEnvironment(env);
        m_process.setWorkingDirectory(QDir::tempPath());
        m_process.start(program, {});
    }
    ~ProgramCopy()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    QProcess& process() { return m_process; }
    // Everything the copy has written to its error output so far.
    QString log()
    {
        m_log += QString::fromLocal8Bit(m_process.readAllStandardError());
        return m_log;
    }
    // Waits at most `ms` for `text` in the log.
    bool waitForLog(const QString& text, int ms)
    {
        QElapsedTimer t;
        t.start();
        while (!log().contains(text)) {
            if (t.elapsed() > ms || m_process.state() == QProcess::NotRunning) return log().contains(text);
            m_process.waitForReadyRead(100);
        }
        return true;
    }

private:
    QProcess m_process;
    QString m_log;
};

QMap<QString, QByteArray> folderContents(const QString& path)
{
    QMap<QString, QByteArray> files;
    const QStringList names = QDir(path).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        QFile f(QDir(path).filePath(name));
        files.insert(name, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>"));
    }
    return files;
}

TEST(OneInstanceProgramTest, SecondStartShowsTheFirstCopyAndEnds)
{
    QTemporaryDir folder;
    QTemporaryDir runtime;  // made for this user only (0700)
    ASSERT_TRUE(folder.isValid() && runtime.isValid());
    const QString program = folder.filePath(QStringLiteral("strombaurechner"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SB_PROGRAM_FILE), program));
    ASSERT_TRUE(QFile::copy(SourceDir() + QStringLiteral("/data/SBWert.Dat"), folder.filePath(QStringLiteral("SBWert.Dat"))));
    QFile::setPermissions(folder.filePath(QStringLiteral("SBWert.Dat")), QFile::ReadOwner | QFile::WriteOwner);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("strombau.instance.info=true"));

    auto a = std::make_unique<ProgramCopy>(program, env);
    ASSERT_TRUE(a->waitForLog(QStringLiteral("first copy"), 30000)) << a->log().toStdString();
    // The first copy is up: from here on nothing in its folder may change.
    QTest::qWait(300);
    const QMap<QString, QByteArray> before = folderContents(folder.path());

    {
        ProgramCopy b(program, env);
        ASSERT_TRUE(b.process().waitForFinished(3000)) << "the second copy did not end";
        EXPECT_EQ(b.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(b.process().exitCode(), 0);
        EXPECT_TRUE(b.log().contains(QStringLiteral("another copy"))) << b.log().toStdString();
        EXPECT_TRUE(b.log().contains(QStringLiteral("asked the other copy"))) << b.log().toStdString();
    }
    EXPECT_TRUE(a->waitForLog(QStringLiteral("activation requested"), 5000)) << a->log().toStdString();
    EXPECT_EQ(a->process().state(), QProcess::Running);
    EXPECT_EQ(folderContents(folder.path()), before);

    // The first copy crashes: its lock stays behind, and is taken over.
    a->process().kill();
    ASSERT_TRUE(a->process().waitForFinished(3000));
    a.reset();
    ProgramCopy c(program, env);
    ASSERT_TRUE(c.waitForLog(QStringLiteral("first copy"), 30000)) << c.log().toStdString();
    QTest::qWait(500);
    EXPECT_EQ(c.process().state(), QProcess::Running) << c.log().toStdString();
}

}  // namespace
