#include "platform/Help.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/ResourceStrings.h"
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <utility>

namespace {
HelpOpener& opener()
{
    static HelpOpener o;
    return o;
}

// Paths written for the original platform use backslashes.
QString localPath(const QString& file)
{
    QString p = file;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(p);
}
}  // namespace

QString HtmlHelpFile(const QString& helpFile)
{
    if (helpFile.trimmed().isEmpty()) return QString();
    const QFileInfo fi(localPath(helpFile));
    const QString found = FindFileNoCase(fi.path(), fi.completeBaseName() + QStringLiteral(".html"));
    return QFileInfo(found).isFile() ? QFileInfo(found).absoluteFilePath() : QString();
}

void ShowHelpContext(const QString& helpFile, int context)
{
    const QString html = HtmlHelpFile(helpFile);
    if (html.isEmpty()) {
        const QFileInfo fi(localPath(helpFile));
        const QString expected = fi.path() + QLatin1Char('/') + fi.completeBaseName() + QStringLiteral(".html");
        MessageDlg(FmtLoadResString(SHelpNotFound, {QDir::toNativeSeparators(expected)}), mtError, mbOK);
        return;
    }
    QUrl url = QUrl::fromLocalFile(html);
    if (context > 0) url.setFragment(QString::number(context));
    const bool opened = opener() ? opener()(url) : QDesktopServices::openUrl(url);
    if (!opened) MessageDlg(FmtLoadResString(SHelpOpenFailed, {QDir::toNativeSeparators(html)}), mtError, mbOK);
}

namespace {
QString& applicationHelpFile()
{
    static QString file;
    return file;
}
}  // namespace

void SetApplicationHelpFile(const QString& helpFile) { applicationHelpFile() = helpFile; }
QString ApplicationHelpFile() { return applicationHelpFile(); }

HelpOpener SetHelpOpener(HelpOpener o)
{
    return std::exchange(opener(), std::move(o));
}
