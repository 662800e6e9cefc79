// The pressure-loss report, written through the print object.
#include "app/Bericht.h"

#include "app/SBWert.h"
#include "platform/FormResource.h"
#include "platform/Graphics.h"
#include "platform/Numbers.h"
#include "platform/ProgramFolder.h"
#include "print/PrintObject.h"
#include <algorithm>
#include <cmath>

namespace {

// The line from which the footer, the page number and the totals are placed.
constexpr double kPageBottom = 277.0;
// The totals' last row must end above the footer's first line (267 mm,
// below the rule at 266,5 mm).
constexpr double kTotalsLowest = 266.0;
// A name in column 2 may take the room left of the column up to this gap
// after its caption.
constexpr double kNameGap = 3.0;
// The column in which such a name stands.
constexpr quint16 kNameColumn = 8;

TFont ArialFont(int size, TFontStyles style)
{
    TFont f;
    f.SetName(QStringLiteral("Arial"));
    f.SetSize(size);
    f.SetStyle(style);
    return f;
}

// A count as the report compares it: empty is no count; anything else must
// be a whole number (EConvertError otherwise).
bool PositiveCount(const QString& anzahl)
{
    if (anzahl.trimmed().isEmpty()) return false;
    return StrToInt(anzahl) > 0;
}

// A code as a number; -1 for a text that is none.
int CodeOf(const QString& text)
{
    int value = 0;
    return TryStrToInt(text, value) ? value : -1;
}

}  // namespace

TStrombauBericht::TStrombauBericht(const TProjekt& projekt, TUserdaten& userdaten, const IMessageTexts& texte)
    : m_projekt(projekt), m_user(userdaten), m_texte(texte)
{
}

TStrombauBericht::~TStrombauBericht() = default;

QString TStrombauBericht::FooterSentence()
{
    return QStringLiteral("Berechnet mit dem Strombaurechner. ");
}

QString TStrombauBericht::text1(int index) const
{
    return m_texte.MessageText(TMessageList::MessStrHolder1, index);
}

QString TStrombauBericht::text2(int index) const
{
    return m_texte.MessageText(TMessageList::MessStrHolder2, index);
}

// ---- the run ------------------------------------------------------------------

void TStrombauBericht::Run()
{
    m_pages = 0;
    m_blockOpen = false;
    try {
        SetupPrintObject();
        m_po->SetPreview(Vorschau);
        if (NachSetup) NachSetup(*m_po);
        // The user data once for the whole run: nothing changes the value
        // file while the pages are recorded.
        if (UserdatenLesen)
            UserdatenLesen(m_user);
        else
            ReadUserdaten(m_user);
        loadLogo();
        PrintReportBody();
    } catch (...) {
        // The pages recorded so far are released without being shown.
        if (m_po) {
            try {
                m_po->Quit();
            } catch (...) {
            }
        }
        m_bodyFont.reset();
        m_po.reset();
        throw;
    }
    m_bodyFont.reset();
    m_po.reset();
}

void TStrombauBericht::loadLogo()
{
    m_haveLogo = false;
    m_logo = TPicture();
    const QString path = ExistingFileNoCase(ProgramFolder(), QStringLiteral("Logo.bmp"));
    if (path.isEmpty()) return;
    // A logo that cannot be read is left out.
    m_haveLogo = m_logo.LoadFromFile(path);
}

void TStrombauBericht::SetupPrintObject()
{
    m_po = std::make_unique<TPrintObject>();
    TPrintObject& po = *m_po;
    po.SetMeasurement(mtMM);
    po.setObjectName(QStringLiteral("Strombau_Prn"));
    po.SetOrientation(0);
    po.SetPaperSize(PAPER_A4);
    po.SetPreview(true);
    po.SetPrintPageNumbers(true);
    po.SetShowTotalPages(true);
    po.SetClipColumns(true);
    po.SetTransparent(false);
    po.SetShowPrintDialog(true);
    po.SetShowProgress(false);
    po.SetUseLargeFontAdjust(false);
    po.SetTitle(text2(7));
    po.OnNewPage = [this](QObject* sender) { SBPrintNewPage(sender); };
    po.AfterNewPage = [this](QObject*) { ContinueSectionBlock(); };
}

