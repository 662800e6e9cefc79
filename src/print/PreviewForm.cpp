#include "print/PreviewForm.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/FormResource.h"
#include "platform/PropertyPath.h"
#include "print/GlowButtons.h"
#include "print/PrintObject.h"
#include "print/PrnPages.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>

namespace {

constexpr int kGap = 5;      // between two pages
constexpr int kMargin = 10;  // above the first and below the last page
constexpr int kLineStep = 8; // one line of the scroll bar
constexpr int kToolBarHeight = 28;

}  // namespace

// ---- scroll box ---------------------------------------------------------------------

TEventScrollBox::TEventScrollBox(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    pal.setColor(QPalette::Base, QColor(128, 128, 128));
    viewport()->setPalette(pal);
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setTracking(true);
    verticalScrollBar()->setSingleStep(kLineStep);
    horizontalScrollBar()->setSingleStep(kLineStep);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The events report the user's scrolling (bar, wheel, keys); moving
    // the position from code does not fire them.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (OnVScroll && !m_settingPosition) OnVScroll(this);
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (OnHScroll && !m_settingPosition) OnHScroll(this);
    });
}

void TEventScrollBox::SetVertRange(int range)
{
    m_vertRange = qMax(0, range);
    updateBars();
}

void TEventScrollBox::SetHorzRange(int range)
{
    m_horzRange = qMax(0, range);
    updateBars();
}

int TEventScrollBox::VertPosition() const { return verticalScrollBar()->value(); }
int TEventScrollBox::HorzPosition() const { return horizontalScrollBar()->value(); }
void TEventScrollBox::SetVertPosition(int position)
{
    m_settingPosition = true;
    verticalScrollBar()->setValue(position);
    m_settingPosition = false;
}

void TEventScrollBox::SetHorzPosition(int position)
{
    m_settingPosition = true;
    horizontalScrollBar()->setValue(position);
    m_settingPosition = false;
}

void TEventScrollBox::PlaceChild(QWidget* child, int left, int top) { child->move(left, top); }
int TEventScrollBox::ChildTop(QWidget* child) const { return child->y(); }

