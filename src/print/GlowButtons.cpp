#include "print/GlowButtons.h"
#include "platform/Dialogs.h"
#include <QDialog>
#include <QEnterEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace {

const char* const GlyphResources[] = {
    nullptr, "btnclose", "btnclosefile", "btnfirst", "btnlast", "btnnext", "btnopenfile",
    "btnprev", "btnprint", "btnsearch", "btnok", "btncancel", "btnhelp",
};
const char* const TypeCaptions[] = {
    "", "Close", "Close", "First", "Last", "Next", "Open", "Prev", "Print", "Search", "OK", "Cancel", "Help",
};

// Each of red, green and blue halved.
QColor darkOf(const QColor& c) { return QColor(c.red() / 2, c.green() / 2, c.blue() / 2); }

// Paints `color` wherever the mask is black (ink), offset by (dx, dy).
void paintMask(QImage& target, const QImage& mask, int ox, int dx, int dy, const QColor& color)
{
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            if (!mask.pixelIndex(x, y)) continue;  // 1 = ink
            const int tx = ox + x + dx, ty = y + dy;
            if (tx >= ox && tx < target.width() && ty >= 0 && ty < target.height()) target.setPixelColor(tx, ty, color);
        }
}

}  // namespace

TGlowButton::TGlowButton(QWidget* parent) : QWidget(parent)
{
    resize(75, 25);
    if (!parent) m_caption = QStringLiteral("GlowBtn");
    m_captionOffFont.SetStyle(fsBold);
    m_captionOnFont.SetStyle(fsBold);
    m_captionOnFont.SetColor(clBlack);
    m_captionOffFont.OnChange = [this] { update(); };
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, false);
    updateAccelerator();
}

QString TGlowButton::TypeCaption(TGlowButtonType type)
{
    const int t = int(type);
    return t > 0 && t <= btnHelp ? QString::fromLatin1(TypeCaptions[t]) : QString();
}

QImage TGlowButton::TypeGlyph(TGlowButtonType type)
{
    const int t = int(type);
    if (t <= 0 || t > btnHelp) return {};
    return QImage(QStringLiteral(":/glyphs/%1.xpm").arg(QLatin1String(GlyphResources[t]))).convertToFormat(QImage::Format_RGB32);
}

// ---- properties ----------------------------------------------------------------

void TGlowButton::SetButtonType(TGlowButtonType type)
{
    if (m_loading || type == m_buttonType) {
        m_buttonType = type;
        return;
    }
    m_modalResult = 0;
    const QImage bitmap = type == btnAny ? m_glyph.copy(0, 0, m_glyph.height(), m_glyph.height()) : TypeGlyph(type);
    if (type == btnClose || type == btnCancel) m_modalResult = mrCancel;
    else if (type == btnOK) m_modalResult = mrOk;
    if (type != btnAny) {
        m_caption = TypeCaption(type);
        updateAccelerator();
    }
    assignGlyph(bitmap);  // the type's own picture: the type stays as asked
    m_buttonType = type;
    update();
}

void TGlowButton::SetCaption(const QString& caption)
{
    m_caption = caption;
    updateAccelerator();
    update();
}

void TGlowButton::SetCaptionWrap(bool on)
{
    if (on == m_captionWrap) return;
    m_captionWrap = on;
    update();
}

void TGlowButton::SetFlat(bool on)
{
    m_flat = on;
    if (on) {
        m_frameOffColor = m_mouseOffColor;
        update();
    }
}

void TGlowButton::SetLayout(TButtonLayout layout)
{
    m_layout = layout;
    if (!m_loading) {
        const bool vertical = layout == blGlyphTop || layout == blGlyphBottom;
        if (vertical && height() == 25) resize(width(), 45);
        else if (!vertical && height() == 45) resize(width(), 25);
    }
    update();
}

void TGlowButton::SetModalResult(int result)
{
    if (result == m_modalResult) return;
    m_modalResult = result;
    m_buttonType = btnAny;  // the type no longer says what the button does
}

void TGlowButton::SetParentColor(bool on)
{
    m_parentColor = on;
    if (on) takeParentColor();
}

