#pragma once
// Breaking a text into lines of a column.
#include <QString>
#include <QStringList>
#include <functional>

// Breaks `text` into lines whose width, as `width` measures it, is at most
// `available`.  A tab counts as two blanks; CR LF and a lone CR end a line
// as LF does; control characters at the end are dropped.  A line breaks
// after its last blank, or, for a word longer than the line, before the
// character that does not fit (a character that fits no line stands
// alone).  The blank or line end at a break is dropped; two line ends in a
// row give an empty line.
QStringList BreakTextToLines(const QString& text, double available,
                             const std::function<double(const QString&)>& width);
