#pragma once
// A drawing surface for tests: writes each call as one line and measures
// every character with the same width.
#include "platform/Canvas.h"

#include <QString>
#include <QStringList>

class TLogCanvas : public TCanvas {
public:
    int ppiX = 96, ppiY = 96;
    QSize page{797, 1123};
    QPoint offset{0, 0};
    QSize printable{0, 0};  // empty: the whole page
    int charWidth = 7;
    int textHeight = 15;
    QStringList log;

    int PixelsPerInchX() const override { return ppiX; }
    int PixelsPerInchY() const override { return ppiY; }
    QSize PageSize() const override { return page; }
    QPoint PrintableOffset() const override { return offset; }
    QSize PrintableSize() const override { return printable.isEmpty() ? page : printable; }

    int TextWidth(const QString& text) const override { return int(text.size()) * charWidth; }
    int TextHeight(const QString&) const override { return textHeight; }
    TTextMetric TextMetrics() const override
    {
        TTextMetric tm;
        tm.Height = textHeight;
        tm.Ascent = textHeight * 4 / 5;
        tm.Descent = textHeight - tm.Ascent;
        tm.AveCharWidth = charWidth;
        tm.MaxCharWidth = charWidth;
        return tm;
    }

    void Rectangle(int x1, int y1, int x2, int y2) override { add("Rectangle", {x1, y1, x2, y2}); }
    void FillRect(const QRect& r) override
    {
        add("FillRect", {r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    }
    void FrameRect(const QRect& r) override { add("FrameRect", {r.left(), r.top(), r.right() + 1, r.bottom() + 1}); }
    void Ellipse(int x1, int y1, int x2, int y2) override { add("Ellipse", {x1, y1, x2, y2}); }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
    {
        add("Arc", {x1, y1, x2, y2, x3, y3, x4, y4});
    }
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
    {
        add("Pie", {x1, y1, x2, y2, x3, y3, x4, y4});
    }
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) override
    {
        add("RoundRect", {x1, y1, x2, y2, x3, y3});
    }
    void Polyline(const QVector<QPoint>& pts) override
    {
        QList<int> v;
        for (const QPoint& p : pts) v << p.x() << p.y();
        add("Polyline", v);
    }
    void Polygon(const QVector<QPoint>& pts) override
    {
        QList<int> v;
        for (const QPoint& p : pts) v << p.x() << p.y();
        add("Polygon", v);
    }
    void FloodFill(int x, int y, TColor c, TFillStyle s) override { add("FloodFill", {x, y, int(c), int(s)}); }
    void TextOut(int x, int y, const QString& text) override
    {
        log << QStringLiteral("TextOut %1,%2 %3").arg(x).arg(y).arg(text);
    }
    void StretchDraw(const QRect& r, const TPicture& p) override
    {
        add(p.kind() == TPicture::Icon ? "StretchDrawIcon" : "StretchDraw", {r.x(), r.y(), r.width(), r.height()});
    }

protected:
    void DrawLineSegment(QPoint from, QPoint to) override
    {
        log << QStringLiteral("Line %1,%2-%3,%4 w%5")
                   .arg(from.x())
                   .arg(from.y())
                   .arg(to.x())
                   .arg(to.y())
                   .arg(Pen().Width());
    }

private:
    void add(const char* what, const QList<int>& values)
    {
        QStringList parts;
        for (int v : values) parts << QString::number(v);
        log << QString::fromLatin1(what) + QLatin1Char(' ') + parts.join(QLatin1Char(','));
    }
};
