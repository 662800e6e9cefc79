#include "app/GrundlagenDLG.h"
#include "app/FormBau.h"
#include "app/SvgBild.h"
#include "grid/CellGrid.h"
#include "platform/CurrencyEdit.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/ResourceStrings.h"
#include "platform/SpeedBar.h"
#include "platform/StrHolder.h"
#include "support/Translation.h"
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <cmath>

namespace {

const char* const kFormResource = ":/forms/GrundlagenForm.dfm";

// Items of ZetaStrHolder beyond the component names.
enum TText {
    txKeineDatei = 13,
    txNichtGespeichert = 14,
    txJetztSpeichern = 15,
    txKeineZahl = 16,
    txZuLang = 17,
    txLadefehler = 18,
};

const char* const kDefaultTexts[] = {
    "Einbauteile", "selbstt. Verschlussklappe(n)", "Wetterschutzgitter", "Filterbox", "Kanalfilter", "Filter",
    "E-Heizregister Rohr", "E-Heizregister Kanal", "WW-Heizregister Rohr", "WW-Heizregiser Kanal",
    "Rohrschalldämpfer", "Flex. Rohrschalldämpfer", "Kanalschalldämpfer", "Datei für Konstante nicht vorhanden",
    "Die Änderungen wurden noch nicht gespeichert!!", "Wollen Sie die Änderungen jetzt speichern?",
    "ist kein gültiger Wert: erlaubt sind eine Dezimalzahl mit Komma (z. B. 0,15) oder ein leeres Feld.",
    "Das Feld „%s“ nimmt höchstens fünf Zeichen auf: „%s“ wird nicht übernommen.",
    "Diese Werte der Datei sind keine Zahlen (ihr Feld zeigt 0,00):",
};

using formbau::make;

using formbau::makeTab;

const char* const kImages[][2] = {
    {"BogenGlattImage", "zeta_bogen_glatt"},
    {"BogenSegmentImage", "zeta_bogen_segment"},
    {"FlachHImage", "zeta_flach_horizontal"},
    {"FlachVImage", "zeta_flach_vertikal"},
    {"AbzweigImage", "zeta_abzweig"},
    {"RedScharfWeitImage", "zeta_erweiterung_scharf"},
    {"RedScharfEngImage", "zeta_verengung_scharf"},
    {"RedKonWeitImage", "zeta_erweiterung_konisch"},
    {"RedKonEngImage", "zeta_verengung_konisch"},
};

// The number an edit holds, as it is written: its text without thousands
// separators, or 0 for an empty edit.
QString editWert(const TCurrencyEdit* edit)
{
    QString t = edit->text().trimmed();
    t.remove(QLatin1Char('.'));
    // An empty edit stands for 0; anything else is checked as typed, so
    // that a letter is refused rather than taken as 0.
    if (t.isEmpty()) return FloatToStr(edit->Value());
    return t;
}

// The plain decimal `t` (a sign, digits, at most one comma) without the
// zeros that do not change its value: "0,150" -> "0,15", "-00,5" -> "-0,5".
QString ohneNullen(const QString& t)
{
    QString s = t;
    const bool negative = s.startsWith(QLatin1Char('-'));
    if (negative || s.startsWith(QLatin1Char('+'))) s.remove(0, 1);
    const qsizetype comma = s.indexOf(DecimalSeparator);
    QString whole = comma < 0 ? s : s.left(comma);
    QString decimals = comma < 0 ? QString() : s.mid(comma + 1);
    while (whole.startsWith(QLatin1Char('0'))) whole.remove(0, 1);
    while (decimals.endsWith(QLatin1Char('0'))) decimals.chop(1);
    if (whole.isEmpty()) whole = QStringLiteral("0");
    QString out = decimals.isEmpty() ? whole : whole + DecimalSeparator + decimals;
    if (negative && out != QLatin1String("0")) out.prepend(QLatin1Char('-'));
    return out;
}

}  // namespace