void TEventScrollBox::updateBars()
{
    const QSize view = viewport()->size();
    verticalScrollBar()->setRange(0, qMax(0, m_vertRange - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setRange(0, qMax(0, m_horzRange - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
}

void TEventScrollBox::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    updateBars();
}

void TEventScrollBox::scrollContentsBy(int dx, int dy)
{
    // The pictures move with the content, as a scroll box moves its children.
    for (QObject* o : viewport()->children())
        if (auto* w = qobject_cast<QWidget*>(o)) w->move(w->pos() + QPoint(dx, dy));
}

// ---- page picture --------------------------------------------------------------------

void TPageImage::Clear()
{
    m_page = 0;
    m_pending = false;
    m_image = QImage();
    update();
}

void TPageImage::SetPage(int page)
{
    m_page = page;
    m_pending = true;
    update();
}

const QImage& TPageImage::Image()
{
    if (m_pending && m_render) m_render(this);
    m_pending = false;
    return m_image;
}

void TPageImage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QImage& img = Image();
    if (img.isNull() || m_page == 0) p.fillRect(rect(), Qt::white);
    else p.drawImage(0, 0, img);
}

// ---- preview window ------------------------------------------------------------------

void RegisterPreviewForm()
{
    SetPreviewFactory([] { return std::make_unique<TPreviewForm>(); });
}

TPreviewForm::TPreviewForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PreviewForm"));
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAutoFillBackground(true);
    auto glow = [&](const char* name) {
        auto* b = new TGlowButton(Panel2);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    btnPrint = glow("btnPrint");
    ZoomLabel = new QLabel(Panel2);
    ZoomLabel->setObjectName(QStringLiteral("ZoomLabel"));
    ZoomFactor = new QComboBox(Panel2);
    ZoomFactor->setObjectName(QStringLiteral("ZoomFactor"));
    btnFirst = glow("btnFirst");
    btnPrevious = glow("btnPrevious");
    PgNumb = new QLineEdit(Panel2);
    PgNumb->setObjectName(QStringLiteral("PgNumb"));
    btnNext = glow("btnNext");
    btnLast = glow("btnLast");
    btnClose = glow("btnClose");

    ApplyFormResource(this, LoadFormResource(QStringLiteral(":/forms/PreviewForm.dfm")));
    Panel2->setFixedHeight(kToolBarHeight);
    {
        QPalette pal = Panel2->palette();
        pal.setColor(QPalette::Window, ColorToQColor(clMenuBar, &pal));
        Panel2->setPalette(pal);
    }
    ZoomLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ZoomLabel->setBuddy(ZoomFactor);

    // FormCreate
    ScrollBox = new TEventScrollBox(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->OnVScroll = [this](QObject*) { ScrollBoxVScroll(); };
    ScrollBox->OnHScroll = [](QObject*) {};
    if (const QScreen* screen = QGuiApplication::primaryScreen()) m_screenResolution = qRound(screen->logicalDotsPerInchY());
    btnClose->move(width() - qRound(1.25 * btnClose->width()), btnClose->y());

    btnPrint->OnClick = [this](QObject*) { PrintBtnClick(); };
    btnFirst->OnClick = [this](QObject*) { FirstPageClick(); };
    btnPrevious->OnClick = [this](QObject*) { PrevPageClick(); };
    btnNext->OnClick = [this](QObject*) { NextPageClick(); };
    btnLast->OnClick = [this](QObject*) { LastPageClick(); };
    // A zoom chosen from the list starts again at the top and returns to
    // the page shown, as "+" and "-" do.
    connect(ZoomFactor, &QComboBox::activated, this, [this] { rezoom(); });

    // The window sees every key first.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

TPreviewForm::~TPreviewForm() { freeImages(); }

void TPreviewForm::SetTexts(const QHash<int, QString>& texts)
{
    auto text = [&](int id, const QString& fallback) { return texts.value(id, fallback); };
    setWindowTitle(text(1001, windowTitle()));
    btnClose->SetCaption(text(1003, btnClose->Caption()));
    btnClose->setToolTip(text(1004, btnClose->toolTip()));
    btnPrint->SetCaption(text(1005, btnPrint->Caption()));
    btnPrint->setToolTip(text(1006, btnPrint->toolTip()));
    ZoomLabel->setText(text(1007, ZoomLabel->text()));
    btnFirst->setToolTip(text(1008, btnFirst->toolTip()));
    btnPrevious->setToolTip(text(1009, btnPrevious->toolTip()));
    btnNext->setToolTip(text(1010, btnNext->toolTip()));
    m_lastHint = text(1011, m_lastHint);
    btnLast->setToolTip(m_lastHint);
    m_oneWord = text(1015, m_oneWord);
    m_manyWord = text(1016, m_manyWord);
}

void TPreviewForm::ShowModal(int startZoom)
{
    m_startZoom = qBound(0, startZoom, 4);
    showMaximized();
    ShowModalForm(this);
}

int TPreviewForm::PageCount() const
{
    return m_printObject && m_printObject->Pages() ? m_printObject->Pages()->PageCount() : 0;
}

int TPreviewForm::CurrentPage() const { return qMax(1, PgNumb->text().toInt()); }

int TPreviewForm::resolution() const
{
    return TPrintObject::LargeFontMode() ? qRound(m_screenResolution / 1.25) : m_screenResolution;
}

double TPreviewForm::zoom() const
{
    const int entry = qMax(0, ZoomFactor->currentIndex());
    if (m_printObject && m_printObject->Pages()) return m_printObject->Pages()->ZoomScale(entry);
    static const double scales[] = {0.52, 0.64, 0.78, 0.94, 1.00};
    return scales[qMin(entry, 4)];
}

int TPreviewForm::GetWidth() const
{
    const TPrnPages* pages = m_printObject ? m_printObject->Pages() : nullptr;
    if (!pages) {
        MessageDlg(QStringLiteral("Fehler in the \"TPreviewForm.GetWidth\"-Funktion."), mtInformation, mbOK);
        return 0;
    }
    return qRound(resolution() * (m_orientation == 0 ? pages->PaperWidth : pages->PaperHeight));
}

int TPreviewForm::GetHeight() const
{
    const TPrnPages* pages = m_printObject ? m_printObject->Pages() : nullptr;
    if (!pages) {
        MessageDlg(QStringLiteral("Fehler in der \"TPreviewForm.GetHeight\"-Funktion."), mtInformation, mbOK);
        return 0;
    }
    return qRound(resolution() * (m_orientation == 0 ? pages->PaperHeight : pages->PaperWidth));
}

// ---- showing and closing -------------------------------------------------------------

void TPreviewForm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TPreviewForm::FormShow()
{
    const int n = PageCount();
    makeImages();
    {
        const QSignalBlocker block(ZoomFactor);
        ZoomFactor->setCurrentIndex(m_startZoom);
    }
    setPgNumb(1);
    btnLast->setToolTip(QStringLiteral("%1 (%2)").arg(m_lastHint).arg(n));
    ZoomFactorChange();
    UpdateNavButtons();
    const QString title = m_printObject ? m_printObject->Title() : QString();
    setWindowTitle(QStringLiteral("%1 [%2 %3]").arg(title).arg(n).arg(n == 1 ? m_oneWord : m_manyWord));
}

void TPreviewForm::makeImages()
{
    freeImages();
    m_slots = {0, 1, 2, 3, 4};
    m_firstPage = m_lastPage = 1;
    m_lastScrollPos = 0;
    ScrollBox->SetVertPosition(0);
    for (int i = 0; i < 5; ++i) {
        m_images[size_t(i)] = new TPageImage(ScrollBox->viewport(), [this](TPageImage* image) { RenderPage(image); });
        m_images[size_t(i)]->hide();
    }
}

void TPreviewForm::freeImages()
{
    for (TPageImage*& image : m_images) {
        delete image;
        image = nullptr;
    }
}

void TPreviewForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TPreviewForm::closeEvent(QCloseEvent* e) { QDialog::closeEvent(e); }

void TPreviewForm::FormClose() { freeImages(); }

void TPreviewForm::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    Panel2->setGeometry(0, 0, width(), kToolBarHeight);
    ScrollBox->setGeometry(0, kToolBarHeight, width(), qMax(0, height() - kToolBarHeight));
    FormResize();
}

// ---- zoom, slots and scrolling -------------------------------------------------------

void TPreviewForm::ZoomFactorChange()
{
    const double z = zoom();
    const int n = PageCount();
    const TPrnPages* pages = m_printObject ? m_printObject->Pages() : nullptr;
    const double pw = pages ? pages->PaperWidth : 8.3, ph = pages ? pages->PaperHeight : 11.7;
    const double r = resolution();
    m_w = qRound(r * (m_orientation == 0 ? pw : ph) * z);
    m_h = qRound(r * (m_orientation == 0 ? ph : pw) * z);
    ScrollBox->SetVertRange(m_h * n + (n - 1) * kGap + 2 * kMargin);
    for (int i = 0; i < 5; ++i) {
        TPageImage* image = m_images[size_t(m_slots[size_t(i)])];
        if (!image) continue;
        image->resize(m_w, m_h);
        image->move(image->x(), kMargin + i * (m_h + kGap));
        image->show();
    }
    // The replay stays at scale 1.0: each picture's surface draws the
    // 96-dpi page at the zoom, so a page looks alike at every zoom.
    DrawAllSlots();
    FormResize();
}

void TPreviewForm::ClearPageImage(int image)
{
    if (TPageImage* picture = m_images[size_t(image)]) picture->Clear();
}

void TPreviewForm::DrawPage(int image, int page)
{
    if (TPageImage* picture = m_images[size_t(image)]) picture->SetPage(page);
}

void TPreviewForm::RenderPage(TPageImage* image)
{
    const int page = image->Page();
    if (!m_printObject || !m_printObject->Pages() || page < 1) return;
    const TPrnPages* pages = m_printObject->Pages();
    const double pw = m_orientation == 0 ? pages->PaperWidth : pages->PaperHeight;
    const double ph = m_orientation == 0 ? pages->PaperHeight : pages->PaperWidth;
    TImageCanvas canvas(QSize(qRound(pw * 96), qRound(ph * 96)), m_w / (pw * 96));
    m_printObject->SetDrawingCanvas(&canvas);
    try {
        m_printObject->ReplayPage(pages->GetPage(page), page, true);
    } catch (...) {
        m_printObject->SetDrawingCanvas(nullptr);
        throw;
    }
    m_printObject->SetDrawingCanvas(nullptr);
    QImage img = canvas.Image();
    if (img.size() != QSize(m_w, m_h)) img = img.scaled(m_w, m_h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image->SetImage(img);
}

void TPreviewForm::DrawAllSlots()
{
    const int n = PageCount();
    for (int i = 0; i < 5; ++i) {
        const int image = m_slots[size_t(i)];
        if (!m_images[size_t(image)]) continue;
        ClearPageImage(image);
        const int p = m_firstPage + i;
        if (p <= n) {
            m_images[size_t(image)]->show();
            m_lastPage = p;
            DrawPage(image, p);
        } else {
            m_images[size_t(image)]->hide();
        }
    }
}

void TPreviewForm::RotateSlots(bool down)
{
    if (down) std::rotate(m_slots.begin(), m_slots.begin() + 1, m_slots.end());
    else std::rotate(m_slots.begin(), m_slots.end() - 1, m_slots.end());
}

void TPreviewForm::ScrollBoxVScroll()
{
    if (m_inScroll || !m_images[0]) return;
    m_inScroll = true;
    const int n = PageCount();
    const int pos = ScrollBox->VertPosition();
    const int d = m_h + kGap;
    int lo = 1, hi = 1;
    bool changed = false;
    int y = 0;
    if (pos > m_lastScrollPos) {
        lo = 5;
        hi = 5;
        y = ScrollBox->ChildTop(m_images[size_t(m_slots[0])]);
        while (y + m_h < 0 && m_lastPage + 1 <= n) {
            y += d;
            lo = qMax(1, lo - 1);
            ++m_lastPage;
            ++m_firstPage;
            RotateSlots(true);
            changed = true;
        }
    } else {
        y = ScrollBox->ChildTop(m_images[size_t(m_slots[2])]);
        while (y > ScrollBox->viewport()->height() && m_firstPage > 1) {
            y -= d;
            hi = qMin(5, hi + 1);
            --m_lastPage;
            --m_firstPage;
            RotateSlots(false);
            changed = true;
        }
        y -= 2 * d;
    }
    if (changed) {
        for (int i = 1; i <= 5; ++i) {
            const int image = m_slots[size_t(i - 1)];
            TPageImage* label = m_images[size_t(image)];
            if (i >= lo && i <= hi) {
                ClearPageImage(image);
                const int p = m_firstPage + i - 1;
                if (p <= n) {
                    label->show();
                    DrawPage(image, p);
                } else {
                    label->hide();
                }
            }
            label->move(label->x(), y);
            y += d;
        }
        // The lowest page that has a picture.
        m_lastPage = qMin(n, m_firstPage + 4);
    }
    const int range = ScrollBox->VertRange();
    setPgNumb(range - ScrollBox->viewport()->height() <= pos ? n : (d > 0 ? pos / d + 1 : 1));
    m_lastScrollPos = pos;
    UpdateNavButtons();
    m_inScroll = false;
}

void TPreviewForm::FormResize()
{
    if (width() < 480) resize(480, height());
    const int hpos = ScrollBox->HorzPosition();
    ScrollBox->SetHorzRange(m_w + 30);
    ScrollBox->SetHorzPosition(hpos);
    const int vw = ScrollBox->viewport()->width();
    const int left = m_w < vw ? (vw - m_w) / 2 : 5;
    for (TPageImage* image : m_images)
        if (image) image->move(left - ScrollBox->HorzPosition(), image->y());
    btnClose->move(width() - qRound(1.25 * btnClose->width()), btnClose->y());
}

// ---- navigation ---------------------------------------------------------------------

void TPreviewForm::setPgNumb(int n) { PgNumb->setText(QString::number(n)); }

void TPreviewForm::UpdateNavButtons()
{
    const int n = PgNumb->text().toInt();
    const int count = PageCount();
    btnFirst->setEnabled(n >= 2);
    btnPrevious->setEnabled(n >= 2);
    btnNext->setEnabled(n < count);
    btnLast->setEnabled(n < count);
}

void TPreviewForm::PrevPageClick()
{
    ScrollBox->SetVertPosition(qMax(0, ScrollBox->VertPosition() - (m_h + kGap)));
    ScrollBoxVScroll();
    UpdateNavButtons();
}

void TPreviewForm::NextPageClick()
{
    ScrollBox->SetVertPosition(qMin(ScrollBox->VertRange(), ScrollBox->VertPosition() + (m_h + kGap)));
    ScrollBoxVScroll();
    UpdateNavButtons();
}

void TPreviewForm::FirstPageClick()
{
    setPgNumb(1);
    PgNumbExit();
    UpdateNavButtons();
}

void TPreviewForm::LastPageClick()
{
    setPgNumb(PageCount());
    PgNumbExit();
    UpdateNavButtons();
}

void TPreviewForm::PgNumbExit()
{
    if (PgNumb->text().isEmpty()) setPgNumb(1);
    bool ok = false;
    const qlonglong value = PgNumb->text().toLongLong(&ok);
    if (!ok) {
        MessageDlg(QStringLiteral("Fehler in der Seitennummer.\n'%1' ist kein gültiger Integerwert").arg(PgNumb->text()),
                   mtInformation, mbOK);
        return;
    }
    const int n = int(qBound(qlonglong(1), value, qlonglong(qMax(1, PageCount()))));
    ScrollBox->SetVertPosition((n - 1) * (m_h + kGap));
    setPgNumb(n);
    ScrollBoxVScroll();
    setPgNumb(n);
    UpdateNavButtons();
}

void TPreviewForm::PrintBtnClick()
{
    if (!m_printObject) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const double scale = m_printObject->GetScale();
    m_printObject->SetScale(1.0);
    try {
        m_printObject->PrintAllPages();
    } catch (...) {
        m_printObject->SetScale(scale);
        QApplication::restoreOverrideCursor();
        throw;
    }
    m_printObject->SetScale(scale);
    m_slots = {0, 1, 2, 3, 4};
    const int vpos = ScrollBox->VertPosition();
    setPgNumb(1);
    m_firstPage = m_lastPage = 1;
    ScrollBox->SetVertPosition(0);
    m_lastScrollPos = 0;
    // The pictures go back to the top of the column before they are redrawn.
    for (TPageImage* image : m_images)
        if (image) image->move(image->x(), 0);
    ZoomFactorChange();
    ScrollBox->SetVertPosition(vpos);
    ScrollBoxVScroll();
    QApplication::restoreOverrideCursor();
}

// ---- keys ------------------------------------------------------------------------------

bool TPreviewForm::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_Escape: btnClose->Click(); return true;
    case Qt::Key_PageUp: btnPrevious->Click(); return true;
    case Qt::Key_PageDown: btnNext->Click(); return true;
    case Qt::Key_Home: FirstPageClick(); return true;
    case Qt::Key_End: LastPageClick(); return true;
    case Qt::Key_Up:
        ScrollBox->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return false;
    case Qt::Key_Down:
        ScrollBox->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return false;
    case Qt::Key_Left:
    case Qt::Key_Right: return true;
    default: return false;
    }
}

bool TPreviewForm::FormKeyPress(const QString& text)
{
    const int entry = ZoomFactor->currentIndex();
    int next = entry;
    if (text == QLatin1String("+") && entry < ZoomFactor->count() - 1) next = entry + 1;
    else if (text == QLatin1String("-") && entry > 0) next = entry - 1;
    if (next == entry) return false;
    setUpdatesEnabled(false);
    {
        const QSignalBlocker block(ZoomFactor);
        ZoomFactor->setCurrentIndex(next);
    }
    rezoom();
    setUpdatesEnabled(true);
    return true;
}

void TPreviewForm::rezoom()
{
    m_firstPage = m_lastPage = 1;
    m_slots = {0, 1, 2, 3, 4};
    ScrollBox->SetVertPosition(0);
    m_lastScrollPos = 0;
    ZoomFactorChange();
    PgNumbExit();
}

bool TPreviewForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && watched == PgNumb) {
        PgNumbExit();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    // Only the first receiver of a key counts: a key passed on to a parent
    // is not handled twice.
    QWidget* target = focusWidget();
    if (!target) target = this;
    if (watched != target) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    bool consumed = FormKeyDown(key->key());
    if (!consumed) consumed = FormKeyPress(key->text());
    if (!consumed && watched == PgNumb) {
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextChild();
            consumed = true;
        } else if (!key->text().isEmpty() && key->key() != Qt::Key_Delete) {
            // Only digits reach the page number.
            const QChar c = key->text().at(0);
            if (c < u'0' || c > u'9') consumed = true;
        }
    }
    ScrollBox->viewport()->update();
    PgNumb->update();
    return consumed;
}

// ---- inspection ------------------------------------------------------------------------

TPageImage* TPreviewForm::SlotLabel(int slot) const
{
    if (slot < 1 || slot > 5) return nullptr;
    return m_images[size_t(m_slots[size_t(slot - 1)])];
}

int TPreviewForm::SlotPage(int slot) const
{
    const TPageImage* image = SlotLabel(slot);
    if (!image || image->isHidden()) return 0;
    return image->Page();
}

QImage TPreviewForm::SlotImage(int slot) const
{
    TPageImage* image = SlotLabel(slot);
    return image ? image->Image() : QImage();
}
