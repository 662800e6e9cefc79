#pragma once
// The program folder: the folder of the executable, with a trailing '/'.
#include <QString>

QString ProgramFolder();
// Points the program folder elsewhere (tests use a temporary folder).
// An empty text returns to the executable's folder.
void SetProgramFolder(const QString& folder);
// The path of `name` inside `folder`, matched without regard to case; the
// plain joined path when no such file exists.
QString FindFileNoCase(const QString& folder, const QString& name);
// The same, but an empty text when no such file exists.
QString ExistingFileNoCase(const QString& folder, const QString& name);
bool FileExistsNoCase(const QString& folder, const QString& name);