TGrundlagenForm::TGrundlagenForm(QWidget* parent) : TAppDialog(parent)
{
    setObjectName(QStringLiteral("GrundlagenForm"));

    VorgabenPageControl = make<QTabWidget>(this, "VorgabenPageControl");
    VorgabenTab = makeTab(VorgabenPageControl, "VorgabenTab");
    ZetaBogenTab = makeTab(VorgabenPageControl, "ZetaBogenTab");
    ZetaFlachTab = makeTab(VorgabenPageControl, "ZetaFlachTab");
    ZetaAbzweigTab = makeTab(VorgabenPageControl, "ZetaAbzweigTab");
    ZetaRedScharfTab = makeTab(VorgabenPageControl, "ZetaRedScharfTab");
    ZetaRedKonTab = makeTab(VorgabenPageControl, "ZetaRedKonTab");
    EinbautenTab = makeTab(VorgabenPageControl, "EinbautenTab");

    BlechGefalztEdit = make<TCurrencyEdit>(VorgabenTab, "BlechGefalztEdit");
    FlexrohrEdit = make<TCurrencyEdit>(VorgabenTab, "FlexrohrEdit");
    GemauertEdit = make<TCurrencyEdit>(VorgabenTab, "GemauertEdit");
    HolzkanalEdit = make<TCurrencyEdit>(VorgabenTab, "HolzkanalEdit");
    BetonkanalEdit = make<TCurrencyEdit>(VorgabenTab, "BetonkanalEdit");
    FaserzementEdit = make<TCurrencyEdit>(VorgabenTab, "FaserzementEdit");
    EtaVentilatorEdit = make<TCurrencyEdit>(VorgabenTab, "EtaVentilatorEdit");

    ZetaBogenGlattGrid = make<TCellGrid>(ZetaBogenTab, "ZetaBogenGlattGrid");
    ZetaBogenSegmentGrid = make<TCellGrid>(ZetaBogenTab, "ZetaBogenSegmentGrid");
    ZetaBogenFlachGrid = make<TCellGrid>(ZetaFlachTab, "ZetaBogenFlachGrid");
    ZetaBogenFlachVertGrid = make<TCellGrid>(ZetaFlachTab, "ZetaBogenFlachVertGrid");
    ZetaAbzweigGrid = make<TCellGrid>(ZetaAbzweigTab, "ZetaAbzweigGrid");
    ZetaRedScharfWeitGrid = make<TCellGrid>(ZetaRedScharfTab, "ZetaRedScharfWeitGrid");
    ZetaRedScharfEngGrid = make<TCellGrid>(ZetaRedScharfTab, "ZetaRedScharfEngGrid");
    ZetaRedKonWeitGrid = make<TCellGrid>(ZetaRedKonTab, "ZetaRedKonWeitGrid");
    ZetaRedKonEngGrid = make<TCellGrid>(ZetaRedKonTab, "ZetaRedKonEngGrid");
    ZubehoerGrid = make<TCellGrid>(EinbautenTab, "ZubehoerGrid");

    auto* panel = make<QFrame>(this, "Panel1");
    Panel1 = panel;
    SaveBtn = make<QPushButton>(panel, "SaveBtn");
    CloseBtn = make<QPushButton>(panel, "CloseBtn");
    SaveBtn->setAutoDefault(false);
    CloseBtn->setAutoDefault(false);

    ZetaStrHolder = new TStrHolder(this, QStringLiteral("ZetaStrHolder"));
    FormTranslator = make<TFormTranslator>(this, "FormTranslator");

    LoadForm(QString::fromLatin1(kFormResource));
    setPictures();

    // Where every technical key is shown.
    const std::array<TCurrencyEdit*, 7> material = {BlechGefalztEdit, FlexrohrEdit, GemauertEdit, HolzkanalEdit,
                                                    BetonkanalEdit, FaserzementEdit, EtaVentilatorEdit};
    const char* const materialKeys[7] = {"EBlech", "EFlex", "EEGemauert", "EHolz", "EBeton", "EFaserzement",
                                         "EtaVentilator"};
    for (int i = 0; i < 7; ++i) m_felder.insert(QString::fromLatin1(materialKeys[i]).toLower(), TFeld{material[size_t(i)]});
    auto cell = [this](const QString& key, TCellGrid* grid, int c, int r) {
        m_felder.insert(key.toLower(), TFeld{nullptr, grid, c, r});
        m_keyOfCell[{grid, c * 100 + r}] = key;
    };
    for (int c = 1; c <= 6; ++c) {
        cell(QStringLiteral("ZBog%1").arg(c), ZetaBogenGlattGrid, c, 1);
        cell(QStringLiteral("ZSeg3_%1").arg(c), ZetaBogenSegmentGrid, c, 1);
        cell(QStringLiteral("ZSeg5_%1").arg(c), ZetaBogenSegmentGrid, c, 2);
        cell(QStringLiteral("ZFlachH%1").arg(c), ZetaBogenFlachGrid, c, 2);
        cell(QStringLiteral("ZFlachV%1").arg(c), ZetaBogenFlachVertGrid, c, 2);
        cell(QStringLiteral("ZRedErwS%1").arg(c), ZetaRedScharfWeitGrid, c, 1);
        cell(QStringLiteral("ZRedEngS%1").arg(c), ZetaRedScharfEngGrid, c, 1);
        cell(QStringLiteral("ZRedEngK%1").arg(c), ZetaRedKonEngGrid, c, 1);
        cell(QStringLiteral("zEinbauten%1").arg(c), ZubehoerGrid, 1, c);
        cell(QStringLiteral("zEinbauten%1").arg(c + 6), ZubehoerGrid, 3, c);
    }
    for (int c = 1; c <= 7; ++c) {
        cell(QStringLiteral("ZAbzw90%1").arg(c), ZetaAbzweigGrid, c, 1);
        cell(QStringLiteral("ZAbzw60%1").arg(c), ZetaAbzweigGrid, c, 2);
        cell(QStringLiteral("ZAbzw45%1").arg(c), ZetaAbzweigGrid, c, 3);
    }
    for (int k = 1; k <= 18; ++k) cell(QStringLiteral("ZRedErwK%1").arg(k), ZetaRedKonWeitGrid, (k - 1) % 6 + 1, (k - 1) / 6 + 1);

    for (TCurrencyEdit* e : material) connect(e, &TCurrencyEdit::Change, this, &TGrundlagenForm::SpeichernMoeglich);
    for (TCellGrid* g : Grids()) {
        g->OnSetEditText = [this](QObject* s, int c, int r, const QString& v) { ZetaBogenGlattGridSetEditText(s, c, r, v); };
        g->OnGetEditText = [this, g](QObject* s, int c, int r, QString& v) {
            m_editStart[s] = {{c, r}, v};
            // Typing into a cell is a change at once, so that Alt+S saves it.
            QLineEdit* editor = g->InplaceEditor();
            if (editor && !m_watchedEditors.contains(editor)) {
                m_watchedEditors.insert(editor);
                connect(editor, &QLineEdit::textChanged, this, [this, g](const QString& now) {
                    const auto start = m_editStart.find(g);
                    if (g->EditorVisible() && (start == m_editStart.end() || start->second.second != now))
                        SpeichernMoeglich();
                });
            }
        };
        g->OnValidateEdit = [this](QObject* s, int c, int r, bool& ok) { validateCell(s, c, r, ok); };
    }
    connect(SaveBtn, &QPushButton::clicked, this, [this] { SaveBtnClick(); });
    // Escape in a grid without an open editor closes the dialog as it does
    // everywhere else in it.
    for (TCellGrid* g : Grids()) g->installEventFilter(this);
    // Numbers pasted into a cell are taken in the program's writing.
    for (TCellGrid* g : Grids()) g->OnPasteText = [](QObject*, int, int, QString& text) { text = PastedDecimalText(text); };
    for (TCurrencyEdit* e : material) {
        e->installEventFilter(this);
        m_bisher[e] = e->text();
    }
}

