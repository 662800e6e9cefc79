#pragma once
// The progress panel of the print object: its settings live as long as the
// print object; while a job runs with the panel switched on, a panel with a
// message and a gradient progress bar is shown centred on the owner.
#include "platform/Graphics.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class QWidget;
class TPanelImage;

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TPrnDisplayPanel : public QObject {
    Q_OBJECT
    Q_PROPERTY(int BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(int BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(QString DisplayMessage READ DisplayMessage WRITE SetDisplayMessage)
    Q_PROPERTY(int MinPanelHeight READ MinPanelHeight WRITE SetMinPanelHeight)
    Q_PROPERTY(int MinPanelWidth READ MinPanelWidth WRITE SetMinPanelWidth)
    Q_PROPERTY(quint32 PanelColor READ PanelColor WRITE SetPanelColor)
    Q_PROPERTY(quint32 ProgressColor READ ProgressColor WRITE SetProgressColor)
    Q_PROPERTY(int ProgressInc READ ProgressInc WRITE SetProgressInc)
    Q_PROPERTY(int ProgressMax READ ProgressMax WRITE SetProgressMax)
    Q_PROPERTY(int ProgressMin READ ProgressMin WRITE SetProgressMin)
    Q_PROPERTY(int ProgressPosition READ ProgressPosition WRITE SetProgressPosition)
    Q_PROPERTY(quint32 ProgressStartColor READ ProgressStartColor WRITE SetProgressStartColor)
    Q_PROPERTY(quint32 ProgressStopColor READ ProgressStopColor WRITE SetProgressStopColor)
    Q_PROPERTY(bool ShowProgress READ ShowProgress WRITE SetShowProgress)
    Q_PROPERTY(bool ShowProgressPercent READ ShowProgressPercent WRITE SetShowProgressPercent)
public:
    explicit TPrnDisplayPanel(QObject* parent = nullptr);
    ~TPrnDisplayPanel() override;

    // Takes every setting of `source` but its message.
    void Assign(const TPrnDisplayPanel& source);

    // Builds the panel on `parent` (the main window when null) and shows it.
    void BuildPanel(QWidget* parent);
    // Takes the panel down, if built.
    void FreePanel();
    // Advances the position by `step`, at most to the maximum.
    void StepBy(int step);
    // Paints the part of the bar not painted yet, and the percentage.
    void DrawProgress();

    int BevelInner() const { return m_bevelInner; }
    void SetBevelInner(int v) { m_bevelInner = TPanelBevel(v); }
    int BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(int v) { m_bevelOuter = TPanelBevel(v); }
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int v) { m_bevelWidth = v; }
    QString DisplayMessage() const { return m_displayMessage; }
    void SetDisplayMessage(const QString& v) { m_displayMessage = v; }
    TFont& LetterFont() { return m_letterFont; }
    const TFont& LetterFont() const { return m_letterFont; }
    void SetLetterFont(const TFont& f) { m_letterFont.Assign(f); }
    int MinPanelHeight() const { return m_minPanelHeight; }
    void SetMinPanelHeight(int v) { m_minPanelHeight = v; }
    int MinPanelWidth() const { return m_minPanelWidth; }
    void SetMinPanelWidth(int v) { m_minPanelWidth = v; }
    TColor PanelColor() const { return m_panelColor; }
    void SetPanelColor(TColor v) { m_panelColor = v; }
    TColor ProgressColor() const { return m_progressColor; }
    void SetProgressColor(TColor v) { m_progressColor = v; }
    int ProgressInc() const { return m_progressInc; }
    void SetProgressInc(int v) { m_progressInc = v; }
    int ProgressMax() const { return m_progressMax; }
    void SetProgressMax(int v) { m_progressMax = v; }
    int ProgressMin() const { return m_progressMin; }
    void SetProgressMin(int v) { m_progressMin = v; }
    int ProgressPosition() const { return m_progressPosition; }
    // Taken only inside ProgressMin..ProgressMax.
    void SetProgressPosition(int v);
    TColor ProgressStartColor() const { return m_progressStartColor; }
    void SetProgressStartColor(TColor v) { m_progressStartColor = v; }
    TColor ProgressStopColor() const { return m_progressStopColor; }
    void SetProgressStopColor(TColor v) { m_progressStopColor = v; }
    bool ShowProgress() const { return m_showProgress; }
    void SetShowProgress(bool v) { m_showProgress = v; }
    bool ShowProgressPercent() const { return m_showProgressPercent; }
    void SetShowProgressPercent(bool v) { m_showProgressPercent = v; }

    // The bar rectangle in pixels of the image (left-top, right-bottom).
    QPoint BarTopLeft() const { return m_barTopLeft; }
    QPoint BarBottomRight() const { return m_barBottomRight; }
    void SetBarRect(QPoint topLeft, QPoint bottomRight);
    // Where the bar ended when it was last painted.
    int LastBarEnd() const { return m_lastBarEnd; }

    // The panel and its picture while built; null otherwise.
    QWidget* Panel() const;
    const QImage* Image() const;

private:
    void paintBackground();

    TPanelBevel m_bevelInner = bvLowered;
    TPanelBevel m_bevelOuter = bvRaised;
    int m_bevelWidth = 3;
    QString m_displayMessage = QStringLiteral("Default Message Here");
    TFont m_letterFont;
    int m_minPanelHeight = 100;
    int m_minPanelWidth = 300;
    TColor m_panelColor = RGBToColor(0, 0, 128);
    TColor m_progressColor = clWhite;
    int m_progressInc = 1;
    int m_progressMax = 100;
    int m_progressMin = 0;
    int m_progressPosition = 0;
    TColor m_progressStartColor = RGBToColor(128, 128, 128);
    TColor m_progressStopColor = RGBToColor(128, 128, 128);
    bool m_showProgress = false;
    bool m_showProgressPercent = false;

    QPoint m_barTopLeft{0, 0};
    QPoint m_barBottomRight{0, 0};
    int m_lastBarEnd = 0;
    QPointer<QWidget> m_panel;
    TPanelImage* m_image = nullptr;  // child of the panel
};
