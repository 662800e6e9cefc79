#include "platform/FileReplace.h"
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::atomic<int> failingWrite{0};

// True when this write step is the one a test asked to fail.
bool strikes()
{
    int n = failingWrite.load();
    while (n > 0) {
        if (failingWrite.compare_exchange_weak(n, n - 1)) return n == 1;
    }
    return false;
}

QString resolveTarget(const QString& target)
{
    const QFileInfo fi(target);
    if (fi.isSymLink()) {
        const QString pointed = fi.symLinkTarget();
        if (!pointed.isEmpty()) return pointed;
    }
    return fi.absoluteFilePath();
}

void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void SetFailingFileWrite(int n) { failingWrite.store(n < 0 ? 0 : n); }

TFileReplacer::TFileReplacer(const QString& target, const QString& tempPath)
    : m_target(resolveTarget(target)), m_temp(tempPath), m_namedTemp(!tempPath.isEmpty())
{
}

TFileReplacer::~TFileReplacer()
{
    if (!m_done) Cancel();
}

bool TFileReplacer::fail()
{
    m_failed = true;
    Cancel();
    return false;
}

bool TFileReplacer::Open()
{
    if (m_file.isOpen() || m_done) return false;
    // Unbuffered: a write the disk refuses fails at once, not at some later flush.
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (m_namedTemp) {
        m_file.setFileName(m_temp);
        if (!m_file.open(mode | QIODevice::Truncate)) return fail();
    } else {
        const QFileInfo fi(m_target);
        const QDir folder(fi.absolutePath());
        bool opened = false;
        for (int attempt = 0; attempt < 100 && !opened; ++attempt) {
            m_temp = folder.filePath(QStringLiteral(".%1.%2~")
                                         .arg(fi.fileName())
                                         .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
            m_file.setFileName(m_temp);
            opened = m_file.open(mode | QIODevice::NewOnly);
            if (!opened && QFileInfo::exists(m_temp)) continue;  // taken: try another name
            if (!opened) break;
        }
        if (!opened) {
            m_temp.clear();
            return fail();
        }
    }
    m_created = true;
    // The new file gets the permissions of the one it replaces.
    if (QFileInfo::exists(m_target)) m_file.setPermissions(QFileInfo(m_target).permissions());
    return true;
}

bool TFileReplacer::Write(const char* data, qint64 size)
{
    if (m_failed || m_done || !m_file.isOpen()) return false;
    if (size <= 0) return true;
    if (strikes()) {
        m_file.write(data, size / 2);  // a disk that fills up mid-write
        return fail();
    }
    qint64 done = 0;
    while (done < size) {
        const qint64 n = m_file.write(data + done, size - done);
        if (n <= 0) return fail();
        done += n;
    }
    return true;
}

bool TFileReplacer::Commit()
{
    if (m_failed || m_done || !m_file.isOpen()) return false;
    if (strikes() || !m_file.flush()) return fail();
    if (::fsync(m_file.handle()) != 0 && errno != EINVAL) return fail();
    m_file.close();
    if (m_file.error() != QFileDevice::NoError) return fail();
    if (std::rename(QFile::encodeName(m_temp).constData(), QFile::encodeName(m_target).constData()) != 0)
        return fail();
    m_done = true;
    syncFolder(QFileInfo(m_target).absolutePath());
    return true;
}

void TFileReplacer::Cancel()
{
    if (m_file.isOpen()) m_file.close();
    if (m_created && !m_done) QFile::remove(m_temp);
    m_done = true;
}

bool LacksWritePermission(const QFileInfo& file)
{
    return !(file.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

bool ReplaceFileContents(const QString& path, const QByteArray& bytes)
{
    TFileReplacer r(path);
    return r.Open() && r.Write(bytes) && r.Commit();
}