void TGlowButton::SetDisableColor(TColor c)
{
    m_disableColor = c;
    update();
}

void TGlowButton::SetFrameOffColor(TColor c)
{
    if (m_flat || c == m_frameOffColor) return;
    m_frameOffColor = c;
    update();
}

void TGlowButton::SetMouseOffColor(TColor c)
{
    if (m_parentColor) return;
    m_mouseOffColor = c;
    if (m_flat) m_frameOffColor = c;
    update();
}

void TGlowButton::SetCaptionOffFont(const TFont& font)
{
    m_captionOffFont.Assign(font);
    update();
}

void TGlowButton::SetGlyph(const QImage& image)
{
    assignGlyph(image);
    if (!m_loading) m_buttonType = btnAny;
}

void TGlowButton::takeParentColor()
{
    if (!parentWidget()) return;
    const QWidget* p = parentWidget();
    m_mouseOffColor = QColorToColor(p->palette().color(p->backgroundRole()));
    if (m_flat) m_frameOffColor = m_mouseOffColor;
    update();
}

void TGlowButton::updateAccelerator()
{
    QString s = m_caption;
    s.remove(QStringLiteral("&&"));
    const int amp = s.indexOf(u'&');
    m_accel = amp >= 0 && amp + 1 < s.size() ? s[amp + 1].toUpper() : QChar();
    if (m_shortcutId) releaseShortcut(m_shortcutId);
    m_shortcutId = 0;
    if (!m_accel.isNull()) m_shortcutId = grabShortcut(QKeySequence(QStringLiteral("Alt+") + m_accel));
}

// ---- glyph ------------------------------------------------------------------------

void TGlowButton::assignGlyph(const QImage& source)
{
    if (source.isNull() || source.width() == 0 || source.height() == 0) {
        m_glyph = QImage();
        m_numGlyphs = 0;
        update();
        return;
    }
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int g = image.height();
    m_numGlyphs = image.width() / g;
    if (m_numGlyphs == 1) {
        // The disabled picture: the shape of everything that is neither white
        // nor the transparent colour, embossed in highlight and shadow.
        const QRgb transparent = image.pixel(0, g - 1);
        QImage mask(g, g, QImage::Format_Mono);
        mask.setColorCount(2);
        mask.setColor(0, qRgb(255, 255, 255));
        mask.setColor(1, qRgb(0, 0, 0));
        for (int y = 0; y < g; ++y)
            for (int x = 0; x < g; ++x) {
                const QRgb px = image.pixel(x, y) | 0xFF000000u;
                const bool background = px == 0xFFFFFFFFu || px == (transparent | 0xFF000000u);
                mask.setPixel(x, y, background ? 0 : 1);
            }
        QImage strip(2 * g, g, QImage::Format_RGB32);
        {
            QPainter p(&strip);
            p.drawImage(0, 0, image);
            p.fillRect(g, 0, g, g, resolve(clBtnFace));
        }
        paintMask(strip, mask, g, 1, 1, resolve(clBtnHighlight));
        paintMask(strip, mask, g, 0, 0, resolve(clBtnShadow));
        image = strip;
        m_numGlyphs = 2;
    }
    m_glyph = image;
    update();
}