void TStrombauBericht::SBPrintNewPage(QObject*)
{
    const int page = m_po->GetPageNumber();
    m_pages = std::max(m_pages, page);
    // Page 1 got its frame from the body right after the job started.
    if (page < 2) return;
    PrintPageHeader();
    SetReportColumns();
    m_po->StartPageBody();
}

// ---- page frame -----------------------------------------------------------------

void TStrombauBericht::PrintPageHeader()
{
    TPrintObject& po = *m_po;
    const TProjektdaten& p = m_projekt.Projektdaten;
    const TUserdaten& u = m_user;

    // Page geometry; the frame places everything absolutely.
    po.SetMeasurement(mtMM);
    po.SetMarginsFromEdges(10.0, 10.0, 8.0, 10.0);
    po.SetHeaderDim(0, 1, 0.0, 0.0, 192.0, 20.0, int(RGBToColor(235, 235, 235)));
    po.SetDetail(23.0, kPageBottom - 12.0);
    po.StartPageBody();

    // The logo: 40 x 13 mm, its left edge 30 mm left of the page centre.
    if (m_haveLogo)
        po.DrawGraphic(m_logo, double(Round(po.GetPageWidth())) / 2 - 30, 0.0, 40.0, 13.0);

    po.SetHeaderInf(1, text2(8), 13.0, 1, ArialFont(16, fsBold));

    po.SetFontName(QStringLiteral("Arial"));
    po.SetFontSize(10);
    po.SetFontStyle(0);

    const auto cell = [&po](int column, const QString& text) { po.WriteColumn(quint16(column), text, -2.0, 0, 0.0); };

    // Telephone and fax of the project.
    po.SetColumn(1, 0.0, 15.0);
    po.SetColumn(2, po.GetColumnRight(1), 60.0);
    cell(1, text2(9));
    cell(2, p.Telefon);
    po.NewLine();
    cell(1, text2(10));
    cell(2, p.Fax);
    po.NewLines(2);

    // Addressee on the left, sender on the right.
    po.SetFontSize(10);
    po.SetFontStyle(0);
    po.SetColumn(1, 0.0, 15.0);
    po.SetColumn(2, po.GetColumnRight(1), 107.0);
    po.SetColumn(3, po.GetColumnRight(2), 14.0);
    po.SetColumn(4, po.GetColumnRight(3), 55.0);
    po.SetColumn(5, 80.0, 96.0);
    cell(1, text2(11));
    cell(2, p.Name1);
    cell(3, text2(12));
    cell(4, Datum.toString(QStringLiteral("dd.MM.yyyy")));
    po.NewLine();

    const QString plzOrt = p.PLZ.str() + QLatin1Char(' ') + p.Ort.str();
    QStringList links;
    if (!p.Name2.str().isEmpty())
        links = {p.Name2, p.Ansprechp, p.Strasse, plzOrt};
    else
        links = {p.Ansprechp, p.Strasse, plzOrt, QString()};
    const QString labels[4] = {text2(13), text2(9), text2(10), text2(14)};
    const QString sender[4] = {u.Nutzer, u.Telefon, u.Fax, u.EMail};
    for (int i = 0; i < 4; ++i) {
        if (!links[i].isNull()) cell(2, links[i]);
        cell(3, labels[i]);
        cell(4, sender[i]);
        po.NewLine();
    }

    po.NewLines(1);
    cell(1, text2(15));
    cell(2, p.Projekt);
    po.NewLines(2);

    double y = po.GetY();
    po.DrawLine(1, 0.0, y - 1.0, 192.0, y - 1.0);
    cell(1, text2(16));
    cell(5, text2(17));
    y = po.GetY();
    po.DrawLine(1, 0.0, y + 5.0, 192.0, y + 5.0);
    po.NewLines(1);

    // Footer: the user's address, the disclaimer, the rule, the page number.
    po.SetFooterDim(0, 0, 0.0, kPageBottom - 10.0, 192.0, kPageBottom, int(RGBToColor(230, 235, 235)));
    TFont footer = ArialFont(8, 0);
    po.SetFooterInf(1, FooterAddress(u), kPageBottom - 10.0, 0, footer);
    footer.SetSize(6);
    const QString disclaimer = u.HL.isEmpty() ? FooterSentence() + text2(19) : u.HL + QLatin1Char(' ') + text2(19);
    po.SetFooterInf(2, disclaimer, kPageBottom - po.GetLineHeight(), 0, footer);
    po.DrawLine(1, 0.0, kPageBottom - 10.5, 192.0, kPageBottom - 10.5);
    footer.SetSize(8);
    po.SetPageNumber(text2(20), 1, kPageBottom - (po.GetLineHeight() - 5.0), true, footer);

    // The body of a page begins at 80 mm.
    po.SetDetail(80.0, kPageBottom - 1.0);
    po.StartPageBody();
}

