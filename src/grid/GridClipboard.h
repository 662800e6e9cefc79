#pragma once
// Moving text between a memory stream and the system clipboard.
//
// The stream holds UTF-8 text; the clipboard takes and gives plain text.
// A zero byte (or zero character) ends the text in either direction.
#include <QIODevice>
#include <QString>

// The plain-text clipboard format.
inline const QString ClipboardTextFormat = QStringLiteral("text/plain");

// The stream's bytes from its start up to a zero byte or its end.
QByteArray StreamText(QIODevice* stream);

// Hands the stream's text, from its start up to a zero byte or its end, to
// the clipboard under `format`.
void StreamToClipboard(QIODevice* stream, const QString& format = ClipboardTextFormat);
// Writes the clipboard's text of `format`, up to a zero character, into the
// stream from its start (a memory buffer is cut to what was written); a
// clipboard without such text gives an empty stream.
void ClipboardToStream(QIODevice* stream, const QString& format = ClipboardTextFormat);
