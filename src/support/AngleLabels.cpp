#include "support/AngleLabels.h"
#include "platform/Help.h"
#include <QDialog>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QPainter>
#include <QVariant>
#include <cmath>

// ---------------------------------------------------------------- label

TCustomAngleLabel::TCustomAngleLabel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TCustomAngleLabel::changed()
{
    update();
}

void TCustomAngleLabel::customised()
{
    if (!m_applyingPreset) m_shadowStyle = ssCustom;
}

bool TCustomAngleLabel::refuse(int value) const
{
    if (value >= 0 && value <= MaxShadow) return false;
    MessageDlg(QStringLiteral("Value not allowed"), mtCustom, mbOK);
    return true;
}

void TCustomAngleLabel::SetCaption(const QString& value)
{
    if (value == text()) return;
    setText(value);
    adjustBounds();
    changed();
}

void TCustomAngleLabel::SetAutoSize(bool on)
{
    if (on == m_autoSize) return;
    m_autoSize = on;
    adjustBounds();
}

void TCustomAngleLabel::SetTransparent(bool on)
{
    if (on == m_transparent) return;
    m_transparent = on;
    changed();
}

void TCustomAngleLabel::SetShowAccelChar(bool on)
{
    if (on == m_showAccelChar) return;
    m_showAccelChar = on;
    adjustBounds();
    changed();
}

void TCustomAngleLabel::SetAngle(int degrees)
{
    int a = degrees % 360;
    if (a < 0) a += 360;
    if (a == m_angle) return;
    m_angle = a;
    const double rad = a * M_PI / 180.0;
    m_cos = std::cos(rad);
    m_sin = std::sin(rad);
    if (a != 0) m_autoSize = false;
    changed();
}

void TCustomAngleLabel::SetOffsetX(int value)
{
    if (value == m_offsetX) return;
    m_offsetX = value;
    if (value >= 1) m_autoSize = false;
    changed();
}

void TCustomAngleLabel::SetOffsetY(int value)
{
    if (value == m_offsetY) return;
    m_offsetY = value;
    if (value >= 1) m_autoSize = false;
    changed();
}

void TCustomAngleLabel::SetHighlightDirection(TDirection value)
{
    if (value == m_highlightDirection) return;
    m_highlightDirection = value;
    customised();
    changed();
}

void TCustomAngleLabel::SetHighlightDepth(int value)
{
    if (value == m_highlightDepth) return;
    m_highlightDepth = value;
    customised();
    changed();
}

void TCustomAngleLabel::SetHighlightColor(TColor value)
{
    if (value == m_highlightColor) return;
    m_highlightColor = value;
    customised();
    changed();
}

void TCustomAngleLabel::SetShadowDirection(TDirection value)
{
    if (value == m_shadowDirection) return;
    m_shadowDirection = value;
    customised();
    changed();
}

void TCustomAngleLabel::SetShadowDepth(int value)
{
    if (value == m_shadowDepth || refuse(value)) return;
    m_shadowDepth = value;
    customised();
    changed();
}

void TCustomAngleLabel::SetShadowSize(int value)
{
    if (value == m_shadowSize || refuse(value)) return;
    m_shadowSize = value;
    customised();
    changed();
}

void TCustomAngleLabel::SetShadowColor(TColor value)
{
    if (value == m_shadowColor) return;
    m_shadowColor = value;
    customised();
    changed();
}

