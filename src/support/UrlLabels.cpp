#include "support/UrlLabels.h"
#include "platform/Dialogs.h"
#include "platform/ResourceStrings.h"
#include <QDesktopServices>
#include <QHash>
#include <QMouseEvent>
#include <QPixmap>
#include <utility>

namespace {

const HandCursorEntry kHandCursors[HandCursorCount] = {
    {crHandPoint, "CUR_HANDPOINT", ":/pictures/hand_point.png", 6, 0},
    {crSmallHandPoint, "CUR_SMALLHANDPOINT", ":/pictures/hand_point_small.png", 3, 0},
    {crGrabHand, "CUR_GRABHAND", ":/pictures/grab_hand.png", 10, 8},
    {crGrabHandArrow, "CUR_GRABHANDARROW", ":/pictures/grab_hand_arrow.png", 0, 0},
    {crDragHand, "CUR_DRAGHAND", ":/pictures/drag_hand.png", 9, 5},
};

UrlOpener& opener()
{
    static UrlOpener o;
    return o;
}

}  // namespace

const HandCursorEntry* HandCursorTable() { return kHandCursors; }

QCursor ScreenCursor(int number)
{
    static QHash<int, QCursor> table;
    const auto it = table.constFind(number);
    if (it != table.constEnd()) return *it;
    for (const HandCursorEntry& e : kHandCursors) {
        if (e.number != number) continue;
        const QPixmap picture(QString::fromLatin1(e.picture));
        const QCursor cursor = picture.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(picture, e.hotX, e.hotY);
        table.insert(number, cursor);
        return cursor;
    }
    return QCursor(Qt::ArrowCursor);
}

UrlOpener SetUrlOpener(UrlOpener o)
{
    return std::exchange(opener(), std::move(o));
}

QUrl UrlForTarget(const QString& target)
{
    QString t = target.trimmed();
    if (t.isEmpty()) return QUrl();
    const bool blank = std::any_of(t.begin(), t.end(), [](QChar c) { return c.isSpace(); });
    if (t.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        t.prepend(QLatin1String("http://"));
    } else {
        const QUrl plain(t, QUrl::StrictMode);
        if (plain.scheme().isEmpty() && t.contains(QLatin1Char('@')) && !blank && !t.contains(QLatin1Char('/'))
            && !t.contains(QLatin1Char('\\')))
            t.prepend(QLatin1String("mailto:"));
    }
    const QUrl url(t, QUrl::StrictMode);
    if (!url.isValid() || blank) return QUrl();
    const QString scheme = url.scheme().toLower();
    if (scheme == u"http" || scheme == u"https") {
        if (url.host().isEmpty()) return QUrl();
    } else if (scheme == u"mailto") {
        if (url.path().isEmpty() || !url.path().contains(QLatin1Char('@'))) return QUrl();
    } else {
        return QUrl();
    }
    return url;
}

bool OpenUrl(const QString& target)
{
    if (target.isEmpty()) return false;
    const QUrl url = UrlForTarget(target);
    bool opened = false;
    if (url.isValid()) opened = opener() ? opener()(url) : QDesktopServices::openUrl(url);
    if (!opened) MessageDlg(FmtLoadResString(SUrlNotOpened, {target}), mtError, mbOK);
    return opened;
}

// ---------------------------------------------------------------- label

TUrlLabel::TUrlLabel(QWidget* parent) : TAngleLabel(parent)
{
    SetFontColor(clBlue);
    setUnderline(true);
    SetCursor(crHandPoint);
}

void TUrlLabel::SetCursor(int number)
{
    m_cursor = number;
    setCursor(ScreenCursor(number));
}

void TUrlLabel::setUnderline(bool on)
{
    QFont f = font();
    if (f.underline() == on) return;
    f.setUnderline(on);
    setFont(f);
}

void TUrlLabel::SetUnvisitedColor(TColor c)
{
    m_unvisited = c;
    if (!m_visited) SetFontColor(c);
}

void TUrlLabel::SetVisitedColor(TColor c)
{
    m_visitedColor = c;
    if (m_visited) SetFontColor(c);
}

void TUrlLabel::SetCanHover(bool on)
{
    m_canHover = on;
    setUnderline(!on);
}

void TUrlLabel::mousePressEvent(QMouseEvent* event)
{
    TAngleLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        SetFontColor(m_activated);
    }
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent* event)
{
    TAngleLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QPointF pos = event->position();
    if (pos.x() < 0 || pos.y() < 0 || pos.x() > width() || pos.y() > height()) {
        SetFontColor(m_visited ? m_visitedColor : m_unvisited);
    } else if (m_pressed) {
        m_visited = true;
        SetFontColor(m_canHover ? m_hovered : m_visitedColor);
        m_pressed = false;
        OpenUrl(m_url.isEmpty() ? text() : m_url);
    }
    m_pressed = false;
}

void TUrlLabel::MouseEnter()
{
    if (m_canHover) setUnderline(true);
    if (m_pressed) SetFontColor(m_activated);
    else if (m_canHover) SetFontColor(m_hovered);
}

void TUrlLabel::MouseLeave()
{
    if (m_canHover) setUnderline(false);
    SetFontColor(m_visited ? m_visitedColor : m_unvisited);
}

void TUrlLabel::FontChanged()
{
    if (m_canHover || m_pressed) return;
    const TColor c = FontColor();
    if (m_visited) m_visitedColor = c;
    else m_unvisited = c;
}