void TStrombauBericht::SetReportColumns()
{
    // Each column starts 3 mm after the previous one; 7 spans the page.
    static const double columns[7][2] = {{0, 50}, {53, 30}, {86, 7}, {96, 50}, {149, 30}, {182, 7}, {0, 190}};
    for (int c = 0; c < 7; ++c) m_po->SetColumn(quint16(c + 1), columns[c][0], columns[c][1]);
}

bool TStrombauBericht::NeedsPageBreak(int linesLeft) const
{
    return linesLeft < 5;
}

QString TStrombauBericht::FooterAddress(const TUserdaten& u)
{
    QStringList parts;
    for (const QString& part : {u.Firma.str(), u.Strasse.str(), u.Ort.str()})
        if (!part.trimmed().isEmpty()) parts << part;
    return parts.join(QStringLiteral(", "));
}

int TStrombauBericht::linesFrom(double y) const
{
    // A line fits while its foot stays above the body's foot, as the print
    // object pages (positions in inches).
    const TPrintObject& po = *m_po;
    const double lh = po.PixelsPerInchY() > 0 ? double(po.LineHeightPixels()) / po.PixelsPerInchY() : 0.0;
    if (lh <= 0) return 0;
    const double foot = po.DetailBottom() / po.GetScale();
    return std::max(0, int(std::floor((foot - y) / lh + 1e-9)));
}

int TStrombauBericht::linesFromHere() const
{
    return linesFrom(m_po->CurrentY());
}

int TStrombauBericht::linesOfABody() const
{
    const TPrintObject& po = *m_po;
    double top = po.DetailTop();
    if (po.UseMarginOffset() && po.PixelsPerInchY() > 0) top += double(po.TopMargin()) / po.PixelsPerInchY();
    return linesFrom(top);
}

void TStrombauBericht::ContinueSectionBlock()
{
    if (!m_blockOpen) return;
    const TFontStyles style = m_bodyFont->Style();
    setBodyStyle(fsUnderline);
    m_po->WriteColumnLeft(1, m_blockName, -2.0);
    m_po->NewLines(1);
    setBodyStyle(style);
}

void TStrombauBericht::blockLineDone()
{
    if (--m_blockLinesToCome <= 0) m_blockOpen = false;
    m_po->NewLines(1);
}

void TStrombauBericht::keepLastLineWithRule()
{
    // The rule belongs to its block: it never starts a page on its own.
    if (m_blockOpen && m_blockLinesToCome == 1 && linesFromHere() < 2) m_po->NewPage();
}

// ---- body -------------------------------------------------------------------------

void TStrombauBericht::setBodyStyle(int style)
{
    m_bodyFont->SetStyle(style);
    m_po->SetFont(*m_bodyFont);
}

