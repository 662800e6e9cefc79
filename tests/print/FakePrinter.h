#pragma once
// A printer for tests: no device, every call written to a log, the sheets
// drawn on a canvas the test gives.
#include "platform/Printer.h"

#include <QStringList>
#include <memory>

class TFakePrinter : public TPrinter {
public:
    // Draws on `canvas`, which the printer owns ...
    explicit TFakePrinter(std::unique_ptr<TCanvas> canvas) : m_owned(std::move(canvas)), m_canvas(m_owned.get())
    {
        init();
    }
    // ... or which the test keeps.
    explicit TFakePrinter(TCanvas* canvas) : m_canvas(canvas) { init(); }

    QStringList printers{QStringLiteral("Fake")};
    bool settingsReadable = true;
    bool canBegin = true;
    int settingsReads = 0;
    QStringList log;  // "begin <title>", "sheet", "end", "settings <paper> <orientation> <copies> <quality>"

    TCanvas* canvas() const { return m_canvas; }
    const TPrinterSettings& settings() const { return m_settings; }

    QStringList Printers() const override { return printers; }
    bool GetSettings(TPrinterSettings& s) override
    {
        ++settingsReads;
        if (!settingsReadable) return false;
        s = m_settings;
        return true;
    }
    void SetSettings(const TPrinterSettings& s) override
    {
        m_settings = s;
        log << QStringLiteral("settings %1 %2 %3 %4").arg(s.paperCode).arg(s.orientation).arg(s.copies).arg(s.quality);
    }
    bool BeginDoc() override
    {
        if (!canBegin) {
            setErrorText(QStringLiteral("The fake printer cannot print."));
            return false;
        }
        setPrinting(true);
        log << QStringLiteral("begin ") + Title();
        return true;
    }
    void NewPage() override
    {
        if (!Printing()) return;
        countSheet();
        log << QStringLiteral("sheet");
    }
    void EndDoc() override
    {
        if (!Printing()) return;
        setPrinting(false);
        log << QStringLiteral("end");
    }
    TCanvas* Canvas() override { return Printing() ? m_canvas : nullptr; }

private:
    void init()
    {
        SetPrinterName(QStringLiteral("Fake"));
        m_settings.paperCode = 1;  // the printer's own paper: Letter, portrait
        m_settings.orientation = DMORIENT_PORTRAIT;
    }
    std::unique_ptr<TCanvas> m_owned;
    TCanvas* m_canvas;
};
