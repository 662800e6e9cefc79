#pragma once
// A preview window for tests: it runs a test's code where the real window
// would show the recorded pages.
#include "print/PreviewWindow.h"
#include "print/PrintObject.h"

#include <functional>
#include <memory>

class TTestPreview : public TPreviewWindow {
public:
    std::function<void(TPrintObject&)> onShow;
    TPrintObject* printObject = nullptr;
    int orientation = -1;
    QHash<int, QString> texts;
    int startZoom = -1;
    int shows = 0;

    void SetPrintObject(TPrintObject* po) override { printObject = po; }
    void SetOrientation(int o) override { orientation = o; }
    void SetTexts(const QHash<int, QString>& t) override { texts = t; }
    void ShowModal(int zoom) override
    {
        ++shows;
        startZoom = zoom;
        if (onShow && printObject) onShow(*printObject);
    }
    int CurrentPage() const override { return 1; }
};

// Registers the test preview for the print objects made while it lives.
class PreviewRegistration {
public:
    PreviewRegistration()
    {
        m_previous = SetPreviewFactory([this] {
            auto p = std::make_unique<TTestPreview>();
            last = p.get();
            if (onShow) p->onShow = onShow;
            return p;
        });
    }
    ~PreviewRegistration() { SetPreviewFactory(m_previous); }
    // Given to every preview made from now on.
    std::function<void(TPrintObject&)> onShow;
    TTestPreview* last = nullptr;

private:
    TPreviewFactory m_previous;
};