bool TGrundlagenForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // Leaving an edit takes its value or refuses it; a menu or another
        // window taking the focus for a while leaves it as it is, and so
        // does the dialog closing (what was not saved is read anew).
        auto* edit = qobject_cast<TCurrencyEdit*>(watched);
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (edit && isVisible() && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            editVerlassen(edit);
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* grid = qobject_cast<TCellGrid*>(watched);
        if (grid && key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier && !grid->EditorVisible()) {
            reject();
            return true;
        }
    }
    return TAppDialog::eventFilter(watched, event);
}

std::array<TCurrencyEdit*, 7> TGrundlagenForm::Edits() const
{
    return {BlechGefalztEdit, FlexrohrEdit, GemauertEdit, HolzkanalEdit, BetonkanalEdit, FaserzementEdit,
            EtaVentilatorEdit};
}

std::array<TCellGrid*, 10> TGrundlagenForm::Grids() const
{
    return {ZetaBogenGlattGrid, ZetaBogenSegmentGrid, ZetaBogenFlachGrid, ZetaBogenFlachVertGrid, ZetaAbzweigGrid,
            ZetaRedScharfWeitGrid, ZetaRedScharfEngGrid, ZetaRedKonWeitGrid, ZetaRedKonEngGrid, ZubehoerGrid};
}

