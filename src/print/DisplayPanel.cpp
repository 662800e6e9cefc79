#include "print/DisplayPanel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <cmath>

// The panel's picture: an image that fills the panel.
class TPanelImage : public QWidget {
public:
    explicit TPanelImage(QWidget* parent) : QWidget(parent) {}
    QImage image;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(0, 0, image);
    }
};

TPrnDisplayPanel::TPrnDisplayPanel(QObject* parent) : QObject(parent)
{
    m_letterFont.SetName(QStringLiteral("Arial"));
    m_letterFont.SetSize(18);
    m_letterFont.SetColor(clYellow);
    m_letterFont.SetStyle(fsBold);
}

TPrnDisplayPanel::~TPrnDisplayPanel()
{
    FreePanel();
}

void TPrnDisplayPanel::Assign(const TPrnDisplayPanel& s)
{
    if (&s == this) return;
    m_bevelWidth = s.m_bevelWidth;
    m_bevelInner = s.m_bevelInner;
    m_bevelOuter = s.m_bevelOuter;
    m_progressMax = s.m_progressMax;
    m_progressMin = s.m_progressMin;
    m_progressInc = s.m_progressInc;
    m_progressPosition = s.m_progressPosition;
    m_progressColor = s.m_progressColor;
    m_progressStartColor = s.m_progressStartColor;
    m_progressStopColor = s.m_progressStopColor;
    m_panelColor = s.m_panelColor;
    m_letterFont.Assign(s.m_letterFont);
    m_barTopLeft = s.m_barTopLeft;
    m_barBottomRight = s.m_barBottomRight;
    m_minPanelWidth = s.m_minPanelWidth;
    m_minPanelHeight = s.m_minPanelHeight;
    m_showProgress = s.m_showProgress;
    m_showProgressPercent = s.m_showProgressPercent;
}

void TPrnDisplayPanel::SetBarRect(QPoint topLeft, QPoint bottomRight)
{
    m_barTopLeft = topLeft;
    m_barBottomRight = bottomRight;
}

QWidget* TPrnDisplayPanel::Panel() const
{
    return m_panel.data();
}

const QImage* TPrnDisplayPanel::Image() const
{
    return m_panel && m_image ? &m_image->image : nullptr;
}

namespace {

int BevelThickness(TPanelBevel bevel, int width)
{
    return bevel == bvNone ? 0 : width;
}

// A bevel `width` pixels wide just inside `r`.
void DrawBevel(QPainter& p, QRect r, TPanelBevel bevel, int width)
{
    if (bevel == bvNone || width <= 0) return;
    if (bevel == bvSpace) return;  // room only
    const QColor light = bevel == bvRaised ? QColor(255, 255, 255) : QColor(128, 128, 128);
    const QColor dark = bevel == bvRaised ? QColor(128, 128, 128) : QColor(255, 255, 255);
    for (int i = 0; i < width; ++i) {
        const QRect q = r.adjusted(i, i, -i, -i);
        p.setPen(light);
        p.drawLine(q.left(), q.top(), q.right(), q.top());
        p.drawLine(q.left(), q.top(), q.left(), q.bottom());
        p.setPen(dark);
        p.drawLine(q.left(), q.bottom(), q.right(), q.bottom());
        p.drawLine(q.right(), q.top(), q.right(), q.bottom());
    }
}

}  // namespace

void TPrnDisplayPanel::BuildPanel(QWidget* parent)
{
    FreePanel();
    m_lastBarEnd = 0;
    QWidget* owner = parent;
    if (!owner) owner = QApplication::activeWindow();
    const int w = qMax(1, m_minPanelWidth);
    const int h = qMax(1, m_minPanelHeight);
    QWidget* panel = owner ? new QWidget(owner) : new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    panel->setObjectName(QStringLiteral("PrnDisplayPanel"));
    panel->setFixedSize(w, h);
    if (owner) {
        panel->move((owner->width() - w) / 2, (owner->height() - h) / 2);
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->availableGeometry();
        panel->move(g.left() + (g.width() - w) / 2, g.top() + (g.height() - h) / 2);
    }
    m_image = new TPanelImage(panel);
    m_image->setGeometry(0, 0, w, h);
    m_image->image = QImage(w, h, QImage::Format_RGB32);
    m_panel = panel;

    // The bar lies across the lower part; the message stands above it and
    // the percentage to its right.
    const int inset = BevelThickness(m_bevelOuter, m_bevelWidth) + BevelThickness(m_bevelInner, m_bevelWidth);
    const int barHeight = qMax(4, h / 6);
    const int bottom = h - inset - qMax(4, h / 8);
    const int left = inset + 10;
    const int right = qMax(left + 1, w - inset - 48);
    SetBarRect(QPoint(left, bottom - barHeight), QPoint(right, bottom));
    paintBackground();

    m_progressPosition = 0;
    panel->show();
    panel->raise();
}

