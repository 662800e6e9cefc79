// Grid speed: sorting 10,000 rows x 5 columns (random, sorted, reverse and
// equal texts; then with a property record and a hint on every row), and
// copy and paste of the whole range through the clipboard.
#include "grid/CellGrid.h"
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <cstdio>

namespace {

constexpr int Rows = 10000;
constexpr int Cols = 5;

double ms(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

QString key(int i) { return QStringLiteral("Text %1").arg(i, 6, 10, QLatin1Char('0')); }

// Fills rows 1..Rows; column 1 is the sort key.
void fill(TCellGrid& g, const char* kind, bool records)
{
    g.SetColCount(Cols + 1);
    g.SetRowCount(Rows + 1);
    QRandomGenerator random(42);
    for (int r = 1; r <= Rows; ++r) {
        QString k;
        if (qstrcmp(kind, "random") == 0) k = key(int(random.bounded(Rows)));
        else if (qstrcmp(kind, "sorted") == 0) k = key(r);
        else if (qstrcmp(kind, "reverse") == 0) k = key(Rows - r);
        else k = QStringLiteral("gleich");
        g.SetCells(1, r, k);
        for (int c = 2; c <= Cols; ++c) g.SetCells(c, r, QStringLiteral("Zelle %1/%2").arg(c).arg(r));
    }
    if (records) {
        DfmValue hints = DfmValue::emptyList();
        for (int r = 1; r <= Rows; ++r) {
            g.SetAlignRow(r, r % 2 ? alCenter : alRight);
            hints.items << DfmValue::fromInt(2) << DfmValue::fromInt(r) << DfmValue::fromString(QStringLiteral("Hinweis %1").arg(r));
        }
        g.ReadFormProperty("HintCell", hints);
    }
}

bool sortedRows(const TCellGrid& g)
{
    for (int r = 2; r <= Rows; ++r)
        if (TCellGrid::CompareTexts(g.Cells(1, r - 1), g.Cells(1, r)) == rel_greater) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool met = true;

    for (bool records : {false, true}) {
        const double limit = records ? 200 : 100;
        for (const char* kind : {"random", "sorted", "reverse", "equal"}) {
            TCellGrid g;
            fill(g, kind, records);
            QElapsedTimer t;
            t.start();
            g.SortColRow(1, 1, Rows, true, false);
            const double took = ms(t);
            const bool ok = sortedRows(g) && took < limit;
            met &= ok;
            std::printf("SortColRow %d x %d, %-7s%s: %7.1f ms (target < %.0f ms) %s\n", Rows, Cols, kind,
                        records ? ", record and hint on every row" : "", took, limit, ok ? "met" : "NOT met");
        }
    }

    // For comparison: a compare handler of the form's own, which sees every
    // exchange in the grid as it happens (no target).
    for (const char* kind : {"random", "equal"}) {
        TCellGrid g;
        fill(g, kind, true);
        g.OnCompareCol = [&g](QObject*, int colrow, int a, int b) {
            return TCellGrid::CompareTexts(g.Cells(colrow, a), g.Cells(colrow, b));
        };
        QElapsedTimer t;
        t.start();
        g.SortColRow(1, 1, Rows, true, false);
        std::printf("SortColRow %d x %d, %-7s, record and hint on every row, own handler: %7.1f ms (for comparison)%s\n",
                    Rows, Cols, kind, ms(t), sortedRows(g) ? "" : " NOT sorted");
    }

    TCellGrid from, to;
    fill(from, "random", false);
    from.SetSelection({1, 1, Cols, Rows});
    QElapsedTimer t;
    t.start();
    from.copy();
    const double copyMs = ms(t);
    to.SetColCount(Cols + 1);
    to.SetRowCount(Rows + 1);
    to.SetOptions(to.Options() | goEditing);
    to.SetSelection({1, 1, Cols, Rows});
    t.restart();
    to.paste();
    const double pasteMs = ms(t);
    bool equal = true;
    for (int r = 1; r <= Rows && equal; ++r)
        for (int c = 1; c <= Cols; ++c) equal &= from.Cells(c, r) == to.Cells(c, r);
    const qsizetype bytes = QGuiApplication::clipboard()->text().toUtf8().size();
    std::printf("copy %d x %d (%.2f MB of text): %.1f ms, paste: %.1f ms (target < 100 ms each) %s\n", Cols, Rows,
                double(bytes) / 1e6, copyMs, pasteMs, equal && copyMs < 100 && pasteMs < 100 ? "met" : "NOT met");
    met &= equal && copyMs < 100 && pasteMs < 100;
    std::printf("targets: %s\n", met ? "met" : "NOT met");
    return met ? 0 : 1;
}
