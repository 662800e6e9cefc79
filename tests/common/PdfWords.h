#pragma once
// Reading a PDF back with the poppler tools: a tool's output, a page as a
// picture, and every word with its box in millimetres from the paper's
// top-left.
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace pdftest {

constexpr double kPtPerMm = 72.0 / 25.4;

// What `program` prints on standard output (empty when it does not finish).
inline QString RunTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000)) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Page `page` of `pdf` at `dpi`, through the file `base`.png.
inline QImage PageImage(const QString& pdf, int page, int dpi, const QString& base)
{
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                         QString::number(page), QStringLiteral("-l"), QString::number(page),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

struct Word {
    int page;  // 1-based
    double xMin, yMin, xMax, yMax;  // millimetres from the paper's top-left
    QString text;
};

inline std::vector<Word> Words(const QString& pdf)
{
    const QString html = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    std::vector<Word> words;
    int page = 0;
    static const QRegularExpression tag(QStringLiteral(
        "<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    auto it = tag.globalMatch(html);
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"));
        text.replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&amp;"), QLatin1String("&"));
        words.push_back({page, m.captured(1).toDouble() / kPtPerMm, m.captured(2).toDouble() / kPtPerMm,
                         m.captured(3).toDouble() / kPtPerMm, m.captured(4).toDouble() / kPtPerMm, text});
    }
    return words;
}

}  // namespace pdftest