bool TGlowButton::ReadFormProperty(const QString& name, const DfmValue& value)
{
    m_loading = true;  // the loader offers every property here first
    auto is = [&](const char* n) { return name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; };
    auto colour = [&](TColor& out) {
        if (value.kind == DfmValue::Integer) out = FormIntToColor(value.integer);
        else if (value.kind != DfmValue::Identifier || !IdentToColor(value.text, out)) return false;
        return true;
    };
    TColor c = 0;
    if (is("Glyph.Data")) {
        if (value.kind != DfmValue::Binary) return false;
        // A bitmap stream: its length in four bytes, then the bitmap file.
        QByteArray bytes = value.bytes;
        if (bytes.size() > 4 && !bytes.startsWith("BM") && bytes.mid(4, 2) == "BM") bytes = bytes.mid(4);
        m_glyph = QImage::fromData(bytes);
        return true;
    }
    if (is("MouseOffColor") && colour(c)) { SetMouseOffColor(c); return true; }
    if (is("MouseOnColor") && colour(c)) { SetMouseOnColor(c); return true; }
    if (is("FrameOffColor") && colour(c)) { SetFrameOffColor(c); return true; }
    if (is("FrameOnColor") && colour(c)) { SetFrameOnColor(c); return true; }
    if (is("DisableColor") && colour(c)) { SetDisableColor(c); return true; }
    for (TFont* font : {&m_captionOffFont, &m_captionOnFont}) {
        const QString prefix = font == &m_captionOffFont ? QStringLiteral("CaptionOffFont.") : QStringLiteral("CaptionOnFont.");
        if (!name.startsWith(prefix, Qt::CaseInsensitive)) continue;
        const QString attr = name.mid(prefix.size());
        auto isAttr = [&](const char* n) { return attr.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; };
        if (isAttr("Color") && colour(c)) font->SetColor(c);
        else if (isAttr("Height") && value.kind == DfmValue::Integer) font->SetHeight(int(qBound(qint64(-1000), value.integer, qint64(1000))));
        else if (isAttr("Size") && value.kind == DfmValue::Integer) font->SetSize(int(qBound(qint64(-1000), value.integer, qint64(1000))));
        else if (isAttr("Name") && value.kind == DfmValue::String) font->SetName(value.text);
        else if (isAttr("Style") && value.kind == DfmValue::Set) {
            TFontStyles s = 0;
            for (const QString& item : value.setItems) {
                if (item.compare(u"fsBold", Qt::CaseInsensitive) == 0) s |= fsBold;
                else if (item.compare(u"fsItalic", Qt::CaseInsensitive) == 0) s |= fsItalic;
                else if (item.compare(u"fsUnderline", Qt::CaseInsensitive) == 0) s |= fsUnderline;
                else if (item.compare(u"fsStrikeOut", Qt::CaseInsensitive) == 0) s |= fsStrikeOut;
                else return false;
            }
            font->SetStyle(s);
        } else if (isAttr("Charset") || isAttr("Pitch")) {
            // the platform's choice of character set and pitch; nothing to keep
        } else return false;
        return true;
    }
    return false;
}

void TGlowButton::Loaded()
{
    m_loading = false;
    assignGlyph(m_glyph);
}

// ---- drawing -----------------------------------------------------------------------

void TGlowButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawState(p, m_mouseOn);
}