void TStrombauBericht::writeRow(const QString* c1, const QString* c2, const QString* c3, const QString* c4,
                                const QString* c5, const QString* c6, bool nameInColumn2)
{
    TPrintObject& po = *m_po;
    const QString* cells[6] = {c1, c2, c3, c4, c5, c6};
    for (int c = 0; c < 6; ++c) {
        if (!cells[c]) continue;
        // Values stand right in their columns.
        const quint16 align = (c == 1 || c == 4) ? 2 : 0;
        quint16 column = quint16(c + 1);
        if (c == 1 && nameInColumn2) {
            // A name keeps the values' right edge and takes the room left
            // of column 2 up to its caption, so that it prints whole.
            const double captionEnd = po.GetColumnLeft(1) + (c1 ? po.GetTextWidth(*c1) : 0.0) + kNameGap;
            const double left = std::min(po.GetColumnLeft(2), captionEnd);
            po.SetColumn(kNameColumn, left, po.GetColumnRight(2) - left);
            column = kNameColumn;
        }
        po.WriteColumn(column, *cells[c], -2.0, align, 0.0);
    }
}

void TStrombauBericht::GetSectionMaterialAndShape(int k)
{
    const TTeilstrecke& t = m_projekt.Section(k);
    // Both names belong to this section alone: a code the report does not
    // know prints no name rather than the one of the section before.
    MaterialName.clear();
    ShapeName.clear();
    switch (CodeOf(t.Materialart)) {
    case 0: MaterialName = text1(7); break;
    case 1: MaterialName = text2(2); break;
    case 2: MaterialName = text2(3); break;
    case 3: MaterialName = text2(4); break;
    case 4: MaterialName = text2(5); break;
    case 5: MaterialName = text2(6); break;
    default: break;
    }
    switch (CodeOf(t.Kanalform)) {
    case 1: ShapeName = text1(11); break;
    case 2: ShapeName = text1(12); break;
    case 3: ShapeName = text1(41); break;
    default: break;
    }
}

QString TStrombauBericht::GetFittingName(int code) const
{
    if (code < 13 || code > 36) return QString();
    return text1(code);
}

int TStrombauBericht::fittingLines(int k) const
{
    const TTeilstrecke& t = m_projekt.Section(k);
    int entries = 0;
    for (int i = 1; i <= EinbautenAnzahl; ++i)
        if (PositiveCount(t.Einbauten(i).Anzahl)) ++entries;
    for (int j = 1; j <= FremdEinbautenAnzahl; ++j)
        if (PositiveCount(t.FremdEinbauten(j).Anzahl)) ++entries;
    // The heading and the column headings above the entries.
    return entries > 0 ? entries + 2 : 0;
}

void TStrombauBericht::printFittings(int k)
{
    TPrintObject& po = *m_po;
    const TTeilstrecke& t = m_projekt.Section(k);
    if (fittingLines(k) == 0) return;

    setBodyStyle(fsUnderline);
    po.WriteColumn(7, text2(33), -2.0, 0, 0.0);
    setBodyStyle(0);
    blockLineDone();

    setBodyStyle(fsItalic | fsUnderline);
    po.WriteColumn(1, text2(34), -2.0, 0, 0.0);
    po.WriteColumn(2, text2(35), -2.0, 2, 0.0);
    po.WriteColumn(3, text2(36), -2.0, 2, 0.0);
    setBodyStyle(0);
    blockLineDone();

    for (int i = 1; i <= EinbautenAnzahl; ++i) {
        const TEinbauEintrag& e = t.Einbauten(i);
        if (!PositiveCount(e.Anzahl)) continue;
        keepLastLineWithRule();
        po.WriteColumn(1, GetFittingName(CodeOf(e.Code)), -2.0, 0, 0.0);
        po.WriteColumn(2, e.Zeta, -2.0, 2, 0.0);
        po.WriteColumn(3, e.Anzahl, -2.0, 2, 0.0);
        blockLineDone();
    }
    for (int j = 1; j <= FremdEinbautenAnzahl; ++j) {
        const TFremdEinbauEintrag& f = t.FremdEinbauten(j);
        if (!PositiveCount(f.Anzahl)) continue;
        keepLastLineWithRule();
        po.WriteColumn(1, f.Beschreibung, -2.0, 0, 0.0);
        po.WriteColumn(2, f.Dp.str() + QStringLiteral(" Pa"), -2.0, 2, 0.0);
        po.WriteColumn(3, f.Anzahl, -2.0, 2, 0.0);
        blockLineDone();
    }
}

