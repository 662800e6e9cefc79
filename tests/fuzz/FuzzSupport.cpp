#include "FuzzSupport.h"
#include "platform/ProgramFolder.h"

namespace fuzz {

QString ProgramFolderWithValueFile(bool withValueFile)
{
    const QString folder = Scratch() + QStringLiteral("/programm/");
    QDir().mkpath(folder);
    if (withValueFile) {
        const QString target = folder + QStringLiteral("SBWert.Dat");
        QFile::remove(target);
        if (!QFile::copy(QStringLiteral(SB_SOURCE_DIR "/data/SBWert.Dat"), target)) std::abort();
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    }
    SetProgramFolder(folder);
    return folder;
}

}  // namespace fuzz