void TCustomAngleLabel::SetShadowStyle(TShadowStyle value)
{
    if (value == m_shadowStyle) return;
    m_shadowStyle = value;
    struct Preset {
        TDirection hDir;
        int hDepth;
        TDirection sDir;
        int sDepth, sSize;
        bool faceColored;
    };
    Preset p{};
    switch (value) {
    case ssCustom: changed(); return;
    case ssNone: p = {drNone, 0, drNone, 0, 0, false}; break;
    case ssRaised: p = {drUpLeft, 1, drNone, 0, 0, false}; break;
    case ssRaisedColor: p = {drUpLeft, 1, drDownRight, 1, 1, true}; break;
    case ssRaisedShadow: p = {drUpLeft, 1, drDownRight, 1, 1, false}; break;
    case ssRaisedThickShadow: p = {drUpLeft, 1, drDownRight, 1, 4, false}; break;
    case ssRecessed: p = {drDownRight, 1, drNone, 0, 0, false}; break;
    case ssRecessedColor: p = {drDownRight, 1, drUpLeft, 1, 1, true}; break;
    case ssRecessedShadow: p = {drDownRight, 1, drUpLeft, 1, 1, false}; break;
    case ssShadow: p = {drNone, 0, drDownRight, 2, 1, false}; break;
    case ssThickShadow: p = {drNone, 0, drDownRight, 1, 4, false}; break;
    }
    m_applyingPreset = true;
    SetHighlightDirection(p.hDir);
    SetHighlightDepth(p.hDepth);
    SetHighlightColor(clBtnHighlight);
    SetShadowDirection(p.sDir);
    SetShadowDepth(p.sDepth);
    SetShadowSize(p.sSize);
    SetShadowColor(clBtnShadow);
    if (p.faceColored) SetFontColor(clBtnFace);
    m_applyingPreset = false;
    changed();
}

void TCustomAngleLabel::SetVerticalAlignment(TVerticalAlignment value)
{
    if (value == m_verticalAlignment) return;
    m_verticalAlignment = value;
    changed();
}

TColor TCustomAngleLabel::FontColor() const
{
    const QColor shown = palette().color(QPalette::WindowText);
    const QVariant stored = property("Font.Color");
    if (stored.isValid()) {
        const TColor c = FormIntToColor(stored.toLongLong());
        if (ColorToQColor(c, &palette()) == shown) return c;
    }
    return QColorToColor(shown);
}

void TCustomAngleLabel::SetFontColor(TColor color)
{
    setProperty("Font.Color", ColorToFormInt(color));
    QPalette pal = palette();
    const QColor qc = ColorToQColor(color, &pal);
    pal.setColor(QPalette::WindowText, qc);
    pal.setColor(QPalette::Text, qc);
    setPalette(pal);  // reports the change through changeEvent
}

bool TCustomAngleLabel::ReadFormProperty(const QString& name, const DfmValue& value)
{
    if (!name.endsWith(QLatin1String("Color"), Qt::CaseInsensitive) || name.contains(QLatin1Char('.'))) return false;
    const QMetaObject* mo = metaObject();
    for (int i = 0; i < mo->propertyCount(); ++i) {
        const QMetaProperty mp = mo->property(i);
        if (name.compare(QLatin1String(mp.name()), Qt::CaseInsensitive) != 0) continue;
        if (mp.metaType().id() != QMetaType::UInt) return false;
        TColor c = 0;
        if (value.kind == DfmValue::Integer) c = FormIntToColor(value.integer);
        else if (value.kind != DfmValue::Identifier || !IdentToColor(value.text, c)) return false;
        return mp.write(this, QVariant::fromValue(quint32(c)));
    }
    return false;
}

QPoint TCustomAngleLabel::DirectionStep(TDirection direction)
{
    switch (direction) {
    case drNone: break;
    case drUp: return {0, -1};
    case drDown: return {0, 1};
    case drLeft: return {-1, 0};
    case drRight: return {1, 0};
    case drUpLeft: return {-1, -1};
    case drUpRight: return {1, -1};
    case drDownLeft: return {-1, 1};
    case drDownRight: return {1, 1};
    }
    return {0, 0};
}