QString TGrundlagenForm::Bild(const QString& image)
{
    for (const auto& entry : kImages)
        if (image.compare(QLatin1String(entry[0]), Qt::CaseInsensitive) == 0)
            return QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(entry[1]));
    return QString();
}

void TGrundlagenForm::setPictures()
{
    for (const auto& entry : kImages)
        ShowSvgPicture(findChild<TImage*>(QLatin1String(entry[0])), Bild(QLatin1String(entry[0])));
}

QString TGrundlagenForm::text(int index) const
{
    return ZetaStrHolder->item(index, kDefaultTexts);
}

TGrundlagenForm::TFeld TGrundlagenForm::FeldVon(const QString& key) const
{
    return m_felder.value(key.toLower());
}

QString TGrundlagenForm::FeldName(const QString& key) const
{
    const TFeld f = FeldVon(key);
    auto labelOf = [this](const QWidget* w) -> QString {
        // The label that stands closest above or to the left of the control.
        const QLabel* best = nullptr;
        int bestDistance = 1 << 30;
        for (const QLabel* l : w->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            const int dy = w->y() - l->y();
            const int dx = w->x() - l->x();
            if (dy < -6 || dx < -6 || (dy > 24 && dx > 24)) continue;
            const int d = dx + dy;
            if (d < bestDistance) {
                bestDistance = d;
                best = l;
            }
        }
        return best ? best->text().trimmed() : w->objectName();
    };
    if (f.edit) return labelOf(f.edit);
    if (!f.grid) return key;
    QString rowHead, colHead;
    if (f.grid == ZubehoerGrid) {
        rowHead = f.grid->Cells(f.col - 1, f.row);
    } else {
        rowHead = f.grid->Cells(0, f.row);
        for (int r = f.grid->FixedRows() - 1; r >= 0 && colHead.isEmpty(); --r) colHead = f.grid->Cells(f.col, r);
    }
    QString name = labelOf(f.grid);
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    if (!rowHead.isEmpty()) name += QStringLiteral(", ") + rowHead;
    if (!colHead.isEmpty()) name += QStringLiteral(" / ") + colHead;
    return name;
}

// ---- checking -------------------------------------------------------------------

TGrundlagenForm::TPruefung TGrundlagenForm::PruefeWert(const QString& text, QString* written)
{
    const QString t = text.trimmed();
    if (written) *written = t;
    if (t.isEmpty()) return TPruefung::Ok;
    double full = 0;
    if (!TryStrToFloat(t, full) || !std::isfinite(full)) return TPruefung::KeineZahl;
    const int breite = TTechnikDaten::Breite;
    if (t.contains(QLatin1Char('E'), Qt::CaseInsensitive)) return t.size() <= breite ? TPruefung::Ok : TPruefung::ZuLang;
    // The number itself must fit: zeros that change nothing may go, no
    // digit that counts.
    const QString shortest = ohneNullen(t);
    if (shortest.size() > breite) return TPruefung::ZuLang;
    if (written && t.size() > breite) *written = shortest;
    return TPruefung::Ok;
}

