#include "platform/Graphics.h"

#include <QBrush>
#include <QGuiApplication>

namespace {

QColor plain(TColor c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

// Classic values for system colours that have no palette role.
QColor classic(int index)
{
    switch (index) {
    case 1: return QColor(0x3A, 0x6E, 0xA5);
    case 2: return QColor(0x0A, 0x24, 0x6A);
    case 3: return QColor(0x80, 0x80, 0x80);
    case 6: return QColor(0, 0, 0);
    case 9: return QColor(0xFF, 0xFF, 0xFF);
    case 10:
    case 11: return QColor(0xD4, 0xD0, 0xC8);
    case 12: return QColor(0x80, 0x80, 0x80);
    case 19: return QColor(0xD4, 0xD0, 0xC8);
    case 26: return QColor(0, 0, 0x80);
    case 27: return QColor(0xA6, 0xCA, 0xF0);
    case 28: return QColor(0xC0, 0xC0, 0xC0);
    default: return QColor(0, 0, 0);
    }
}

struct NamedColor {
    const char* name;
    TColor color;
};

const NamedColor kNames[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue}, {"clCream", clCream},
    {"clMedGray", clMedGray}, {"clLtGray", clLtGray}, {"clDkGray", clDkGray},
    {"clNone", clNone}, {"clDefault", clDefault},
    {"clScrollBar", clScrollBar}, {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption}, {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu}, {"clWindow", clWindow}, {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText}, {"clWindowText", clWindowText}, {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder}, {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace}, {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText}, {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText}, {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight}, {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk}, {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clMenuHighlight", clMenuHighlight}, {"clMenuBar", clMenuBar},
};

}  // namespace

QColor ColorToQColor(TColor color, const QPalette* palette)
{
    if (!IsSystemColor(color)) {
        if (color == clNone || color == clDefault) return QColor(Qt::transparent);
        return plain(color);
    }
    const QPalette pal = palette ? *palette : QGuiApplication::palette();
    const int index = int(color & 0xFF);
    switch (index) {
    case 0: return pal.color(QPalette::Button);           // scroll bar
    case 4: return pal.color(QPalette::Window);           // menu
    case 5: return pal.color(QPalette::Base);             // window
    case 7: return pal.color(QPalette::WindowText);       // menu text
    case 8: return pal.color(QPalette::Text);             // window text
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);          // button face
    case 16: return pal.color(QPalette::Dark);            // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: return pal.color(QPalette::ButtonText);
    case 20: return pal.color(QPalette::Light);           // button highlight
    case 21: return pal.color(QPalette::Shadow);
    case 22: return pal.color(QPalette::Midlight);
    case 23: return pal.color(QPalette::ToolTipText);
    case 24: return pal.color(QPalette::ToolTipBase);
    case 29: return pal.color(QPalette::Highlight);
    case 30: return pal.color(QPalette::Window);
    default: return classic(index);
    }
}

TColor QColorToColor(const QColor& color)
{
    return RGBToColor(color.red(), color.green(), color.blue());
}

bool IdentToColor(const QString& ident, TColor& color)
{
    for (const NamedColor& n : kNames) {
        if (ident.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) {
            color = n.color;
            return true;
        }
    }
    bool ok = false;
    qint64 v = 0;
    if (ident.startsWith(QLatin1Char('$')))
        v = ident.mid(1).toLongLong(&ok, 16);
    else
        v = ident.toLongLong(&ok, 10);
    if (!ok) return false;
    color = FormIntToColor(v);
    return true;
}

QString ColorToIdent(TColor color)
{
    for (const NamedColor& n : kNames)
        if (n.color == color) return QString::fromLatin1(n.name);
    return QString();
}

// ---------------------------------------------------------------- TFont

void TFont::changed()
{
    if (OnChange) OnChange();
}

void TFont::copyAttributes(const TFont& other)
{
    m_color = other.m_color;
    m_height = other.m_height;
    m_name = other.m_name;
    m_pitch = other.m_pitch;
    m_style = other.m_style;
}

bool TFont::sameAttributes(const TFont& other) const
{
    return m_color == other.m_color && m_height == other.m_height && m_name == other.m_name
        && m_pitch == other.m_pitch && m_style == other.m_style;
}

void TFont::Assign(const TFont& source)
{
    if (&source == this || sameAttributes(source)) return;
    copyAttributes(source);
    changed();
}

void TFont::SetColor(TColor value)
{
    if (m_color == value) return;
    m_color = value;
    changed();
}

void TFont::SetHeight(int value)
{
    value = qBound(-MaxHeight, value, MaxHeight);
    if (m_height == value) return;
    m_height = value;
    changed();
}

