#pragma once
// Colours, fonts and brushes as the forms and drawing code know them.
//
// TColor is 0x00BBGGRR for a plain colour; 0x80000000 | n names system
// colour n (clWindow, clBtnFace, ...), which is only turned into a real
// colour through a palette at the moment something is painted.
// TFont and TBrush are value objects with a change notification: every
// attribute setter that really changes a value calls OnChange.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPen>
#include <QString>
#include <QtGlobal>
#include <functional>

using TColor = quint32;

constexpr TColor SystemColorBit = 0x80000000u;
constexpr TColor SystemColor(int index) { return SystemColorBit | quint32(index); }

// Plain colours (0x00BBGGRR)
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

constexpr bool IsSystemColor(TColor c) { return (c & SystemColorBit) != 0; }
// A plain colour from its parts.
constexpr TColor RGBToColor(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}

// The colour to paint with; system colours are looked up in `palette`
// (the application palette when none is given).
QColor ColorToQColor(TColor color, const QPalette* palette = nullptr);
// Plain colour of a QColor (alpha dropped).
TColor QColorToColor(const QColor& color);

// Form notation: "clWindow", "clYellow", or a number (decimal, negative
// numbers for system colours as the form files store them).
bool IdentToColor(const QString& ident, TColor& color);
QString ColorToIdent(TColor color);  // empty when the colour has no name
// The colour as a form stream stores it (signed 32-bit).
inline qint64 ColorToFormInt(TColor color) { return qint32(color); }
inline TColor FormIntToColor(qint64 value) { return TColor(quint64(value) & 0xFFFFFFFFu); }

enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = int;  // bit set of TFontStyle

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// The platform's default font attributes.
constexpr TColor DefaultFontColor = clWindowText;
constexpr int DefaultFontHeight = -11;
inline QString DefaultFontName() { return QStringLiteral("MS Sans Serif"); }

class TFont {
public:
    TFont() = default;
    // Copies the attributes only; the copy has no change notification.
    TFont(const TFont& other) { copyAttributes(other); }
    TFont& operator=(const TFont& other) { Assign(other); return *this; }
    virtual ~TFont() = default;

    // Takes all attributes of `source` and notifies once when any changed.
    void Assign(const TFont& source);

    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    // Negative: character height in pixels; positive: cell height.  Kept
    // within +-MaxHeight (a damaged form may hold any number).
    static constexpr int MaxHeight = 4096;
    int Height() const { return m_height; }
    void SetHeight(int value);
    // Size in points at 96 dots per inch; kept within the height's range.
    int Size() const;
    void SetSize(int points);
    QString Name() const { return m_name; }
    void SetName(const QString& value);
    TFontPitch Pitch() const { return m_pitch; }
    void SetPitch(TFontPitch value);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles value);

    bool sameAttributes(const TFont& other) const;
    // The font to paint with.
    QFont toQFont() const;

    std::function<void()> OnChange;

protected:
    void changed();

private:
    void copyAttributes(const TFont& other);
    TColor m_color = DefaultFontColor;
    int m_height = DefaultFontHeight;
    QString m_name = DefaultFontName();
    TFontPitch m_pitch = fpDefault;
    TFontStyles m_style = 0;
};

class TBrush {
public:
    TBrush() = default;
    TBrush(const TBrush& other) : m_color(other.m_color), m_style(other.m_style) {}
    TBrush& operator=(const TBrush& other) { Assign(other); return *this; }
    virtual ~TBrush() = default;

    void Assign(const TBrush& source);

    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle value);

    bool sameAttributes(const TBrush& other) const { return m_color == other.m_color && m_style == other.m_style; }
    // The brush to paint with (Qt::NoBrush for bsClear).
    QBrush toQBrush(const QPalette* palette = nullptr) const;

    std::function<void()> OnChange;

protected:
    void changed();

private:
    TColor m_color = clWhite;
    TBrushStyle m_style = bsSolid;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// How the pen combines with what is already on the surface.
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

class TPen {
public:
    TPen() = default;
    TPen(const TPen& other)
        : m_color(other.m_color), m_width(other.m_width), m_style(other.m_style), m_mode(other.m_mode) {}
    TPen& operator=(const TPen& other) { Assign(other); return *this; }
    virtual ~TPen() = default;

    void Assign(const TPen& source);

    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    // Device pixels; 0 draws one pixel wide.
    int Width() const { return m_width; }
    void SetWidth(int value);
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return m_mode; }
    void SetMode(TPenMode value);

    bool sameAttributes(const TPen& other) const
    {
        return m_color == other.m_color && m_width == other.m_width && m_style == other.m_style
            && m_mode == other.m_mode;
    }
    // The pen to paint with (Qt::NoPen for psClear); width 0 stays a
    // one-pixel cosmetic pen.
    QPen toQPen(const QPalette* palette = nullptr) const;

    std::function<void()> OnChange;

protected:
    void changed();

private:
    TColor m_color = clBlack;
    int m_width = 1;
    TPenStyle m_style = psSolid;
    TPenMode m_mode = pmCopy;
};