void TGlowButton::drawState(QPainter& p, bool hover)
{
    const int w = width(), h = height();
    const bool enabled = isEnabled();
    TFont font = hover ? m_captionOnFont : m_captionOffFont;
    if (m_scale != 1.0) font.SetSize(qRound(font.Size() * m_scale));

    const QColor back = resolve(!enabled ? m_disableColor : hover ? m_mouseOnColor : m_mouseOffColor);
    p.fillRect(0, 0, w, h, back);

    const TColor frame = hover ? m_frameOnColor : m_frameOffColor;
    const TColor face = hover ? m_mouseOnColor : m_mouseOffColor;
    if (frame != face) {
        const QColor fc = resolve(frame);
        const QColor dark = darkOf(fc);
        // A two-pixel line along an edge covers that edge and the pixel inside it.
        if (!m_pressed) {
            p.fillRect(0, 0, w, 1, fc);
            p.fillRect(0, 0, 1, h, fc);
            p.fillRect(w - 2, 0, 2, h, dark);
            p.fillRect(0, h - 2, w, 2, dark);
        } else {
            p.fillRect(0, 0, w, 2, dark);
            p.fillRect(0, 0, 2, h, dark);
            p.fillRect(w - 2, 0, 2, h, dark);
            p.fillRect(0, h - 2, w, 2, dark);
        }
    }

    const int g = m_numGlyphs > 0 ? m_glyph.height() : 0;
    const bool hasCaption = !m_caption.isEmpty();
    if (m_numGlyphs > 0) {
        int x = 0, y = 0;
        switch (m_layout) {
        case blGlyphLeft: x = hasCaption ? 4 : (w - g) / 2; y = (h - g) / 2; break;
        case blGlyphRight: x = hasCaption ? w - (g + 4) : (w - g) / 2; y = (h - g) / 2; break;
        case blGlyphTop: y = hasCaption ? 4 : (h - g) / 2; x = (w - g) / 2; break;
        case blGlyphBottom: y = hasCaption ? h - (g + 4) : (h - g) / 2; x = (w - g) / 2; break;
        }
        if (m_pressed) { ++x; ++y; }
        // The chosen square with its transparent colour replaced by the background.
        QImage shown = m_glyph.copy(enabled || m_numGlyphs < 2 ? 0 : g, 0, g, g);
        const QRgb transparent = m_glyph.pixel(0, g - 1);
        const QRgb backRgb = back.rgb();
        for (int yy = 0; yy < g; ++yy)
            for (int xx = 0; xx < g; ++xx)
                if (shown.pixel(xx, yy) == transparent) shown.setPixel(xx, yy, backRgb);
        p.drawImage(QRect(x, y, m_glyph.width() / m_numGlyphs, g), shown);
    }

    if (hasCaption) {
        QRect area(0, 0, w, h);
        if (m_numGlyphs > 0) {
            switch (m_layout) {
            case blGlyphLeft: area.setLeft(g + 6); break;
            case blGlyphRight: area.setRight(w - (g + 6) - 1); break;
            case blGlyphTop: area.setTop(h / 2); break;
            case blGlyphBottom: area.setBottom(h / 2 - 1); break;
            }
        }
        const int flags = Qt::AlignHCenter | Qt::TextShowMnemonic | (m_captionWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
        p.setFont(font.toQFont());
        const QRect measured = p.boundingRect(area, flags, m_caption);
        area.setTop(area.top() + (area.height() - measured.height()) / 2);
        if (m_pressed) area.translate(1, 1);
        if (enabled) {
            p.setPen(resolve(font.Color()));
            p.drawText(area, flags, m_caption);
        } else {
            p.setPen(resolve(clBtnHighlight));
            p.drawText(area, flags, m_caption);
            p.setPen(resolve(clBtnShadow));
            p.drawText(area.translated(-1, -1), flags, m_caption);
        }
    }
}

// ---- mouse, keys and clicks -------------------------------------------------------------

void TGlowButton::mousePressEvent(QMouseEvent* e)
{
    if (!isEnabled()) return;
    if (OnMouseDown) OnMouseDown(this, e->button(), e->modifiers(), int(e->position().x()), int(e->position().y()));
    m_pressed = true;
    m_mouseOn = true;
    repaint();
}

void TGlowButton::mouseMoveEvent(QMouseEvent* e)
{
    if (OnMouseMove) OnMouseMove(this, e->modifiers(), int(e->position().x()), int(e->position().y()));
    if (!m_mouseOn) {
        m_mouseOn = true;
        repaint();
    }
}

void TGlowButton::mouseReleaseEvent(QMouseEvent* e)
{
    const bool wasPressed = m_pressed;
    if (OnMouseUp) OnMouseUp(this, e->button(), e->modifiers(), int(e->position().x()), int(e->position().y()));
    m_pressed = false;
    m_mouseOn = false;
    repaint();
    if (wasPressed && isEnabled() && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Click();
}

void TGlowButton::enterEvent(QEnterEvent*)
{
    m_mouseOn = true;
    update();
}

void TGlowButton::leaveEvent(QEvent*)
{
    m_mouseOn = false;
    update();
}

void TGlowButton::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if ((e->type() == QEvent::ParentChange || e->type() == QEvent::PaletteChange) && m_parentColor) takeParentColor();
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled()) m_pressed = false;
        update();
    }
}

bool TGlowButton::event(QEvent* e)
{
    if (e->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(e);
        if (se->shortcutId() == m_shortcutId) {
            // Only a button the user can see and use answers its letter.
            if (isEnabled() && isVisible()) {
                m_mouseOn = true;
                repaint();
                Click();
                m_mouseOn = false;
                update();
            }
            return true;
        }
    }
    return QWidget::event(e);
}

void TGlowButton::Click()
{
    if (auto* dlg = qobject_cast<QDialog*>(window())) {
        if (m_modalResult != 0) dlg->done(m_modalResult);
    }
    if (OnClick) OnClick(this);
}