void TStrombauBericht::PrintReportBody()
{
    TPrintObject& po = *m_po;
    po.SetProgressBarInc(2);
    if (!po.Start()) return;
    PrintPageHeader();
    SetReportColumns();
    po.StartPageBody();

    m_bodyFont = std::make_unique<TFont>();
    m_bodyFont->SetSize(10);
    setBodyStyle(fsBold);

    // Text before the results: the project's, else the user's.
    const QString vortext =
        !m_projekt.Projektdaten.Vortext.isEmpty() ? m_projekt.Projektdaten.Vortext : m_user.Vortext;
    if (!vortext.isEmpty()) {
        po.WriteColumnText(7, vortext, -2.0, false, false, 0);
        po.NewLines(2);
    }

    const QString m3h = QStringLiteral("m³/h"), ms = QStringLiteral("m/s"), m = QStringLiteral("m"),
                  m2 = QStringLiteral("m²"), pa = QStringLiteral("Pa"), mm = QStringLiteral("mm"), leer;
    for (int k = 1; k <= m_projekt.TSAnzahl; ++k) {
        const TTeilstrecke& t = m_projekt.Section(k);
        GetSectionMaterialAndShape(k);

        const int shape = CodeOf(t.Kanalform);
        const int rows = 4 + (shape >= 1 && shape <= 3 ? 2 : 0);
        const int fittings = fittingLines(k);
        keepBlockTogether(rows, fittings);

        setBodyStyle(fsUnderline);
        po.WriteColumnLeft(1, t.Bezeichnung, -2.0);
        setBodyStyle(0);
        // From here on a page that the block continues on starts with the
        // section's name again.
        m_blockName = t.Bezeichnung;
        m_blockLinesToCome = rows + fittings;
        m_blockOpen = true;
        po.NewLines(1);

        const QString t21 = text2(21), t22 = text2(22), t23 = text2(23), t24 = text2(24), t25 = text2(25),
                      t26 = text2(26), t27 = text2(27), t28 = text2(28);
        writeRow(&t21, &t.Volumenstrom.str(), &m3h, &t22, &t.Geschw.str(), &ms);
        blockLineDone();
        writeRow(&t23, &t.Laenge.str(), &m, &t24, &t.HydrDurchm.str(), &m);
        blockLineDone();
        writeRow(&t25, &MaterialName, nullptr, &t26, &t.Flaeche.str(), &m2, true);
        blockLineDone();
        writeRow(&t27, &ShapeName, &leer, &t28, &t.DpRohr.str(), &pa, true);
        blockLineDone();

        const QString t30 = text2(30), t31 = text2(31);
        switch (shape) {
        case 1: {
            const QString t29 = text2(29);
            writeRow(&t29, &t.DNRohr.str(), &mm, &t30, &t.DpFormstueck.str(), &pa);
            blockLineDone();
            setBodyStyle(fsBold);
            writeRow(nullptr, nullptr, nullptr, &t31, &t.DpGesamt.str(), &pa);
            blockLineDone();
            setBodyStyle(0);
            break;
        }
        case 2:
        case 3: {
            const QString breite = text1(39), hoehe = text2(32);
            writeRow(&breite, &t.DNRohr.str(), &mm, &t30, &t.DpFormstueck.str(), &pa);
            blockLineDone();
            writeRow(&hoehe, &t.KanalHoehe.str(), &mm, nullptr, nullptr, nullptr);
            setBodyStyle(fsBold);
            writeRow(nullptr, nullptr, nullptr, &t31, &t.DpGesamt.str(), &pa);
            blockLineDone();
            setBodyStyle(0);
            break;
        }
        default:
            break;
        }

        po.NewLines(1);
        printFittings(k);
        m_blockOpen = false;

        // Closing double rule.
        double y = po.GetY();
        po.DrawLine(1, 0.0, y + 2.0, 192.0, y + 2.0);
        y = po.GetY();
        po.DrawLine(1, 0.0, y + 3.0, 192.0, y + 3.0);
        po.NewLines(1);
    }

    if (NeedsPageBreak(po.GetLinesLeft())) po.NewPage();

    const QString& nachtext = m_projekt.Projektdaten.Nachtext;
    if (!nachtext.isEmpty()) {
        po.NewLines(1);
        po.WriteColumnText(7, nachtext, -2.0, false, false, 0);
        po.NewLines(1);
    }

    PrintTotalsBlock();
    m_bodyFont.reset();
    po.EndReport();
}