QString TGrundlagenForm::refusal(TPruefung p, const QString& key, const QString& value) const
{
    return p == TPruefung::KeineZahl
        ? FeldName(key) + QStringLiteral(": \"") + value + QStringLiteral("\" ") + text(txKeineZahl)
        : FormatStr(text(txZuLang), {FeldName(key), value});
}

void TGrundlagenForm::validateCell(QObject* Sender, int ACol, int ARow, bool& Result)
{
    auto* grid = qobject_cast<TCellGrid*>(Sender);
    if (!grid) return;
    const auto keyIt = m_keyOfCell.find({grid, ACol * 100 + ARow});
    if (keyIt == m_keyOfCell.end()) return;
    const QString typed = grid->Cells(ACol, ARow);
    QString written;
    const TPruefung p = PruefeWert(typed, &written);
    if (p == TPruefung::Ok) {
        // The cell shows what is written ("1,50000" as "1,5").
        if (written != typed) grid->SetCells(ACol, ARow, written);
        return;
    }
    // Refused: the cell gets its text from before the edit back.
    QString before = m_konstanten.Value(keyIt->second);
    const auto start = m_editStart.find(grid);
    if (start != m_editStart.end() && start->second.first == std::make_pair(ACol, ARow)) before = start->second.second;
    grid->SetCells(ACol, ARow, before);
    MessageDlg(refusal(p, keyIt->second, typed.trimmed()), mtError, mbOK);
    Result = false;
}

void TGrundlagenForm::editVerlassen(TCurrencyEdit* edit)
{
    QString key;
    for (auto it = m_felder.cbegin(); it != m_felder.cend(); ++it)
        if (it->edit == edit) key = it.key();
    const TPruefung p = PruefeWert(editWert(edit));
    if (p == TPruefung::Ok) {
        m_bisher[edit] = edit->text();
        return;
    }
    refuseEdit(edit, p, key);
    // Without a window manager to hand the keyboard back, the dialog asks for it.
    if (isVisible() && !isActiveWindow()) activateWindow();
}

void TGrundlagenForm::refuseEdit(TCurrencyEdit* edit, TPruefung p, const QString& key)
{
    // The old value comes back before the message takes the focus.
    const QString typed = edit->text().trimmed();
    edit->setText(m_bisher.value(edit, QStringLiteral("0")));
    MessageDlg(refusal(p, key, typed), mtError, mbOK);
}

// ---- loading ----------------------------------------------------------------------

void TGrundlagenForm::showEvent(QShowEvent* event)
{
    TAppDialog::showEvent(event);
    // Coming up loads; returning from a message box or a minimised window
    // keeps what was typed.
    if (!m_geladen) {
        m_geladen = true;
        FormActivate();
    }
}

void TGrundlagenForm::FormActivate()
{
    SaveBtn->setEnabled(m_geaendert);
    QStringList bad;
    if (!WertDateiVorhanden()) {
        MessageDlg(text(txKeineDatei), mtInformation, mbOK);
    } else if (ReadConstantsFile()) {
        bad = ConstantsToDialog();
    }
    FillZubehoerGridNames();
    VorgabenPageControl->setCurrentWidget(VorgabenTab);
    BlechGefalztEdit->setFocus(Qt::OtherFocusReason);
    if (!bad.isEmpty()) MessageDlg(text(txLadefehler) + QLatin1Char('\r') + bad.join(QLatin1Char('\r')), mtError, mbOK);
}

bool TGrundlagenForm::ReadConstantsFile()
{
    return ReadTechnikdaten(m_konstanten);
}

