// Section blocks across page ends: a block that fits on a page is never
// split, a longer one names its section again at the top of each page it
// goes on to, and no page ends with a section name.
#include "test_bericht_hilfen.h"

#include <QSet>
#include <algorithm>

using namespace bericht_test;

namespace {

bool IsSectionName(const Text& t, const QSet<QString>& names)
{
    return names.contains(t.text) && (t.font.Style() & fsUnderline);
}

// A section whose fitting list holds `n` further components, each named
// "Teil <k>/<j>".
TTeilstrecke MitTeilen(int k, int n, const char* form)
{
    TTeilstrecke t = Strecke(QStringLiteral("TS %1").arg(k), form);
    for (int j = 1; j <= n; ++j) t.FremdEinbauten(j) = {QStringLiteral("Teil %1/%2").arg(k).arg(j), "5", "1"};
    return t;
}

// The page and the text where `text` stands first; -1 when nowhere.
std::pair<int, const Text*> Where(const Recording& rec, const QString& text)
{
    for (size_t i = 0; i < rec.pages.size(); ++i)
        if (const Text* t = rec.pages[i].find(text)) return {int(i), t};
    return {-1, nullptr};
}

int CountEverywhere(const Recording& rec, const QString& text)
{
    int n = 0;
    for (const Page& p : rec.pages) n += p.count(text);
    return n;
}

// Every page after the first starts its body with a section name or a line
// of `vortext`; no page's body ends with a section name.
void ExpectPagesStartWithTheirSection(const Recording& rec, const QSet<QString>& names, const QStringList& vortext)
{
    for (size_t i = 0; i < rec.pages.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const std::vector<const Text*> body = BodyTexts(rec.pages[i]);
        ASSERT_FALSE(body.empty());
        const Text* first = body.front();
        if (i > 0) {
            EXPECT_TRUE(IsSectionName(*first, names) || vortext.contains(first->text)) << first->text.toStdString();
        }
        EXPECT_FALSE(IsSectionName(*body.back(), names)) << body.back()->text.toStdString();
    }
}

TEST(BerichtBloecke, FortySectionsWithFittingsKeepEachBlockOnOnePage)
{
    std::vector<TTeilstrecke> strecken;
    QSet<QString> names;
    static const char* forms[3] = {"1", "2", "3"};
    for (int k = 1; k <= 40; ++k) {
        strecken.push_back(MitTeilen(k, k * 7 % 15, forms[k % 3]));
        names << QStringLiteral("TS %1").arg(k);
    }
    TProjekt pr = Projekt(strecken);
    pr.Projektdaten.Vortext = QStringLiteral("Druckverlustberechnung der Zuluft\r\nStand März");
    ReportRun r(pr);
    ASSERT_TRUE(r.run());
    ASSERT_GE(r.rec.pages.size(), 8u);

    ExpectPagesStartWithTheirSection(r.rec, names, {QStringLiteral("Druckverlustberechnung der Zuluft"),
                                                    QStringLiteral("Stand März")});
    for (int k = 1; k <= 40; ++k) {
        SCOPED_TRACE(k);
        const QString name = QStringLiteral("TS %1").arg(k);
        // Each block fits on a page: its name stands once.
        EXPECT_EQ(CountEverywhere(r.rec, name), 1);
        const auto [page, nameText] = Where(r.rec, name);
        ASSERT_GE(page, 0);
        const Page& p = r.rec.pages[size_t(page)];
        // Its rows right below the name and its last fitting on the same page.
        const double lh = nameText->height();
        const std::vector<const Text*> next = p.row(nameText->y + lh);
        ASSERT_FALSE(next.empty());
        EXPECT_EQ(next.front()->text, QStringLiteral("Volumenstrom"));
        const int n = k * 7 % 15;
        if (n > 0) {
            EXPECT_EQ(Where(r.rec, QStringLiteral("Teil %1/%2").arg(k).arg(n)).first, page);
            EXPECT_EQ(Where(r.rec, QStringLiteral("Teil %1/1").arg(k)).first, page);
        }
        // A block that starts a page went there because it did not fit
        // below the block before: that one's last text, the empty line, the
        // rule line and this block's lines (name, 6 rows, empty line, list,
        // rule line) pass the body's foot.
        if (page > 0 && std::abs(nameText->y - kBodyTop) < 0.3) {
            const std::vector<const Text*> before = BodyTexts(r.rec.pages[size_t(page - 1)]);
            ASSERT_FALSE(before.empty());
            const int block = 1 + 6 + 1 + (n > 0 ? n + 2 : 0) + 1;
            const double start = before.back()->y + 3 * lh;
            EXPECT_GT(start + block * lh, kBodyFoot + 0.01);
        }
    }
}

TEST(BerichtBloecke, BlockLongerThanAPageNamesItsSectionOnEachPage)
{
    TTeilstrecke lang = MitTeilen(2, 20, "2");
    for (int i = 1; i <= EinbautenAnzahl; ++i) {
        lang.Einbauten(i).Zeta = QStringLiteral("%1,01").arg(i);
        lang.Einbauten(i).Anzahl = "1";
    }
    const QString name = QStringLiteral("TS 2");
    // Sections without fittings before it: the long block starts below
    // them while its rows and five lines for its list fit, else on the
    // next page.
    bool startedBelow = false, startedOnNextPage = false;
    for (int filler = 0; filler <= 4; ++filler) {
        SCOPED_TRACE(filler);
        std::vector<TTeilstrecke> strecken;
        QSet<QString> names{name, QStringLiteral("TS 3")};
        for (int f = 1; f <= filler; ++f) {
            strecken.push_back(Strecke(QStringLiteral("Füll %1").arg(f), "1"));
            names << QStringLiteral("Füll %1").arg(f);
        }
        strecken.push_back(lang);
        strecken.push_back(MitTeilen(3, 1, "3"));
        ReportRun r(Projekt(strecken));
        ASSERT_TRUE(r.run());
        ASSERT_GE(r.rec.pages.size(), 3u);

        ExpectPagesStartWithTheirSection(r.rec, names, {});
        const auto [first, nameText] = Where(r.rec, name);
        ASSERT_GE(first, 0);
        const double lh = nameText->height();
        // Name, six rows, the empty line, then five lines of the list.
        const int head = 8;
        if (first == 0) {
            startedBelow = startedBelow || filler > 0;
            EXPECT_LE(nameText->y + (head + 5) * lh, kBodyFoot + 0.01);
        } else {
            startedOnNextPage = true;
            EXPECT_EQ(first, 1);
            EXPECT_NEAR(nameText->y, kBodyTop, 0.3);
            const std::vector<const Text*> before = BodyTexts(r.rec.pages[0]);
            EXPECT_GT(before.back()->y + 3 * lh + (head + 5) * lh, kBodyFoot + 0.01);
        }
        // Each later page it goes on to starts with its name, underlined as
        // the first, and the list goes on below it.
        int pagesWithName = 0, lastPage = 0;
        for (size_t i = 0; i < r.rec.pages.size(); ++i) {
            const Page& p = r.rec.pages[i];
            if (p.count(name) == 0) continue;
            SCOPED_TRACE(i + 1);
            EXPECT_EQ(p.count(name), 1);
            ++pagesWithName;
            lastPage = int(i);
            const Text* t = p.find(name);
            EXPECT_EQ(t->font.Style(), nameText->font.Style());
            EXPECT_EQ(t->font.Name(), nameText->font.Name());
            EXPECT_NEAR(t->x, nameText->x, 0.01);
            if (int(i) == first) continue;
            EXPECT_NEAR(t->y, kBodyTop, 0.3);
            const std::vector<const Text*> next = p.row(t->y + t->height());
            ASSERT_EQ(next.size(), 3u);  // name, zeta or loss, count
            EXPECT_EQ(next[2]->text, QStringLiteral("1"));
            EXPECT_EQ(next[0]->font.Style(), 0);
        }
        EXPECT_GE(pagesWithName, 3);
        // Every entry once; one list heading for each section with a list;
        // the section after it follows where the list ends or on the next
        // page.
        EXPECT_EQ(CountEverywhere(r.rec, QStringLiteral("Liste der Einbauten und Formstücke:")), 2);
        for (int i = 1; i <= EinbautenAnzahl; ++i)
            EXPECT_EQ(CountEverywhere(r.rec, QStringLiteral("%1,01").arg(i)), 1);
        for (int j = 1; j <= 20; ++j) EXPECT_EQ(CountEverywhere(r.rec, QStringLiteral("Teil 2/%1").arg(j)), 1);
        EXPECT_EQ(Where(r.rec, QStringLiteral("Teil 2/20")).first, lastPage);
        const int after = Where(r.rec, QStringLiteral("TS 3")).first;
        EXPECT_TRUE(after == lastPage || after == lastPage + 1) << after;
    }
    EXPECT_TRUE(startedBelow);
    EXPECT_TRUE(startedOnNextPage);
}

}  // namespace
