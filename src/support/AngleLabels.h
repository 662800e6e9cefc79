#pragma once
// A label that draws its caption rotated, shifted, aligned vertically and
// embossed with highlight and shadow copies of itself, and a push button
// whose kind presets its caption, modal result and default/cancel role in
// seventeen languages.
#include "platform/Dialogs.h"
#include "platform/FormComponent.h"
#include "platform/Graphics.h"
#include <QLabel>
#include <QPointer>
#include <QPushButton>

class TCustomAngleLabel : public QLabel, public TFormComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
    Q_PROPERTY(int Angle READ Angle WRITE SetAngle)
    Q_PROPERTY(int OffsetX READ OffsetX WRITE SetOffsetX)
    Q_PROPERTY(int OffsetY READ OffsetY WRITE SetOffsetY)
    Q_PROPERTY(TDirection HighlightDirection READ HighlightDirection WRITE SetHighlightDirection)
    Q_PROPERTY(int HighlightDepth READ HighlightDepth WRITE SetHighlightDepth)
    Q_PROPERTY(quint32 HighlightColor READ HighlightColor WRITE SetHighlightColor)
    Q_PROPERTY(TShadowStyle ShadowStyle READ ShadowStyle WRITE SetShadowStyle)
    Q_PROPERTY(TDirection ShadowDirection READ ShadowDirection WRITE SetShadowDirection)
    Q_PROPERTY(int ShadowDepth READ ShadowDepth WRITE SetShadowDepth)
    Q_PROPERTY(int ShadowSize READ ShadowSize WRITE SetShadowSize)
    Q_PROPERTY(quint32 ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(TVerticalAlignment VerticalAlignment READ VerticalAlignment WRITE SetVerticalAlignment)
    Q_PROPERTY(TVerticalAlignment Layout READ VerticalAlignment WRITE SetVerticalAlignment)

public:
    enum TDirection { drNone, drUp, drDown, drLeft, drRight, drUpLeft, drUpRight, drDownLeft, drDownRight };
    Q_ENUM(TDirection)
    enum TShadowStyle {
        ssNone, ssCustom, ssRaised, ssRaisedColor, ssRaisedShadow, ssRaisedThickShadow, ssRecessed,
        ssRecessedColor, ssRecessedShadow, ssShadow, ssThickShadow
    };
    Q_ENUM(TShadowStyle)
    // The second spelling of each value is the one that forms store under
    // "Layout".
    enum TVerticalAlignment { vaTop, vaCenter, vaBottom, tlTop = vaTop, tlCenter = vaCenter, tlBottom = vaBottom };
    Q_ENUM(TVerticalAlignment)

    static constexpr int MaxShadow = 5;  // ShadowDepth and ShadowSize lie in 0..5

    explicit TCustomAngleLabel(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool on);

    int Angle() const { return m_angle; }
    // Reduced into 0..359; a non-zero angle switches AutoSize off.
    void SetAngle(int degrees);
    int OffsetX() const { return m_offsetX; }
    void SetOffsetX(int value);
    int OffsetY() const { return m_offsetY; }
    void SetOffsetY(int value);

    TDirection HighlightDirection() const { return m_highlightDirection; }
    void SetHighlightDirection(TDirection value);
    int HighlightDepth() const { return m_highlightDepth; }
    void SetHighlightDepth(int value);
    TColor HighlightColor() const { return m_highlightColor; }
    void SetHighlightColor(TColor value);
    TShadowStyle ShadowStyle() const { return m_shadowStyle; }
    // Stores the style and applies its preset (not for ssCustom).
    void SetShadowStyle(TShadowStyle value);
    TDirection ShadowDirection() const { return m_shadowDirection; }
    void SetShadowDirection(TDirection value);
    int ShadowDepth() const { return m_shadowDepth; }
    // Outside 0..5: "Value not allowed", the old value stays.
    void SetShadowDepth(int value);
    int ShadowSize() const { return m_shadowSize; }
    void SetShadowSize(int value);
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor value);
    TVerticalAlignment VerticalAlignment() const { return m_verticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment value);

    // The font's colour: what a form gave as Font.Color, else the text colour
    // of the palette.
    TColor FontColor() const;
    void SetFontColor(TColor color);

    // Colour properties take colour names ("clRed", "clBtnShadow") as well
    // as numbers.
    bool ReadFormProperty(const QString& name, const DfmValue& value) override;

    // One step of a direction, screen y growing downwards.
    static QPoint DirectionStep(TDirection direction);
    // The rectangle whose top-left corner is where the caption starts (at an
    // angle: the top of the line's first character), before the offsets.
    QRect TextRect() const;
    // The flags of a formatted (unrotated) drawing.
    int TextFlags() const;