int TCustomAngleLabel::TextFlags() const
{
    int flags = Qt::TextExpandTabs | Qt::AlignTop;
    const Qt::Alignment h = alignment() & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignRight) flags |= Qt::AlignRight;
    else if (h & Qt::AlignHCenter) flags |= Qt::AlignHCenter;
    else flags |= Qt::AlignLeft;
    if (wordWrap()) flags |= Qt::TextWordWrap;
    if (m_showAccelChar) flags |= Qt::TextShowMnemonic;
    return flags;
}

QRect TCustomAngleLabel::TextRect() const
{
    const QRect client = rect();
    const Qt::Alignment h = alignment() & Qt::AlignHorizontal_Mask;
    if (m_angle != 0) {
        const QFontMetrics fm(font());
        const int W = fm.horizontalAdvance(text());
        const int H = fm.height();
        const int wc = int(W * m_cos), ws = int(W * m_sin);
        const int hc = int(H * m_cos), hs = int(H * m_sin);
        int bw = 0, bh = 0;
        if (m_angle < 90) { bw = wc + hs; bh = ws + hc; }
        else if (m_angle < 180) { bw = hs - wc; bh = ws - hc; }
        else if (m_angle < 270) { bw = -wc - hs; bh = -hc - ws; }
        else { bw = wc - hs; bh = hc - ws; }
        bw = qMin(bw, client.width());
        bh = qMin(bh, client.height());
        QPoint origin(0, 0);
        if (h & Qt::AlignHCenter) origin.rx() += (client.width() - bw) / 2;
        else if (h & Qt::AlignRight) origin.rx() += client.width() - bw;
        if (m_verticalAlignment == vaCenter) origin.ry() += (client.height() - bh) / 2;
        else if (m_verticalAlignment == vaBottom) origin.ry() += client.height() - bh;
        if (m_angle < 90) origin.ry() += ws;
        else if (m_angle < 180) { origin.rx() -= wc; origin.ry() += bh; }
        else if (m_angle < 270) { origin.rx() += bw; origin.ry() -= hc; }
        else origin.rx() -= hs;
        return QRect(origin, QSize(bw, bh));
    }
    QRect r = client;
    if (m_verticalAlignment != vaTop) {
        const QFontMetrics fm(font());
        // The height of the lines themselves, without the leading that Qt
        // adds to each.
        const int bounded = fm.boundingRect(client, TextFlags(), text()).height();
        const int th = qMax(1, qRound(double(bounded) / qMax(1, fm.lineSpacing()))) * fm.height();
        const int free = client.height() - th;
        r.translate(0, m_verticalAlignment == vaCenter ? free / 2 : free);
    }
    return r;
}

void TCustomAngleLabel::drawCaption(QPainter& p, const QRect& r, const QColor& color) const
{
    p.setPen(color);
    if (m_angle != 0) {
        p.save();
        p.translate(r.topLeft());
        p.rotate(-m_angle);
        p.drawText(QPoint(0, QFontMetrics(p.font()).ascent()), text());
        p.restore();
    } else {
        p.drawText(r, TextFlags(), text());
    }
}

void TCustomAngleLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    const QPalette& pal = palette();
    if (!m_transparent) p.fillRect(rect(), pal.color(backgroundRole()));
    p.setBackgroundMode(Qt::TransparentMode);

    const QRect r = TextRect().translated(m_offsetX, m_offsetY);
    if (!isEnabled()) {
        drawCaption(p, r.translated(1, 1), ColorToQColor(clBtnHighlight, &pal));
        drawCaption(p, r, ColorToQColor(clBtnShadow, &pal));
        return;
    }
    if (m_shadowStyle != ssNone) {
        const QPoint sStep = DirectionStep(m_shadowDirection);
        QRect s = r.translated(sStep * m_shadowDepth);
        const QColor shadow = ColorToQColor(m_shadowColor, &pal);
        for (int i = 0; i < m_shadowSize; ++i) {
            drawCaption(p, s, shadow);
            s.translate(sStep);
        }
        const QRect hl = r.translated(DirectionStep(m_highlightDirection) * m_highlightDepth);
        drawCaption(p, hl, ColorToQColor(m_highlightColor, &pal));
    }
    drawCaption(p, r, pal.color(QPalette::WindowText));
}