QStringList TGrundlagenForm::ConstantsToDialog()
{
    QStringList bad;
    ++m_laden;
    for (int i = 0; i < m_konstanten.Count(); ++i) {
        const TFeld f = FeldVon(m_konstanten.Key(i));
        const QString value = m_konstanten.Value(i);
        if (f.edit) {
            double v = 0;
            if (!TryStrToFloat(value, v)) {
                bad << m_konstanten.Key(i) + QStringLiteral(" = \"") + value + QLatin1Char('"');
                v = 0;
            }
            f.edit->SetValue(v);
            m_bisher[f.edit] = f.edit->text();
        } else if (f.grid) {
            f.grid->SetCells(f.col, f.row, value);
        }
    }
    --m_laden;
    return bad;
}

void TGrundlagenForm::FillZubehoerGridNames()
{
    ZubehoerGrid->SetCells(0, 0, text(0));
    ZubehoerGrid->SetCells(2, 0, text(0));
    for (int r = 1; r <= 6; ++r) {
        ZubehoerGrid->SetCells(0, r, text(r));
        ZubehoerGrid->SetCells(2, r, text(r + 6));
    }
}

// ---- changes ----------------------------------------------------------------------

void TGrundlagenForm::SpeichernMoeglich()
{
    if (m_laden > 0) return;
    m_geaendert = true;
    SaveBtn->setEnabled(true);
}

void TGrundlagenForm::ZetaBogenGlattGridSetEditText(QObject*, int, int, const QString&)
{
    SpeichernMoeglich();
}

// ---- saving -----------------------------------------------------------------------

bool TGrundlagenForm::CommitGridEdits()
{
    for (TCellGrid* g : Grids())
        if (!g->commitEdit()) return false;
    return true;
}

bool TGrundlagenForm::DialogToConstants(TTechnikDaten& daten)
{
    for (int i = 0; i < daten.Count(); ++i) {
        const QString key = daten.Key(i);
        const TFeld f = FeldVon(key);
        QString full;
        if (f.edit) full = editWert(f.edit);
        else if (f.grid) full = f.grid->Cells(f.col, f.row);
        QString cut;
        const TPruefung p = PruefeWert(full, &cut);
        if (p != TPruefung::Ok) {
            if (f.edit) {
                VorgabenPageControl->setCurrentWidget(VorgabenTab);
                f.edit->setFocus(Qt::OtherFocusReason);
                refuseEdit(f.edit, p, key);
                f.edit->selectAll();
                return false;
            }
            if (f.grid) {
                VorgabenPageControl->setCurrentWidget(f.grid->parentWidget());
                f.grid->SetCol(f.col);
                f.grid->SetRow(f.row);
                f.grid->setFocus(Qt::OtherFocusReason);
            }
            MessageDlg(refusal(p, key, full.trimmed()), mtError, mbOK);
            return false;
        }
        daten.SetValue(i, cut);
    }
    return true;
}

bool TGrundlagenForm::WriteConstantsFile()
{
    return WriteTechnikdaten(m_konstanten);
}

bool TGrundlagenForm::SaveBtnClick()
{
    // A value still in a cell's editor belongs to what is saved.
    if (!CommitGridEdits()) return false;
    TTechnikDaten daten;
    if (!DialogToConstants(daten)) return false;
    // The flag clears only once the file holds the values.
    if (!WriteTechnikdaten(daten)) return false;
    m_konstanten = daten;
    for (TCurrencyEdit* e : Edits()) m_bisher[e] = e->text();
    m_geaendert = false;
    SaveBtn->setEnabled(false);
    return true;
}

// ---- closing ----------------------------------------------------------------------

void TGrundlagenForm::FormCloseQuery(bool& CanClose)
{
    CanClose = true;
    if (!CommitGridEdits()) {
        CanClose = false;
        return;
    }
    if (!m_geaendert) return;
    CanClose = MayCloseAfterAsking(text(txNichtGespeichert) + QLatin1Char('\r') + text(txJetztSpeichern),
                                   [this] { return SaveBtnClick(); });
}

void TGrundlagenForm::done(int result)
{
    if (!isVisible()) {
        TAppDialog::done(result);
        return;
    }
    bool canClose = true;
    FormCloseQuery(canClose);
    if (!canClose) return;
    m_geladen = false;
    TAppDialog::done(result);
}
