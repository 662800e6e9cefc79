#pragma once
// Units, paper, quality and zoom types of the print engine, and the paper
// table.
#include <QObject>
#include <QString>
#include <functional>

class TCanvas;

namespace PrintTypes {
Q_NAMESPACE

enum MeasureType { mtInches, mtMM, mtPixels };
Q_ENUM_NS(MeasureType)

enum PrintQualities { pqHIGH, pqMEDIUM, pqLOW, pqDRAFT };
Q_ENUM_NS(PrintQualities)

enum Percentages { P2_Sixty, P3_Seventy, P4_Eighty, P5_Ninety, P6_Full };
Q_ENUM_NS(Percentages)

// The ordinal plus one is the platform's paper code (except the three
// envelope rows C3, C4 and C5, whose codes the table gives).
enum PaperSizes {
    PAPER_LETTER, PAPER_LETTERSMALL, PAPER_TABLOID, PAPER_LEDGER, PAPER_LEGAL, PAPER_STATEMENT,
    PAPER_EXECUTIVE, PAPER_A3, PAPER_A4, TBA1, PAPER_A5, PAPER_B4, PAPER_B5, PAPER_FOLIO, PAPER_QUARTO,
    PAPER_10X14, PAPER_11X17, PAPER_NOTE, PAPER_ENV_9, PAPER_ENV_10, PAPER_ENV_11, PAPER_ENV_12,
    PAPER_ENV_14, TBA2, TBA3, TBA4, PAPER_ENV_DL, PAPER_ENV_C3, PAPER_ENV_C4, PAPER_ENV_C5, PAPER_ENV_C6,
    PAPER_ENV_C65, PAPER_ENV_B4, PAPER_ENV_B5, PAPER_ENV_B6, PAPER_ENV_ITALY, PAPER_ENV_MONARCH,
    PAPER_ENV_PERSONAL
};
Q_ENUM_NS(PaperSizes)

}  // namespace PrintTypes

using PrintTypes::MeasureType;
using PrintTypes::PaperSizes;
using PrintTypes::Percentages;
using PrintTypes::PrintQualities;
using enum PrintTypes::MeasureType;
using enum PrintTypes::PrintQualities;
using enum PrintTypes::Percentages;
using enum PrintTypes::PaperSizes;

struct TPaperSize {
    qint32 Code;    // the platform's paper code
    double Width;   // inches, portrait
    double Height;  // inches, portrait
};
constexpr int PaperSizeCount = 38;
// Row `ordinal` of the paper table; an ordinal outside the table gives a
// row without code and size.
const TPaperSize& PaperSizeRow(int ordinal);
// The ordinal whose row carries `code`; -1 when none does.
int PaperSizeOfCode(int code);

using TNotifyEvent = std::function<void(QObject* sender)>;
using TPrintCallBack = std::function<void(QObject* sender, TCanvas* canvas, int page)>;
