#pragma once
// Hand cursors, opening a web or mail address, and a label that behaves
// like a link.
#include "support/AngleLabels.h"
#include <QCursor>
#include <QUrl>
#include <functional>

// Cursor numbers of the hand cursors.
enum THandCursor : int {
    crHandPoint = 15000,       // "CUR_HANDPOINT"
    crSmallHandPoint = 15001,  // "CUR_SMALLHANDPOINT"
    crGrabHand = 15002,        // "CUR_GRABHAND"
    crGrabHandArrow = 15003,   // "CUR_GRABHANDARROW"
    crDragHand = 15004,        // "CUR_DRAGHAND"
};

struct HandCursorEntry {
    int number;
    const char* resourceName;
    const char* picture;  // Qt resource path
    int hotX, hotY;
};
// The five hand cursors in number order.
const HandCursorEntry* HandCursorTable();
constexpr int HandCursorCount = 5;

// The cursor of the application's cursor table with that number; the hand
// cursors are made from their pictures on first use.  An unknown number
// gives the arrow.
QCursor ScreenCursor(int number);

// Opens `target` in the desktop's browser or mail program.  Only http,
// https and mailto addresses open: "www." is given "http://", a bare
// address with "@" and no blank is given "mailto:".  Any other target, and
// an address that cannot be opened, is reported in an error message naming
// it.  Returns whether it was opened; an empty target does nothing.
bool OpenUrl(const QString& target);
// The address OpenUrl would open; invalid when it refuses the target.
QUrl UrlForTarget(const QString& target);

// What opens an address (by default the desktop).  Returns true when it
// opened.  An empty function restores the default; returns the previous one.
using UrlOpener = std::function<bool(const QUrl& url)>;
UrlOpener SetUrlOpener(UrlOpener opener);

class TUrlLabel : public TAngleLabel {
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE SetURL)
    Q_PROPERTY(quint32 UnvisitedColor READ UnvisitedColor WRITE SetUnvisitedColor)
    Q_PROPERTY(quint32 ActivatedColor READ ActivatedColor WRITE SetActivatedColor)
    Q_PROPERTY(quint32 VisitedColor READ VisitedColor WRITE SetVisitedColor)
    Q_PROPERTY(quint32 HoveredColor READ HoveredColor WRITE SetHoveredColor)
    Q_PROPERTY(bool CanHover READ CanHover WRITE SetCanHover)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)

public:
    explicit TUrlLabel(QWidget* parent = nullptr);

    QString URL() const { return m_url; }
    void SetURL(const QString& url) { m_url = url; }
    TColor UnvisitedColor() const { return m_unvisited; }
    void SetUnvisitedColor(TColor c);
    TColor ActivatedColor() const { return m_activated; }
    void SetActivatedColor(TColor c) { m_activated = c; }
    TColor VisitedColor() const { return m_visitedColor; }
    void SetVisitedColor(TColor c);
    TColor HoveredColor() const { return m_hovered; }
    void SetHoveredColor(TColor c) { m_hovered = c; }
    bool CanHover() const { return m_canHover; }
    void SetCanHover(bool on);
    int Cursor() const { return m_cursor; }
    void SetCursor(int number);

    bool Visited() const { return m_visited; }
    bool Pressed() const { return m_pressed; }
    // The caption is the target while URL is empty, so it is no text to
    // translate then.
    Q_INVOKABLE bool CaptionTranslatable() const { return !m_url.isEmpty(); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void FontChanged() override;

private:
    void setUnderline(bool on);

    QString m_url;
    TColor m_unvisited = clBlue;
    TColor m_activated = clRed;
    TColor m_visitedColor = clNavy;
    TColor m_hovered = clWhite;
    bool m_canHover = false;
    bool m_visited = false;
    bool m_pressed = false;
    int m_cursor = crHandPoint;
};