void TCustomAngleLabel::adjustBounds()
{
    if (!m_autoSize || m_angle != 0) return;
    const QFontMetrics fm(font());
    QRect bound = wordWrap() ? QRect(0, 0, width(), 1 << 20) : QRect(0, 0, 1 << 20, 1 << 20);
    const QRect t = fm.boundingRect(bound, TextFlags() & ~(Qt::AlignHCenter | Qt::AlignRight), text());
    const int w = wordWrap() ? width() : t.width();
    const int lines = qMax(1, qRound(double(t.height()) / qMax(1, fm.lineSpacing())));
    const int hgt = lines * fm.height();
    int x = this->x();
    const Qt::Alignment h = alignment() & Qt::AlignHorizontal_Mask;
    if (!wordWrap() && (h & Qt::AlignRight)) x += width() - w;
    setGeometry(x, y(), w, hgt);
}

void TCustomAngleLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    emit OnMouseEnter();
    MouseEnter();
}

void TCustomAngleLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    emit OnMouseLeave();
    MouseLeave();
}

void TCustomAngleLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        adjustBounds();
        FontChanged();
    } else if (event->type() == QEvent::PaletteChange) {
        FontChanged();
    }
}

// ---------------------------------------------------------------- button

namespace {

struct GroupInfo {
    int modalResult;
    bool isDefault;
    bool isCancel;
    const char* captions[TPresetButton::LanguageCount];
};

// Languages: English, Russian, Ukrainian, French, Portuguese, Spanish,
// German, Danish, Italian, Swedish, Dutch, Polish, Hungarian, Turkish,
// Slovak, Korean, Chinese.
const GroupInfo kGroups[] = {
    {mrCancel, false, true,
     {"Cancel", "Отмена", "Скасувати", "Annuler", "Cancela", "Cancelar", "Abbrechen", "Annuller", "Annulla",
      "Avbryt", "Ann&uleren", "Anuluj", "Mégse", "İptal", "&Storno", "취소", "取消"}},
    {mrNone, false, false,
     {"&Help", "&Справка", "&Довідка", "&Aide", "&Ajuda", "A&yuda", "&Hilfe", "&Hjælp", "&Aiuto", "&Hjälp",
      "&Help", "Pomo&c", "&Súgó", "&Yardım", "&Pomoc", "도움말(&H)", "帮助(&H)"}},
    {mrYes, true, false,
     {"&Yes", "&Да", "&Так", "&Oui", "&Sim", "&Sí", "&Ja", "&Ja", "&Sì", "&Ja", "&Ja", "&Tak", "&Igen", "&Evet",
      "Án&o", "예(&Y)", "是(&Y)"}},
    {mrNo, false, true,
     {"&No", "&Нет", "&Ні", "&Non", "&Não", "&No", "&Nein", "&Nej", "&No", "&Nej", "&Nee", "&Nie", "&Nem",
      "&Hayır", "&Nie", "아니요(&N)", "否(&N)"}},
    {mrNone, false, false,
     {"&Close", "&Закрыть", "&Закрити", "&Fermer", "&Fechar", "&Cerrar", "&Schließen", "&Luk", "&Chiudi",
      "S&täng", "&Sluiten", "&Zamknij", "&Bezárás", "&Kapat", "&Zavrieť", "닫기(&C)", "关闭(&C)"}},
    {mrAbort, false, false,
     {"Abort", "Прервать", "Перервати", "Abandonner", "Anular", "Anular", "Abbruch", "Afbryd", "Interrompi",
      "Avbryt", "Afbreken", "Przerwij", "Megszakítás", "Durdur", "Prerušiť", "중단", "中止"}},
    {mrRetry, false, false,
     {"&Retry", "&Повторить", "&Повторити", "&Réessayer", "&Repetir", "&Reintentar", "&Wiederholen",
      "&Prøv igen", "&Riprova", "&Försök igen", "&Opnieuw", "&Ponów", "Ú&jra", "&Yeniden dene", "&Opakovať",
      "다시 시도(&R)", "重试(&R)"}},
    {mrIgnore, false, false,
     {"&Ignore", "&Пропустить", "&Пропустити", "&Ignorer", "&Ignorar", "&Ignorar", "&Ignorieren", "&Ignorer",
      "&Ignora", "&Ignorera", "&Negeren", "&Ignoruj", "&Kihagyás", "&Yoksay", "&Ignorovať", "무시(&I)",
      "忽略(&I)"}},
    {mrAll, false, false,
     {"&All", "&Все", "&Усі", "&Tous", "&Todos", "&Todos", "&Alle", "&Alle", "&Tutti", "&Alla", "&Alle",
      "&Wszystkie", "&Mind", "&Tümü", "&Všetko", "모두(&A)", "全部(&A)"}},
    {mrNoToAll, true, false,
     {"&Done", "&Готово", "&Готово", "&Terminé", "&Concluído", "&Hecho", "&Fertig", "&Færdig", "&Fatto",
      "&Klar", "&Gereed", "&Gotowe", "&Kész", "&Tamam", "&Hotovo", "완료(&D)", "完成(&D)"}},
    {mrNone, false, false,
     {"< &Back", "< &Назад", "< &Назад", "< &Précédent", "< &Voltar", "< &Atrás", "< &Zurück", "< &Tilbage",
      "< &Indietro", "< &Bakåt", "< V&orige", "< &Wstecz", "< &Vissza", "< &Geri", "< &Späť", "< 뒤로(&B)",
      "< 上一步(&B)"}},
    {mrNone, true, false,
     {"&Next >", "&Далее >", "&Далі >", "&Suivant >", "&Avançar >", "&Siguiente >", "&Weiter >", "&Næste >",
      "&Avanti >", "&Nästa >", "&Volgende >", "&Dalej >", "&Tovább >", "&İleri >", "Ď&alej >", "다음(&N) >",
      "下一步(&N) >"}},
    {mrYesToAll, true, false,
     {"&Finish", "&Завершить", "&Завершити", "&Terminer", "&Concluir", "&Finalizar", "Fertig&stellen", "&Udfør",
      "&Fine", "&Slutför", "&Voltooien", "&Zakończ", "&Befejezés", "&Son", "&Dokončiť", "마침(&F)", "完成(&F)"}},
};
static_assert(std::size(kGroups) == 13);

constexpr int FirstGroupKind = TPresetButton::pbkCancel;

}  // namespace

