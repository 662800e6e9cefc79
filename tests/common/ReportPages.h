#pragma once
// Report-like pages for the print engine: the report's page frame (logo,
// title, address block, footer, page number) and section blocks of inputs,
// results and fittings, about 180 texts a page.  The PDF test prints twelve
// of these pages; the print benchmark records a thousand.
#include "print/PrintObject.h"

#include <QImage>

namespace reportpages {

inline QImage LogoImage()
{
    QImage img(400, 130, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgb(20 + x % 40, 60, 160 + y % 60));
    return img;
}

// The logo as a picture of its own, as when it is loaded anew.
inline TPicture Logo()
{
    static const QImage logo = LogoImage();
    return TPicture(logo.copy());
}

inline TFont Arial(int size, TFontStyles style = 0)
{
    TFont f;
    f.SetName(QStringLiteral("Arial"));
    f.SetSize(size);
    f.SetStyle(style);
    return f;
}

// The page frame of the report, drawn for every page.
inline void Frame(TPrintObject& po)
{
    po.SetMeasurement(mtMM);
    po.SetMarginsFromEdges(10.0, 10.0, 8.0, 10.0);
    po.SetHeaderDim(0, 1, 0.0, 0.0, 192.0, 20.0, int(RGBToColor(235, 235, 235)));
    po.SetDetail(23.0, 265.0);
    po.StartPageBody();
    // Loaded anew for every page, as the report does.
    po.DrawGraphic(Logo(), 75.0, 0.0, 40.0, 13.0);
    po.SetHeaderInf(1, QStringLiteral("Strombauberechnung"), 13.0, 1, Arial(16, fsBold));
    po.SetFontName(QStringLiteral("Arial"));
    po.SetFontSize(10);
    po.SetFontStyle(0);
    po.SetColumn(1, 0.0, 15.0);
    po.SetColumn(2, po.GetColumnRight(1), 60.0);
    po.WriteColumn(1, QStringLiteral("Tel:"), -2.0, 0, 0.0);
    po.WriteColumn(2, QStringLiteral("0221 4711"), -2.0, 0, 0.0);
    po.NewLine();
    po.WriteColumn(1, QStringLiteral("Fax:"), -2.0, 0, 0.0);
    po.WriteColumn(2, QStringLiteral("0221 4712"), -2.0, 0, 0.0);
    po.NewLines(2);
    const double cols[5][2] = {{0, 15}, {15, 107}, {122, 14}, {136, 55}, {80, 96}};
    for (int c = 0; c < 5; ++c) po.SetColumn(quint16(c + 1), cols[c][0], cols[c][1]);
    const char* lines[5][3] = {{"Ingenieurbüro Nord", "Datum:", "09.12.2026"},
                               {"Herr Beispiel", "von:", "Planungsbüro Muster"},
                               {"Hafenstraße 12", "Tel:", "0221 4711"},
                               {"20457 Hamburg", "Fax:", "0221 4712"},
                               {"", "eMail:", "info@example.com"}};
    po.WriteColumn(1, QStringLiteral("An:"), -2.0, 0, 0.0);
    for (const auto& l : lines) {
        po.WriteColumn(2, QString::fromUtf8(l[0]), -2.0, 0, 0.0);
        po.WriteColumn(3, QString::fromUtf8(l[1]), -2.0, 0, 0.0);
        po.WriteColumn(4, QString::fromUtf8(l[2]), -2.0, 0, 0.0);
        po.NewLine();
    }
    po.NewLines(1);
    po.WriteColumn(1, QStringLiteral("Projekt:"), -2.0, 0, 0.0);
    po.WriteColumn(2, QStringLiteral("Lüftung Halle 3"), -2.0, 0, 0.0);
    po.NewLines(2);
    double y = po.GetY();
    po.DrawLine(1, 0.0, y - 1.0, 192.0, y - 1.0);
    po.WriteColumn(1, QStringLiteral("Vorgaben"), -2.0, 0, 0.0);
    po.WriteColumn(5, QStringLiteral("Ergebnisse"), -2.0, 0, 0.0);
    y = po.GetY();
    po.DrawLine(1, 0.0, y + 5.0, 192.0, y + 5.0);
    po.NewLines(1);
    po.SetFooterDim(0, 0, 0.0, 267.0, 192.0, 277.0, int(RGBToColor(230, 235, 235)));
    TFont footer = Arial(8);
    po.SetFooterInf(1, QStringLiteral("Planungsbüro Muster, Hauptstraße 1, Köln"), 267.0, 0, footer);
    footer.SetSize(6);
    po.SetFooterInf(2, QStringLiteral("Alle Angaben sind unverbindlich und können ohne vorherige Nachricht geändert werden."),
                    277.0 - po.GetLineHeight(), 0, footer);
    po.DrawLine(1, 0.0, 266.5, 192.0, 266.5);
    footer.SetSize(8);
    po.SetPageNumber(QStringLiteral("Seite %d"), 1, 277.0 - (po.GetLineHeight() - 5.0), true, footer);
    po.SetDetail(80.0, 276.0);
    po.StartPageBody();
}

inline void ReportColumns(TPrintObject& po)
{
    const double cols[7][2] = {{0, 50}, {53, 30}, {86, 7}, {96, 50}, {149, 30}, {182, 7}, {0, 190}};
    for (int c = 0; c < 7; ++c) po.SetColumn(quint16(c + 1), cols[c][0], cols[c][1]);
}

// A section block: its name, six rows of inputs and results, the total in
// bold, and the list of its fittings.
inline void Section(TPrintObject& po, TFont& body, int k)
{
    body.SetStyle(fsUnderline);
    po.SetFont(body);
    po.WriteColumnLeft(1, QStringLiteral("Teilstrecke %1").arg(k), -2.0);
    body.SetStyle(0);
    po.SetFont(body);
    po.NewLines(1);
    static const char* in[6] = {"Volumenstrom", "Teilstreckenlänge", "Materialart", "Kanalform", "Durchmesser", ""};
    static const char* out[6] = {"Strömungsgeschwindigkeit", "hydr. Durchmesser", "Querschnittsfläche",
                                 "Druckverl. Rohr", "Druckverl. Einb./Formst.", "Druckverl. Teilstr. gesamt"};
    static const char* units[6] = {"m/s", "m", "m²", "Pa", "Pa", "Pa"};
    for (int row = 0; row < 6; ++row) {
        if (row == 5) {
            body.SetStyle(fsBold);
            po.SetFont(body);
        }
        if (*in[row]) {
            po.WriteColumn(1, QString::fromUtf8(in[row]), -2.0, 0, 0.0);
            po.WriteColumn(2, QStringLiteral("%1,%2").arg(100 + k % 900).arg(row * 17 % 100, 2, 10, QLatin1Char('0')),
                           -2.0, 2, 0.0);
            po.WriteColumn(3, QStringLiteral("mm"), -2.0, 0, 0.0);
        }
        po.WriteColumn(4, QString::fromUtf8(out[row]), -2.0, 0, 0.0);
        po.WriteColumn(5, QStringLiteral("%1,%2").arg(k % 97 + row).arg(k % 100, 2, 10, QLatin1Char('0')), -2.0, 2, 0.0);
        po.WriteColumn(6, QString::fromUtf8(units[row]), -2.0, 0, 0.0);
        po.NewLines(1);
    }
    body.SetStyle(0);
    po.SetFont(body);
    po.NewLines(1);
    if (po.GetLinesLeft() < 5) po.NewPage();
    body.SetStyle(fsUnderline);
    po.SetFont(body);
    po.WriteColumn(7, QStringLiteral("Liste der Einbauten und Formstücke:"), -2.0, 0, 0.0);
    body.SetStyle(fsItalic | fsUnderline);
    po.SetFont(body);
    po.NewLines(1);
    po.WriteColumn(1, QStringLiteral("Einbau/Formstück"), -2.0, 0, 0.0);
    po.WriteColumn(2, QStringLiteral("Zeta"), -2.0, 2, 0.0);
    po.WriteColumn(3, QStringLiteral("Anzahl"), -2.0, 2, 0.0);
    body.SetStyle(0);
    po.SetFont(body);
    po.NewLines(1);
    static const char* fittings[6] = {"Bogen rund, glatt", "Bogen segmentiert", "Abzweig 90°",
                                      "Reduzierung, konisch", "Verschlußklappe", "Kanal-Schalldämpfer"};
    for (int i = 0; i < 12; ++i) {
        po.WriteColumn(1, QString::fromUtf8(fittings[(i + k) % 6]), -2.0, 0, 0.0);
        po.WriteColumn(2, QStringLiteral("0,%1").arg((i * 7 + k) % 90 + 10), -2.0, 2, 0.0);
        po.WriteColumn(3, QString::number(i % 4 + 1), -2.0, 2, 0.0);
        po.NewLines(1);
    }
    const double y = po.GetY();
    po.DrawLine(1, 0.0, y + 2.0, 192.0, y + 2.0);
    po.DrawLine(1, 0.0, y + 3.0, 192.0, y + 3.0);
    po.NewLines(1);
    if (po.GetLinesLeft() < 5) po.NewPage();
}

// Section blocks until page `pages` holds some.
inline void Sections(TPrintObject& po, TFont& body, int pages)
{
    for (int k = 1; po.GetPageNumber() < pages || po.GetLinesLeft() > 40; ++k) Section(po, body, k);
}

// What every page starts with: the frame, then the section columns.
inline void StartPage(TPrintObject& po)
{
    Frame(po);
    ReportColumns(po);
    po.StartPageBody();
}

// An A4 job in millimetres with "Seite n von m" and clipped columns that
// starts every further page as the first.
inline void SetUpJob(TPrintObject& po)
{
    po.SetMeasurement(mtMM);
    po.SetPaperSize(PAPER_A4);
    po.SetPrintPageNumbers(true);
    po.SetShowTotalPages(true);
    po.SetClipColumns(true);
    po.SetUseLargeFontAdjust(false);
    po.SetTitle(QStringLiteral("Druckverlustberechnungen drucken"));
    po.OnNewPage = [&po](QObject*) {
        if (po.GetPageNumber() >= 1) StartPage(po);
    };
}

// The body's font: 10 points, bold until the first section sets it.
inline TFont StartBody(TPrintObject& po)
{
    TFont body;
    body.SetSize(10);
    body.SetStyle(fsBold);
    po.SetFont(body);
    return body;
}

}  // namespace reportpages
