#pragma once
// Replacing a file whole, checked.
//
// The new contents go into a temporary file in the target's folder; every
// write, the flush and the sync to disk are checked, and only a complete
// file is renamed over the target.  On any failure (a full disk, a vanished
// folder) the target stays exactly as it was and the temporary file is
// removed.  A symbolic link is followed: the file it points to is replaced.
#include <QByteArray>
#include <QFile>
#include <QString>

class QFileInfo;

class TFileReplacer {
public:
    // `tempPath` empty: a fresh name beside the target, never an existing file.
    // Otherwise that file is used (and truncated first).
    explicit TFileReplacer(const QString& target, const QString& tempPath = QString());
    // A replacement not committed is abandoned.
    ~TFileReplacer();
    TFileReplacer(const TFileReplacer&) = delete;
    TFileReplacer& operator=(const TFileReplacer&) = delete;

    bool Open();
    // Writes all of `size` bytes or fails; after a failure every call fails.
    bool Write(const char* data, qint64 size);
    bool Write(const QByteArray& bytes) { return Write(bytes.constData(), bytes.size()); }
    // Flushes, syncs and renames the temporary file over the target.
    bool Commit();
    // Removes the temporary file; the target is untouched.
    void Cancel();

    const QString& Target() const { return m_target; }
    const QString& TempPath() const { return m_temp; }

private:
    bool fail();

    QString m_target;
    QString m_temp;
    bool m_namedTemp;
    QFile m_file;
    bool m_created = false;  // the temporary file was opened by us
    bool m_failed = false;
    bool m_done = false;
};

// True when `file` carries no write permission at all (for owner, group or
// others): such a file is read-only, also for the superuser, whom the
// system would let write anyway.
bool LacksWritePermission(const QFileInfo& file);

// Writes `bytes` as the whole new contents of `path` (created when missing).
// False when that failed; the file is then as it was.
bool ReplaceFileContents(const QString& path, const QByteArray& bytes);

// For tests: the n-th checked write step from now on (1 = the next one)
// fails as on a full disk, after half of its bytes have reached the
// temporary file.  Write steps are each Write() and each Commit()'s flush.
// 0 turns the fault off; it also turns itself off once it has struck.
void SetFailingFileWrite(int n);
