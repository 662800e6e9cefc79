#include "platform/Help.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/ResourceStrings.h"
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <utility>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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
    bool opened = false;
    if (opener()) {
        opened = opener()(url);
    } else {
        const QUrl page = BrowserUrlForTopic(url);
        opened = !page.isEmpty() && QDesktopServices::openUrl(page);
    }
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

QUrl BrowserUrlForTopic(const QUrl& topic)
{
    if (!topic.hasFragment() || !topic.isLocalFile()) return topic;
    const QString target = topic.toString(QUrl::FullyEncoded).toHtmlEscaped();
    const QString text = QStringLiteral(
                             "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                             "<meta http-equiv=\"refresh\" content=\"0; url=%1\">\n<title>%2</title>\n</head>\n"
                             "<body>\n<p><a href=\"%1\">%2</a></p>\n</body>\n</html>\n")
                             .arg(target, QFileInfo(topic.toLocalFile()).fileName().toHtmlEscaped());
    // The browser may still be loading the page when the program ends, so
    // it is left in the user's temporary folder, and the next request
    // replaces it.  The folder is shared: the page is written whole under a
    // fresh name of its own and then renamed over the user's page, which
    // replaces whatever lies there (a link included) without following it.
    const QString page = HelpForwardingPage(topic.toLocalFile());
    QTemporaryFile file(page + QStringLiteral(".XXXXXX"));
    if (!file.open()) return QUrl();
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush()) return QUrl();
    const QByteArray from = QFile::encodeName(file.fileName());
    const QByteArray to = QFile::encodeName(page);
    if (std::rename(from.constData(), to.constData()) != 0) return QUrl();
    file.setAutoRemove(false);
    return QUrl::fromLocalFile(page);
}

QString HelpForwardingPage(const QString& helpFile)
{
#ifdef Q_OS_UNIX
    const QString user = QString::number(::getuid());
#else
    QString user = qEnvironmentVariable("USERNAME");
    for (QChar& c : user)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-')) c = QLatin1Char('_');
#endif
    const QString name = QStringLiteral("%1-Hilfe-%2.html").arg(QFileInfo(helpFile).completeBaseName(), user);
    return QDir(QDir::tempPath()).filePath(name);
}

HelpOpener SetHelpOpener(HelpOpener o)
{
    return std::exchange(opener(), std::move(o));
}
