#pragma once
// Shared pieces of the report tests: the recorded pages as texts, lines and
// pictures in millimetres from the paper's top-left corner, taken where the
// preview window would show them.
#include "app/Bericht.h"
#include "platform/Canvas.h"
#include "print/PreviewTestUtil.h"
#include "print/PrintObject.h"
#include "print/PrnPages.h"
#include <QImage>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace bericht_test {

constexpr double kMmPerInch = 25.4;

struct Text {
    QString text;
    double x = 0, y = 0;  // mm, top-left of the text cell
    TFont font;
    // Width and height of the text in its font, measured as the print
    // object measures (96 dpi), in mm.
    double width() const
    {
        TMeasureCanvas c;
        c.Font() = font;
        return c.TextWidth(text) / 96.0 * kMmPerInch;
    }
    double height() const
    {
        TMeasureCanvas c;
        c.Font() = font;
        return c.TextHeight(QStringLiteral("A")) / 96.0 * kMmPerInch;
    }
    double right() const { return x + width(); }
};

// `text` as a column of `widthMm` shows it in `font`: cut at the end until
// it fits, measured as the print object measures.
inline QString Clip(const QString& text, const TFont& font, double widthMm)
{
    TMeasureCanvas c;
    c.Font() = font;
    QString t = text;
    while (!t.isEmpty() && c.TextWidth(t) / 96.0 * kMmPerInch > widthMm) t.chop(1);
    return t;
}

// The faces of the report: the frame's Arial and the body's new font object.
inline TFont FrameFont(int size = 10, TFontStyles style = 0)
{
    TFont f;
    f.SetName(QStringLiteral("Arial"));
    f.SetSize(size);
    f.SetStyle(style);
    return f;
}
inline TFont BodyFont(TFontStyles style = 0)
{
    TFont f;
    f.SetSize(10);
    f.SetStyle(style);
    return f;
}

struct Line {
    double x1, y1, x2, y2;
};

struct Picture {
    double x, y, w, h;
    QImage image;
};

struct Page {
    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Picture> pictures;

    // The n-th text (0-based) that equals `t`; null when there is none.
    const Text* find(const QString& t, int n = 0) const
    {
        for (const Text& x : texts)
            if (x.text == t && n-- == 0) return &x;
        return nullptr;
    }
    int count(const QString& t) const
    {
        int n = 0;
        for (const Text& x : texts) n += x.text == t;
        return n;
    }
    // The texts whose top lies at `y` (within 0,05 mm), left to right as recorded.
    std::vector<const Text*> row(double y) const
    {
        std::vector<const Text*> out;
        for (const Text& x : texts)
            if (std::abs(x.y - y) < 0.05) out.push_back(&x);
        return out;
    }
};

// On paper: the top margin is 10 mm; the body starts at 90 mm; its lines
// end by 276 mm; the footer starts at 277 mm.
constexpr double kTop = 10.0;
constexpr double kBodyTop = kTop + 80.0;
constexpr double kBodyFoot = 276.0;
constexpr double kFooter = kTop + 267.0;

// The texts of a page's body, top to bottom (as recorded on one line).
inline std::vector<const Text*> BodyTexts(const Page& p)
{
    std::vector<const Text*> out;
    for (const Text& t : p.texts)
        if (t.y > kBodyTop - 0.3 && t.y < kFooter - 0.3) out.push_back(&t);
    std::stable_sort(out.begin(), out.end(), [](const Text* a, const Text* b) { return a->y < b->y - 0.05; });
    return out;
}

// The texts of the row that holds the n-th (0-based) `caption`, left to
// right as recorded; empty when there is no such caption.
inline QStringList RowOf(const Page& p, const QString& caption, int n = 0)
{
    QStringList out;
    const Text* c = p.find(caption, n);
    if (!c) return out;
    for (const Text* t : p.row(c->y)) out << t->text;
    return out;
}

struct Recording {
    std::vector<Page> pages;
    int pageCount = 0;     // the page store's count
    int pictureCopies = 0; // distinct pictures the store holds
    bool shown = false;
};