signals:
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    // After OnMouseEnter / OnMouseLeave.
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // The font or its colour changed.
    virtual void FontChanged() {}

private:
    void changed();
    void customised();
    void adjustBounds();
    void drawCaption(QPainter& p, const QRect& r, const QColor& color) const;
    bool refuse(int value) const;

    bool m_autoSize = true;
    bool m_transparent = false;
    bool m_showAccelChar = true;
    int m_angle = 0;
    int m_offsetX = 0;
    int m_offsetY = 0;
    TDirection m_highlightDirection = drNone;
    int m_highlightDepth = 0;
    TColor m_highlightColor = clBtnHighlight;
    TShadowStyle m_shadowStyle = ssNone;
    TDirection m_shadowDirection = drNone;
    int m_shadowDepth = 0;
    int m_shadowSize = 0;
    TColor m_shadowColor = clBtnShadow;
    TVerticalAlignment m_verticalAlignment = vaTop;
    double m_cos = 1.0;
    double m_sin = 0.0;
    bool m_applyingPreset = false;
};

class TAngleLabel : public TCustomAngleLabel {
    Q_OBJECT
public:
    explicit TAngleLabel(QWidget* parent = nullptr) : TCustomAngleLabel(parent) {}
};

class TPresetButton : public QPushButton, public TFormComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TPresetButtonKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)

