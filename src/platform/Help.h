#pragma once
// Context help.  The help is an HTML file beside the program's help file
// name (same base name, ".html"); a context number is an anchor in it
// ("Strombaurechner.html#10"), opened in the desktop's browser.
#include <QString>
#include <QUrl>
#include <functional>

// The application's help file (set once the main window knows its
// folder); buttons and dialogs without a file of their own open this one.
void SetApplicationHelpFile(const QString& helpFile);
QString ApplicationHelpFile();

// Opens the help at `context`; a missing help file is reported in an error
// message box naming the file.
void ShowHelpContext(const QString& helpFile, int context);

// The HTML file that belongs to `helpFile` (found without regard to case);
// empty when there is none.
QString HtmlHelpFile(const QString& helpFile);

// What opens the help page (by default the desktop's browser).  Returns true
// when the page was opened.  An empty function restores the default.
// Returns the previous opener.
using HelpOpener = std::function<bool(const QUrl& url)>;
HelpOpener SetHelpOpener(HelpOpener opener);

// What the default opener hands the desktop for `topic`.  Desktop launchers
// open a local file by its path and drop an anchor ("xdg-open" does), so a
// topic with an anchor is reached through a small page that sends the
// browser on to it (a refresh, no script): HelpForwardingPage, rewritten at
// each request and left behind when the program ends.  A topic without an
// anchor is opened as it is.  Empty when the page cannot be written.
QUrl BrowserUrlForTopic(const QUrl& topic);

// The forwarding page for the help file `helpFile`: one file of this user in
// the temporary folder, named after the help file.
QString HelpForwardingPage(const QString& helpFile);