TPresetButton::TPresetButtonKind TPresetButton::KindOf(TPresetGroup group, int language)
{
    if (language < 0 || language >= LanguageCount) language = 0;
    return TPresetButtonKind(FirstGroupKind + int(group) * LanguageCount + language);
}

int TPresetButton::GroupOf(TPresetButtonKind kind)
{
    if (kind < FirstGroupKind || kind > pbkFinishChn) return -1;
    return (int(kind) - FirstGroupKind) / LanguageCount;
}

QString TPresetButton::KindCaption(TPresetButtonKind kind)
{
    if (kind == pbkOk) return QStringLiteral("OK");
    const int g = GroupOf(kind);
    if (g < 0) return QString();
    return QString::fromUtf8(kGroups[g].captions[(int(kind) - FirstGroupKind) % LanguageCount]);
}

int TPresetButton::KindModalResult(TPresetButtonKind kind)
{
    if (kind == pbkOk) return mrOk;
    const int g = GroupOf(kind);
    return g < 0 ? mrNone : kGroups[g].modalResult;
}

bool TPresetButton::KindDefault(TPresetButtonKind kind)
{
    if (kind == pbkOk) return true;
    const int g = GroupOf(kind);
    return g >= 0 && kGroups[g].isDefault;
}

bool TPresetButton::KindCancel(TPresetButtonKind kind)
{
    const int g = GroupOf(kind);
    return g >= 0 && kGroups[g].isCancel;
}

