#pragma once
// The print preview: the recorded pages as a column of page pictures on
// grey, scrolled by the bar, the keys or the page buttons, at five zoom
// steps, and printed from there.  Only five page pictures exist however
// long the report is; they are handed on as the column scrolls and each
// is drawn by replaying its page.
#include "print/PreviewWindow.h"
#include <QAbstractScrollArea>
#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class TGlowButton;
class TPrintObject;

// A scroll area that reports its scrolling: OnVScroll after every change of
// the vertical position (also while the thumb is dragged), OnHScroll after
// a horizontal one.  Children of the viewport keep a place in the scrolled
// content and move with it.
class TEventScrollBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TEventScrollBox(QWidget* parent = nullptr);
    std::function<void(QObject* sender)> OnVScroll;
    std::function<void(QObject* sender)> OnHScroll;

    // Height and width of the scrolled content (the scroll ranges).
    int VertRange() const { return m_vertRange; }
    void SetVertRange(int range);
    int HorzRange() const { return m_horzRange; }
    void SetHorzRange(int range);
    int VertPosition() const;
    void SetVertPosition(int position);  // fires no event
    int HorzPosition() const;
    void SetHorzPosition(int position);
    // Places `child` at (left, top) of the visible area, i.e. keeps it
    // there in the content at the current scroll position.
    void PlaceChild(QWidget* child, int left, int top);
    // The child's place in the visible area.
    int ChildTop(QWidget* child) const;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateBars();
    int m_vertRange = 0;
    int m_horzRange = 0;
    bool m_settingPosition = false;
};

// One page picture.  Its page is replayed when the picture is first
// painted (or asked for), so a picture scrolled past unseen costs nothing.
class TPageImage : public QWidget {
    Q_OBJECT
public:
    explicit TPageImage(QWidget* parent, std::function<void(TPageImage*)> render)
        : QWidget(parent), m_render(std::move(render)) {}
    int Page() const { return m_page; }
    // White, no page.
    void Clear();
    // Shows page `page`; it is drawn when it is needed.
    void SetPage(int page);
    // The picture, drawn now if it is still pending.
    const QImage& Image();
    void SetImage(const QImage& image) { m_image = image; m_pending = false; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::function<void(TPageImage*)> m_render;
    QImage m_image;
    int m_page = 0;
    bool m_pending = false;
};

class TPreviewForm : public QDialog, public TPreviewWindow {
    Q_OBJECT
public:
    explicit TPreviewForm(QWidget* parent = nullptr);
    ~TPreviewForm() override;

    // TPreviewWindow
    void SetPrintObject(TPrintObject* printObject) override { m_printObject = printObject; }
    void SetOrientation(int orientation) override { m_orientation = orientation; }
    void SetTexts(const QHash<int, QString>& texts) override;
    void ShowModal(int startZoom) override;
    int CurrentPage() const override;

    // Width and height of a page picture at zoom 1.0 in screen pixels.
    int GetWidth() const;
    int GetHeight() const;

    // Handlers, as the controls and keys call them.
    void ZoomFactorChange();
    void FirstPageClick();
    void PrevPageClick();
    void NextPageClick();
    void LastPageClick();
    void PgNumbExit();
    void PrintBtnClick();
    void ScrollBoxVScroll();
    void FormResize();

    // Controls.
    QFrame* Panel2 = nullptr;
    TGlowButton* btnPrint = nullptr;
    QLabel* ZoomLabel = nullptr;
    QComboBox* ZoomFactor = nullptr;
    TGlowButton* btnFirst = nullptr;
    TGlowButton* btnPrevious = nullptr;
    QLineEdit* PgNumb = nullptr;
    TGlowButton* btnNext = nullptr;
    TGlowButton* btnLast = nullptr;
    TGlowButton* btnClose = nullptr;
    TEventScrollBox* ScrollBox = nullptr;

    // Inspection for tests: page shown in slot i (1..5, 0 when hidden) and
    // the picture of that slot.
    int SlotPage(int slot) const;
    QImage SlotImage(int slot) const;
    TPageImage* SlotLabel(int slot) const;
    int FirstPage() const { return m_firstPage; }
    int LastPage() const { return m_lastPage; }
    int PageCount() const;
    int PictureWidth() const { return m_w; }
    int PictureHeight() const { return m_h; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void FormShow();
    void FormClose();
    // The zoom now chosen, from the top of the first page, back to the page
    // that was shown.
    void rezoom();
    bool FormKeyDown(int key);
    bool FormKeyPress(const QString& text);
    void UpdateNavButtons();
    void RotateSlots(bool down);
    void DrawAllSlots();
    void ClearPageImage(int image);
    void DrawPage(int image, int page);
    void RenderPage(TPageImage* image);
    void makeImages();
    void freeImages();
    int resolution() const;  // R
    double zoom() const;
    void setPgNumb(int n);

    TPrintObject* m_printObject = nullptr;
    int m_orientation = 0;
    int m_lastScrollPos = 0;
    int m_firstPage = 1;
    int m_lastPage = 1;
    int m_screenResolution = 96;
    int m_startZoom = 0;
    int m_w = 0, m_h = 0;
    std::array<int, 5> m_slots{0, 1, 2, 3, 4};   // slot -> image index
    std::array<TPageImage*, 5> m_images{};        // the five page pictures
    QString m_oneWord = QStringLiteral("Seite");
    QString m_manyWord = QStringLiteral("Seiten");
    QString m_lastHint = QStringLiteral("letzte Seite");
    bool m_inScroll = false;
};

// Makes print objects show their pages in a TPreviewForm.
void RegisterPreviewForm();
