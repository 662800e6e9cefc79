#pragma once
// What the print object needs of its preview window.  The window itself
// lives elsewhere and registers a factory; the print object makes one
// window when it is created, owns it and frees it.  With no factory
// registered a print object has no preview, and ShowPreview returns at
// once.
#include <QHash>
#include <QString>
#include <functional>
#include <memory>

class TPrintObject;

class TPreviewWindow {
public:
    virtual ~TPreviewWindow() = default;
    // The print object whose recorded pages the window shows.
    virtual void SetPrintObject(TPrintObject* printObject) = 0;
    // 0 portrait, 1 landscape.
    virtual void SetOrientation(int orientation) = 0;
    // The string-table texts 1001 to 1016 by number (captions and hints).
    virtual void SetTexts(const QHash<int, QString>& texts) = 0;
    // Shows the recorded pages modally, starting at zoom list entry
    // `startZoom` (0 "60 %" .. 4 "100 %"); returns when the window closes.
    virtual void ShowModal(int startZoom) = 0;
    // The page the window shows (1-based).
    virtual int CurrentPage() const = 0;
};

using TPreviewFactory = std::function<std::unique_ptr<TPreviewWindow>()>;
// Registers how print objects make their preview window; an empty
// function removes it.  Returns the previous factory.
TPreviewFactory SetPreviewFactory(TPreviewFactory factory);
const TPreviewFactory& PreviewFactory();