void TPrnDisplayPanel::paintBackground()
{
    QImage& img = m_image->image;
    QPainter p(&img);
    const QRect all(0, 0, img.width(), img.height());
    p.fillRect(all, ColorToQColor(m_panelColor));
    DrawBevel(p, all, m_bevelOuter, m_bevelWidth);
    const int outer = BevelThickness(m_bevelOuter, m_bevelWidth);
    DrawBevel(p, all.adjusted(outer, outer, -outer, -outer), m_bevelInner, m_bevelWidth);

    // The track: every column the bar may paint, rows as its lines.
    const QRect bar(m_barTopLeft, QPoint(m_barBottomRight.x(), m_barBottomRight.y() - 2));
    if (bar.width() > 0 && bar.height() > 0) p.fillRect(bar, ColorToQColor(m_progressColor));

    const int inset = outer + BevelThickness(m_bevelInner, m_bevelWidth);
    const QRect text(inset + 4, inset + 2, img.width() - 2 * inset - 8, m_barTopLeft.y() - inset - 6);
    if (text.height() > 0 && !m_displayMessage.isEmpty()) {
        p.setFont(m_letterFont.toQFont());
        p.setPen(ColorToQColor(m_letterFont.Color()));
        p.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, m_displayMessage);
    }
}

void TPrnDisplayPanel::FreePanel()
{
    m_image = nullptr;
    delete m_panel.data();
    m_panel = nullptr;
}

void TPrnDisplayPanel::SetProgressPosition(int v)
{
    if (v < m_progressMin || v > m_progressMax) return;
    m_progressPosition = v;
    if (m_showProgress) DrawProgress();
}

void TPrnDisplayPanel::StepBy(int step)
{
    m_progressPosition = qMin(m_progressPosition + step, m_progressMax);
    if (m_showProgress) DrawProgress();
}

void TPrnDisplayPanel::DrawProgress()
{
    if (!m_showProgress || !m_panel || !m_image) return;
    if (m_progressMax <= m_progressMin) return;
    m_progressPosition = qBound(m_progressMin, m_progressPosition, m_progressMax);
    const int range = m_progressMax - m_progressMin;
    const int left = m_barTopLeft.x(), right = m_barBottomRight.x();
    const int top = m_barTopLeft.y(), bottom = m_barBottomRight.y();
    const double fraction = double(m_progressPosition - m_progressMin) / range;
    const int e = m_progressPosition == m_progressMax ? right - 1 : int(std::lround(fraction * (right - left))) + left;

    QImage& img = m_image->image;
    QPainter p(&img);
    const QColor from = ColorToQColor(m_progressStartColor), to = ColorToQColor(m_progressStopColor);
    const int span = right - (left + 1);
    for (int x = left + 1; x <= right; ++x) {
        if (e < 1 || x < m_lastBarEnd || x > e) continue;
        QColor c = from;
        if (span > 0) {
            const double t = double(std::abs(x - (left + 1))) / span;
            c = QColor(int(std::lround(from.red() + (to.red() - from.red()) * t)),
                       int(std::lround(from.green() + (to.green() - from.green()) * t)),
                       int(std::lround(from.blue() + (to.blue() - from.blue()) * t)));
        }
        // From the top to the row above bottom - 1, as a line that leaves
        // out its end pixel.
        if (bottom - 1 > top) p.fillRect(x, top, 1, bottom - 1 - top, c);
    }
    m_lastBarEnd = e;

    if (m_showProgressPercent) {
        const QString text = QString::number(std::lround(fraction * 100)) + QStringLiteral(" %");
        TFont f(m_letterFont);
        f.SetSize(8);
        f.SetStyle(0);
        const QFont qf = f.toQFont();
        const QFontMetrics fm(qf);
        const int inset = BevelThickness(m_bevelOuter, m_bevelWidth) + BevelThickness(m_bevelInner, m_bevelWidth);
        const QRect cell(right + 5, top, qMax(0, img.width() - inset - (right + 5)), fm.height());
        p.fillRect(cell, ColorToQColor(m_panelColor));
        p.setFont(qf);
        p.setPen(ColorToQColor(m_letterFont.Color()));
        p.drawText(right + 5, top + fm.ascent(), text);
    }
    p.end();
    m_image->update();
}