TPresetButton::TPresetButton(QWidget* parent) : QPushButton(parent)
{
    connect(this, &QAbstractButton::clicked, this, &TPresetButton::Click);
    watchWindow();
}

TPresetButton::TPresetButtonKind TPresetButton::Kind() const
{
    if (m_kind != pbkCustom
        && (m_default != KindDefault(m_kind) || m_cancel != KindCancel(m_kind)
            || m_modalResult != KindModalResult(m_kind)))
        m_kind = pbkCustom;
    return m_kind;
}

void TPresetButton::SetKind(TPresetButtonKind kind)
{
    if (kind == m_kind) return;
    m_kind = kind;
    if (kind == pbkCustom) return;
    SetDefault(KindDefault(kind));
    m_cancel = KindCancel(kind);
    if (!m_loading || text().isEmpty()) setText(KindCaption(kind));
    m_modalResult = KindModalResult(kind);
}

void TPresetButton::Click()
{
    const TPresetButtonKind kind = Kind();
    const int group = GroupOf(kind);
    if (group == pgHelp) {
        for (QWidget* w = this; w; w = w->parentWidget()) {
            const int context = w->property("HelpContext").toInt();
            if (context != 0) {
                ShowHelpContext(ApplicationHelpFile(), context);
                return;
            }
        }
    } else if (group == pgClose) {
        if (QWidget* form = window(); form && form != this) {
            form->close();
            return;
        }
    }
    // The ordinary click: a button with a modal result ends its modal dialog.
    if (m_modalResult != mrNone) {
        if (auto* dlg = qobject_cast<QDialog*>(window())) dlg->done(m_modalResult);
    }
}

bool TPresetButton::ReadFormProperty(const QString&, const DfmValue&)
{
    // The first entry marks the start of loading; Loaded() ends it.
    m_loading = true;
    return false;
}

QList<DfmProperty> TPresetButton::WriteFormProperties() const
{
    QList<DfmProperty> out;
    const TPresetButtonKind kind = Kind();
    auto add = [&](const char* name, const DfmValue& v) {
        DfmProperty p;
        p.name = QString::fromLatin1(name);
        p.value = v;
        out.append(p);
    };
    auto ident = [](const QString& text) {
        DfmValue v;
        v.kind = DfmValue::Identifier;
        v.text = text;
        return v;
    };
    if (kind != pbkCustom)
        add("Kind", ident(QString::fromLatin1(QMetaEnum::fromType<TPresetButtonKind>().valueToKey(kind))));
    if (text() != KindCaption(kind)) add("Caption", DfmValue::fromString(text()));
    if (kind == pbkCustom) {
        add("Default", ident(m_default ? QStringLiteral("True") : QStringLiteral("False")));
        add("Cancel", ident(m_cancel ? QStringLiteral("True") : QStringLiteral("False")));
    }
    if (m_modalResult != KindModalResult(kind)) add("ModalResult", DfmValue::fromInt(m_modalResult));
    return out;
}

void TPresetButton::watchWindow()
{
    QWidget* w = window();
    if (w == m_window) return;
    if (m_window) m_window->removeEventFilter(this);
    m_window = w;
    if (w && w != this) w->installEventFilter(this);
}

void TPresetButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::ParentChange) watchWindow();
}

bool TPresetButton::eventFilter(QObject* watched, QEvent* event)
{
    // Escape anywhere in the window clicks the cancel button.
    if (watched == m_window && event->type() == QEvent::KeyPress && m_cancel && isVisible() && isEnabled()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            click();
            return true;
        }
    }
    return QPushButton::eventFilter(watched, event);
}