public:
    // pbkCustom, pbkOk, then thirteen groups of seventeen languages each in
    // the order English, Rus, Ukr, Fr, Por, Esp, Ger, Dan, Ita, Swe, Dut,
    // Pol, Hun, Tur, Slk, Kor, Chn.
    enum TPresetButtonKind {
        pbkCustom, pbkOk, pbkCancel, pbkCancelRus, pbkCancelUkr, pbkCancelFr, pbkCancelPor, pbkCancelEsp,
        pbkCancelGer, pbkCancelDan, pbkCancelIta, pbkCancelSwe, pbkCancelDut, pbkCancelPol, pbkCancelHun,
        pbkCancelTur, pbkCancelSlk, pbkCancelKor, pbkCancelChn, pbkHelp, pbkHelpRus, pbkHelpUkr, pbkHelpFr,
        pbkHelpPor, pbkHelpEsp, pbkHelpGer, pbkHelpDan, pbkHelpIta, pbkHelpSwe, pbkHelpDut, pbkHelpPol, pbkHelpHun,
        pbkHelpTur, pbkHelpSlk, pbkHelpKor, pbkHelpChn, pbkYes, pbkYesRus, pbkYesUkr, pbkYesFr, pbkYesPor,
        pbkYesEsp, pbkYesGer, pbkYesDan, pbkYesIta, pbkYesSwe, pbkYesDut, pbkYesPol, pbkYesHun, pbkYesTur,
        pbkYesSlk, pbkYesKor, pbkYesChn, pbkNo, pbkNoRus, pbkNoUkr, pbkNoFr, pbkNoPor, pbkNoEsp, pbkNoGer,
        pbkNoDan, pbkNoIta, pbkNoSwe, pbkNoDut, pbkNoPol, pbkNoHun, pbkNoTur, pbkNoSlk, pbkNoKor, pbkNoChn,
        pbkClose, pbkCloseRus, pbkCloseUkr, pbkCloseFr, pbkClosePor, pbkCloseEsp, pbkCloseGer, pbkCloseDan,
        pbkCloseIta, pbkCloseSwe, pbkCloseDut, pbkClosePol, pbkCloseHun, pbkCloseTur, pbkCloseSlk, pbkCloseKor,
        pbkCloseChn, pbkAbort, pbkAbortRus, pbkAbortUkr, pbkAbortFr, pbkAbortPor, pbkAbortEsp, pbkAbortGer,
        pbkAbortDan, pbkAbortIta, pbkAbortSwe, pbkAbortDut, pbkAbortPol, pbkAbortHun, pbkAbortTur, pbkAbortSlk,
        pbkAbortKor, pbkAbortChn, pbkRetry, pbkRetryRus, pbkRetryUkr, pbkRetryFr, pbkRetryPor, pbkRetryEsp,
        pbkRetryGer, pbkRetryDan, pbkRetryIta, pbkRetrySwe, pbkRetryDut, pbkRetryPol, pbkRetryHun, pbkRetryTur,
        pbkRetrySlk, pbkRetryKor, pbkRetryChn, pbkIgnore, pbkIgnoreRus, pbkIgnoreUkr, pbkIgnoreFr, pbkIgnorePor,
        pbkIgnoreEsp, pbkIgnoreGer, pbkIgnoreDan, pbkIgnoreIta, pbkIgnoreSwe, pbkIgnoreDut, pbkIgnorePol,
        pbkIgnoreHun, pbkIgnoreTur, pbkIgnoreSlk, pbkIgnoreKor, pbkIgnoreChn, pbkAll, pbkAllRus, pbkAllUkr,
        pbkAllFr, pbkAllPor, pbkAllEsp, pbkAllGer, pbkAllDan, pbkAllIta, pbkAllSwe, pbkAllDut, pbkAllPol,
        pbkAllHun, pbkAllTur, pbkAllSlk, pbkAllKor, pbkAllChn, pbkDone, pbkDoneRus, pbkDoneUkr, pbkDoneFr,
        pbkDonePor, pbkDoneEsp, pbkDoneGer, pbkDoneDan, pbkDoneIta, pbkDoneSwe, pbkDoneDut, pbkDonePol, pbkDoneHun,
        pbkDoneTur, pbkDoneSlk, pbkDoneKor, pbkDoneChn, pbkPrev, pbkPrevRus, pbkPrevUkr, pbkPrevFr, pbkPrevPor,
        pbkPrevEsp, pbkPrevGer, pbkPrevDan, pbkPrevIta, pbkPrevSwe, pbkPrevDut, pbkPrevPol, pbkPrevHun, pbkPrevTur,
        pbkPrevSlk, pbkPrevKor, pbkPrevChn, pbkNext, pbkNextRus, pbkNextUkr, pbkNextFr, pbkNextPor, pbkNextEsp,
        pbkNextGer, pbkNextDan, pbkNextIta, pbkNextSwe, pbkNextDut, pbkNextPol, pbkNextHun, pbkNextTur, pbkNextSlk,
        pbkNextKor, pbkNextChn, pbkFinish, pbkFinishRus, pbkFinishUkr, pbkFinishFr, pbkFinishPor, pbkFinishEsp,
        pbkFinishGer, pbkFinishDan, pbkFinishIta, pbkFinishSwe, pbkFinishDut, pbkFinishPol, pbkFinishHun,
        pbkFinishTur, pbkFinishSlk, pbkFinishKor, pbkFinishChn
    };
    Q_ENUM(TPresetButtonKind)

    static constexpr int LanguageCount = 17;
    enum TPresetGroup {
        pgCancel, pgHelp, pgYes, pgNo, pgClose, pgAbort, pgRetry, pgIgnore, pgAll, pgDone, pgPrev, pgNext, pgFinish
    };
    // The kind of `group` in language `language` (0 English ... 16 Chinese).
    static TPresetButtonKind KindOf(TPresetGroup group, int language);
    // -1 for pbkCustom and pbkOk.
    static int GroupOf(TPresetButtonKind kind);
    static QString KindCaption(TPresetButtonKind kind);
    static int KindModalResult(TPresetButtonKind kind);
    static bool KindDefault(TPresetButtonKind kind);
    static bool KindCancel(TPresetButtonKind kind);

    explicit TPresetButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& value) { setText(value); }
    // The stored kind while Default, Cancel and ModalResult still match its
    // preset; otherwise the kind becomes pbkCustom.
    TPresetButtonKind Kind() const;
    void SetKind(TPresetButtonKind kind);
    // The dialog's default button (Qt also makes a focused button the
    // default for a while; that is no change of this property).
    bool Default() const { return m_default; }
    void SetDefault(bool on)
    {
        m_default = on;
        setDefault(on);
    }
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool on) { m_cancel = on; }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }

    // The click of this kind: help, closing the window, or the ordinary
    // click that ends a modal dialog with ModalResult.
    void Click();

    bool ReadFormProperty(const QString& name, const DfmValue& value) override;
    QList<DfmProperty> WriteFormProperties() const override;
    void Loaded() override { m_loading = false; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void watchWindow();

    mutable TPresetButtonKind m_kind = pbkCustom;
    bool m_default = false;
    bool m_cancel = false;
    int m_modalResult = mrNone;
    bool m_loading = false;
    QPointer<QWidget> m_window;
};