int TFont::Size() const
{
    // points = -height * 72 / 96, rounded
    const int h = -m_height;
    return h >= 0 ? (h * 72 + 48) / 96 : -((-h * 72 + 48) / 96);
}

void TFont::SetSize(int points)
{
    const qint64 p = qBound(qint64(-MaxHeight), qint64(points), qint64(MaxHeight));
    const qint64 h = p >= 0 ? (p * 96 + 36) / 72 : -((-p * 96 + 36) / 72);
    SetHeight(int(-h));
}

void TFont::SetName(const QString& value)
{
    if (m_name == value) return;
    m_name = value;
    changed();
}

void TFont::SetPitch(TFontPitch value)
{
    if (m_pitch == value) return;
    m_pitch = value;
    changed();
}

void TFont::SetStyle(TFontStyles value)
{
    value &= 0x0F;
    if (m_style == value) return;
    m_style = value;
    changed();
}

QFont TFont::toQFont() const
{
    QFont f(m_name);
    // The classic dialog fonts are rarely installed; the general fallback
    // runs much wider, so texts sized for them would no longer fit.
    // Arial and its metric twin come closest.
    if (m_name.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0
        || m_name.compare(QLatin1String("MS Shell Dlg"), Qt::CaseInsensitive) == 0
        || m_name.compare(QLatin1String("MS Shell Dlg 2"), Qt::CaseInsensitive) == 0)
        f.setFamilies({m_name, QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    // The height is within +-MaxHeight already (SetHeight keeps it there).
    if (m_height < 0)
        f.setPixelSize(-m_height);
    else if (m_height > 0)
        f.setPixelSize(qMax(1, (m_height * 7 + 4) / 8));  // cell height includes the leading
    if (m_pitch == fpFixed) f.setFixedPitch(true);
    f.setBold(m_style & fsBold);
    f.setItalic(m_style & fsItalic);
    f.setUnderline(m_style & fsUnderline);
    f.setStrikeOut(m_style & fsStrikeOut);
    return f;
}

// --------------------------------------------------------------- TBrush

void TBrush::changed()
{
    if (OnChange) OnChange();
}

void TBrush::Assign(const TBrush& source)
{
    if (&source == this || sameAttributes(source)) return;
    m_color = source.m_color;
    m_style = source.m_style;
    changed();
}

void TBrush::SetColor(TColor value)
{
    if (m_color == value) return;
    m_color = value;
    changed();
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (m_style == value) return;
    m_style = value;
    changed();
}

QBrush TBrush::toQBrush(const QPalette* palette) const
{
    const QColor c = ColorToQColor(m_color, palette);
    switch (m_style) {
    case bsClear: return QBrush(Qt::NoBrush);
    case bsHorizontal: return QBrush(c, Qt::HorPattern);
    case bsVertical: return QBrush(c, Qt::VerPattern);
    case bsFDiagonal: return QBrush(c, Qt::FDiagPattern);
    case bsBDiagonal: return QBrush(c, Qt::BDiagPattern);
    case bsCross: return QBrush(c, Qt::CrossPattern);
    case bsDiagCross: return QBrush(c, Qt::DiagCrossPattern);
    case bsSolid:
    default: return QBrush(c);
    }
}

// ----------------------------------------------------------------- TPen

void TPen::changed()
{
    if (OnChange) OnChange();
}

void TPen::Assign(const TPen& source)
{
    if (&source == this || sameAttributes(source)) return;
    m_color = source.m_color;
    m_width = source.m_width;
    m_style = source.m_style;
    m_mode = source.m_mode;
    changed();
}

void TPen::SetColor(TColor value)
{
    if (m_color == value) return;
    m_color = value;
    changed();
}

void TPen::SetWidth(int value)
{
    if (value < 0) value = 0;
    if (m_width == value) return;
    m_width = value;
    changed();
}

void TPen::SetStyle(TPenStyle value)
{
    if (m_style == value) return;
    m_style = value;
    changed();
}

void TPen::SetMode(TPenMode value)
{
    if (m_mode == value) return;
    m_mode = value;
    changed();
}

QPen TPen::toQPen(const QPalette* palette) const
{
    if (m_style == psClear) return QPen(Qt::NoPen);
    QPen pen(ColorToQColor(m_color, palette));
    pen.setWidth(m_width <= 1 ? 0 : m_width);
    switch (m_style) {
    case psDash: pen.setStyle(Qt::DashLine); break;
    case psDot: pen.setStyle(Qt::DotLine); break;
    case psDashDot: pen.setStyle(Qt::DashDotLine); break;
    case psDashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
    default: pen.setStyle(Qt::SolidLine); break;
    }
    return pen;
}