// Every recorded page of `po`, as far as a reader of the paper cares.
inline Recording Capture(const TPrintObject& po)
{
    Recording r;
    r.shown = true;
    const TPrnPages* pages = po.Pages();
    if (!pages) return r;
    r.pageCount = pages->PageCount();
    r.pictureCopies = pages->PictureCount();
    for (int p = 1; p <= pages->PageCount(); ++p) {
        Page page;
        TFont font;
        const TPrnPageList* list = pages->GetPage(p);
        for (int i = 1; i <= list->Count(); ++i) {
            const TPrnPrintCommand* c = list->GetCommand(i);
            switch (c->Kind) {
            case PrnKind::Font: font = static_cast<const TPrnFont*>(c)->Font; break;
            case PrnKind::Text: {
                const auto* t = static_cast<const TPrnText*>(c);
                page.texts.push_back({t->Text, t->X * kMmPerInch, t->Y * kMmPerInch, font});
                break;
            }
            case PrnKind::Line: {
                const auto* l = static_cast<const TPrnLine*>(c);
                page.lines.push_back(
                    {l->X1 * kMmPerInch, l->Y1 * kMmPerInch, l->X2 * kMmPerInch, l->Y2 * kMmPerInch});
                break;
            }
            case PrnKind::Graphic: {
                const auto* g = static_cast<const TPrnGraphic*>(c);
                page.pictures.push_back(
                    {g->X * kMmPerInch, g->Y * kMmPerInch, g->Width * kMmPerInch, g->Height * kMmPerInch, g->Picture});
                break;
            }
            default: break;
            }
        }
        r.pages.push_back(std::move(page));
    }
    return r;
}

// A section as the report reads it: name, inputs and results as stored.
inline TTeilstrecke Strecke(const QString& name, const char* form, const char* material = "0")
{
    TTeilstrecke t{};
    t.Bezeichnung = name;
    t.Nummer = "1";
    t.Materialart = material;
    t.Kanalform = form;
    t.Volumenstrom = "1250";
    t.Laenge = "12,5";
    t.DNRohr = "250";
    t.KanalHoehe = form[0] == '1' ? "0" : "150";
    t.Geschw = "7,07";
    t.HydrDurchm = "0,25";
    t.Flaeche = "0,05";
    t.DpRohr = "27,13";
    t.DpFormstueck = "12,40";
    t.DpGesamt = "39,53";
    for (int i = 1; i <= EinbautenAnzahl; ++i) {
        t.Einbauten(i).Code = QString::number(SlotInfo(i).code);
        t.Einbauten(i).Zeta = "0,25";
        t.Einbauten(i).Anzahl = "0";
    }
    for (int j = 1; j <= FremdEinbautenAnzahl; ++j) t.FremdEinbauten(j) = {"", "0", "0"};
    return t;
}

// A project of the given sections with its totals.
inline TProjekt Projekt(const std::vector<TTeilstrecke>& strecken)
{
    TProjekt p;
    p.ResizeSections(int(strecken.size()));
    for (size_t k = 0; k < strecken.size(); ++k) p.Section(int(k + 1)) = strecken[k];
    p.VpLeitungGes = 1250;
    p.DpLeitungGes = 118.59;
    p.Wellenleistung = 0.37;
    p.Projektdaten.Name1 = "Bauamt Köln";
    p.Projektdaten.Ansprechp = "Frau Weber";
    p.Projektdaten.Strasse = "Domstraße 7";
    p.Projektdaten.PLZ = "50667";
    p.Projektdaten.Ort = "Köln";
    p.Projektdaten.Projekt = "Lüftung Halle 3";
    p.Projektdaten.Telefon = "0221 4711";
    p.Projektdaten.Fax = "0221 4712";
    return p;
}

inline TUserdaten Benutzer()
{
    TUserdaten u;
    u.Firma = "Planungsbüro Muster";
    u.Nutzer = "Hans Muster";
    u.Strasse = "Hauptstraße 1";
    u.PLZ = "40210";
    u.Ort = "Düsseldorf";
    u.Telefon = "0211 123";
    u.Fax = "0211 124";
    u.EMail = "info@muster.de";
    return u;
}

// One report run recorded for the preview: the pages as the preview gets them.
class ReportRun {
public:
    TProjekt projekt;
    TUserdaten user = Benutzer();
    int userReads = 0;
    Recording rec;

    explicit ReportRun(TProjekt p) : projekt(std::move(p)) {}

    // Runs the report into the test preview; false when it threw.
    bool run(const std::function<void(TStrombauBericht&)>& adjust = {})
    {
        static const TResourceMessageTexts texte;
        PreviewRegistration preview;
        preview.onShow = [this](TPrintObject& po) { rec = Capture(po); };
        TStrombauBericht bericht(projekt, user, texte);
        bericht.Vorschau = true;
        bericht.Datum = QDate(2026, 3, 9);
        const TUserdaten given = user;
        bericht.UserdatenLesen = [this, given](TUserdaten& u) {
            ++userReads;
            u = given;
        };
        if (adjust) adjust(bericht);
        try {
            bericht.Run();
        } catch (...) {
            return false;
        }
        pages = bericht.RecordedPages();
        return true;
    }
    int pages = 0;
};

}  // namespace bericht_test
