#pragma once
// A flat button with a glyph and a caption that lights up while the mouse
// is over it, looks pressed while a button is held and draws an embossed
// grey glyph and caption when disabled.  A click sets the modal result of
// the dialog it sits on, then runs OnClick; Alt and the caption's "&"
// letter click it too.
#include "platform/FormComponent.h"
#include "platform/Graphics.h"
#include <QImage>
#include <QWidget>
#include <functional>

class TGlowButton : public QWidget, public TFormComponent {
    Q_OBJECT
public:
    enum TGlowButtonType {
        btnAny, btnClose, btnCloseFile, btnFirst, btnLast, btnNext, btnOpenFile,
        btnPrev, btnPrint, btnSearch, btnOK, btnCancel, btnHelp
    };
    Q_ENUM(TGlowButtonType)
    enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
    Q_ENUM(TButtonLayout)

private:
    Q_PROPERTY(TGlowButtonType ButtonType READ ButtonType WRITE SetButtonType)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool CaptionWrap READ CaptionWrap WRITE SetCaptionWrap)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)

public:
    explicit TGlowButton(QWidget* parent = nullptr);

    TGlowButtonType ButtonType() const { return m_buttonType; }
    void SetButtonType(TGlowButtonType type);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool CaptionWrap() const { return m_captionWrap; }
    void SetCaptionWrap(bool on);
    bool Flat() const { return m_flat; }
    void SetFlat(bool on);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool on);

    TColor DisableColor() const { return m_disableColor; }
    void SetDisableColor(TColor c);
    TColor FrameOffColor() const { return m_frameOffColor; }
    void SetFrameOffColor(TColor c);
    TColor FrameOnColor() const { return m_frameOnColor; }
    void SetFrameOnColor(TColor c) { m_frameOnColor = c; }
    TColor MouseOffColor() const { return m_mouseOffColor; }
    void SetMouseOffColor(TColor c);
    TColor MouseOnColor() const { return m_mouseOnColor; }
    void SetMouseOnColor(TColor c) { m_mouseOnColor = c; }

    const TFont& CaptionOffFont() const { return m_captionOffFont; }
    void SetCaptionOffFont(const TFont& font);
    const TFont& CaptionOnFont() const { return m_captionOnFont; }
    void SetCaptionOnFont(const TFont& font) { m_captionOnFont.Assign(font); }

    // The glyph strip as assigned, after the disabled image was added.
    const QImage& Glyph() const { return m_glyph; }
    // Assigning from outside (not through ButtonType) makes the type btnAny.
    void SetGlyph(const QImage& image);
    int NumGlyphs() const { return m_numGlyphs; }
    // The caption's "&" letter, upper case; a null QChar when there is none.
    QChar Accelerator() const { return m_accel; }
    bool Pressed() const { return m_pressed; }
    bool MouseOn() const { return m_mouseOn; }

    // Sets the dialog's modal result, then runs OnClick.
    void Click();

    std::function<void(QObject* sender)> OnClick;
    std::function<void(QObject* sender, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseDown;
    std::function<void(QObject* sender, Qt::KeyboardModifiers, int x, int y)> OnMouseMove;
    std::function<void(QObject* sender, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseUp;

    bool ReadFormProperty(const QString& name, const DfmValue& value) override;
    void Loaded() override;

    // The 16 x 16 picture of a button type, from the program's resources.
    static QImage TypeGlyph(TGlowButtonType type);
    // The caption a button type gives ("Close", "Print", ...; empty for btnAny).
    static QString TypeCaption(TGlowButtonType type);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void changeEvent(QEvent*) override;
    bool event(QEvent*) override;

private:
    void drawState(QPainter& p, bool hover);
    // Takes `image` as the strip; adds the disabled image to a single one.
    void assignGlyph(const QImage& image);
    void updateAccelerator();
    void takeParentColor();
    QColor resolve(TColor c) const { return ColorToQColor(c, &palette()); }

    TGlowButtonType m_buttonType = btnAny;
    QString m_caption;
    bool m_captionWrap = false;
    bool m_flat = false;
    TButtonLayout m_layout = blGlyphLeft;
    int m_modalResult = 0;
    bool m_parentColor = false;
    TColor m_disableColor = clBtnFace;
    TColor m_frameOffColor = clBtnFace;
    TColor m_frameOnColor = clSilver;
    TColor m_mouseOffColor = clBtnFace;
    TColor m_mouseOnColor = clBtnFace;
    TFont m_captionOffFont;
    TFont m_captionOnFont;
    QImage m_glyph;
    int m_numGlyphs = 0;
    QChar m_accel;
    int m_shortcutId = 0;
    bool m_pressed = false;
    bool m_mouseOn = false;
    bool m_loading = false;
    double m_scale = 1.0;  // caption scale factor; Qt scales forms itself
};
