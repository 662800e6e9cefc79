#include "platform/ProgramFolder.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}
}  // namespace

QString ProgramFolder()
{
    if (!overrideFolder().isEmpty()) return overrideFolder();
    return withSlash(QCoreApplication::applicationDirPath());
}

void SetProgramFolder(const QString& folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withSlash(QDir(folder).absolutePath());
}

QString FindFileNoCase(const QString& folder, const QString& name)
{
    const QString dir = withSlash(folder);
    if (QFileInfo::exists(dir + name)) return dir + name;
    const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0) return dir + e;
    return dir + name;
}

QString ExistingFileNoCase(const QString& folder, const QString& name)
{
    const QString path = FindFileNoCase(folder, name);
    return QFileInfo(path).isFile() ? path : QString();
}

bool FileExistsNoCase(const QString& folder, const QString& name)
{
    return !ExistingFileNoCase(folder, name).isEmpty();
}
