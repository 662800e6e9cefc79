#include "print/TextLines.h"

QStringList BreakTextToLines(const QString& text, double available,
                             const std::function<double(const QString&)>& width)
{
    QString t = text;
    t.replace(QLatin1Char('\t'), QLatin1String("  "));
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    int n = int(t.size());
    while (n > 0 && t.at(n - 1).unicode() < 32) --n;
    t.truncate(n);

    QStringList lines;
    // Positions are 0-based here: s the line start, b the last break
    // (-1: none yet), c the current line's text.
    int s = 0;
    int b = -1;
    QString c;
    for (int i = 0; i < n; ++i) {
        const QChar ch = t.at(i);
        const bool lineEnd = ch == QLatin1Char('\n');
        if (lineEnd) {
            b = i;
        } else {
            c += ch;
            if (ch == QLatin1Char(' ')) b = i;
        }
        if (!lineEnd && !(width(c) > available)) continue;
        QString line = b >= s ? t.mid(s, b - s) : QString();
        if (line.isEmpty() && !lineEnd) {
            // A word longer than the line: cut before this character,
            // unless it is the line's first, which then stands alone.
            if (i == s) continue;
            b = i - 1;
            line = t.mid(s, b - s + 1);
        }
        lines.append(line);
        s = b + 1;
        c = t.mid(s, i - s + 1);
    }
    if (lines.isEmpty())
        lines.append(t);
    else
        lines.append(t.mid(s));
    return lines;
}