void TStrombauBericht::keepBlockTogether(int rows, int fittings)
{
    // Name, rows, the empty line, the fitting list and the line of the
    // closing rule.
    const int head = 1 + rows + 1;
    const int block = head + fittings + 1;
    const int left = linesFromHere();
    const int page = linesOfABody();
    if (block <= left || left >= page) return;
    // A block that fits on a page goes to the next one whole; a longer one
    // starts here when enough lines are left below its rows for its list to
    // begin.
    if (block > page && !NeedsPageBreak(left - head)) return;
    m_po->NewPage();
}

// ---- totals -----------------------------------------------------------------------

void TStrombauBericht::PrintTotalsBlock()
{
    TPrintObject& po = *m_po;
    TFont font;
    font.SetStyle(fsBold | fsUnderline);
    font.SetSize(12);
    po.SetFont(font);

    // The block stands at fixed heights above the page bottom; it is raised
    // so far that its last row ends above the footer.
    const double shift = std::max(0.0, kPageBottom - 2 * po.GetLineHeight() - kTotalsLowest);
    const auto rowY = [&](int lines) { return kPageBottom - lines * po.GetLineHeight() - shift; };

    // Text written after the body may reach down into the block: the block
    // then goes to a page of its own.
    if (po.GetY() > rowY(5) - 2.0) po.NewPage();

    // The block's own columns (after a new page, whose frame sets the
    // report's columns).
    po.SetColumn(1, 0.0, 92.0);
    po.SetColumn(2, po.GetColumnRight(1) + 3.0, 50.0);
    po.SetColumn(3, po.GetColumnRight(2) + 3.0, 25.0);
    po.SetColumn(4, po.GetColumnRight(3) + 3.0, 12.0);

    po.DrawLine(1, 0.0, rowY(5) - 1.0, 192.0, rowY(5) - 1.0);
    po.DrawLine(1, 0.0, rowY(5) - 2.0, 192.0, rowY(5) - 2.0);

    po.WriteColumn(1, text2(37), rowY(5), 0, 0.0);
    font.SetStyle(fsBold);
    po.SetFont(font);

    const struct {
        int lines;
        int caption;
        double value;
        const char* unit;
    } rows[3] = {{5, 38, m_projekt.VpLeitungGes, "m³/h"},
                 {4, 39, m_projekt.DpLeitungGes, "Pa"},
                 {3, 40, m_projekt.Wellenleistung, "kW"}};
    for (const auto& r : rows) {
        po.WriteColumn(2, text2(r.caption), rowY(r.lines), 0, 0.0);
        po.WriteColumn(3, FloatToStr(r.value), rowY(r.lines), 2, 0.0);
        po.WriteColumn(4, QString::fromUtf8(r.unit), rowY(r.lines), 0, 0.0);
    }

    font.SetStyle(0);
    font.SetSize(10);
    po.SetFont(font);
}

// ---- message lists from the form resource -----------------------------------------

TResourceMessageTexts::TResourceMessageTexts(const QString& resource)
{
    const DfmObject form = LoadFormResource(resource);
    const char* names[4] = {"MessStrHolder1", "MessStrHolder2", "MessStrHolder3", "GridStrHolder"};
    for (int i = 0; i < 4; ++i) {
        const DfmObject* holder = form.findChild(QString::fromLatin1(names[i]));
        const DfmProperty* strings = holder ? holder->property(QStringLiteral("Strings.Strings")) : nullptr;
        if (!strings) continue;
        for (const DfmValue& item : strings->value.items) m_lists[size_t(i)] << item.text;
    }
}

QString TResourceMessageTexts::MessageText(TMessageList list, int index) const
{
    const QStringList& items = m_lists[size_t(list)];
    const QString text = index >= 0 && index < items.size() ? items[index] : QString();
    return text.isEmpty() ? DefaultMessageTexts().MessageText(list, index) : text;
}
