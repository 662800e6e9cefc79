#pragma once
// The pressure-loss report: the page frame (logo, addressee and sender,
// project line, column headings, footer, page number) and the body (text
// before the results, one block per section with its inputs, results and
// fittings, text after the results, network totals).
//
// One TStrombauBericht is one run: it makes its own print object, writes
// the report through it and frees it at the end.  It reads the project, the
// user data and the message lists, and talks to nothing but the print
// object; the commands of the main window (Strombau_Bericht.cpp) wrap it.
//
// All positions are millimetres from the print object's page origin (the
// margins), as the print object takes them.
#include "app/Eingaben.h"
#include "app/Projekt.h"
#include "app/Projektdaten.h"
#include "platform/Canvas.h"
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class TPrintObject;
class TFont;
class QObject;

class TStrombauBericht {
public:
    // The run reads `projekt` and `texte` and fills `userdaten` from the
    // value file once, before the job starts.
    TStrombauBericht(const TProjekt& projekt, TUserdaten& userdaten, const IMessageTexts& texte);
    ~TStrombauBericht();
    TStrombauBericht(const TStrombauBericht&) = delete;
    TStrombauBericht& operator=(const TStrombauBericht&) = delete;

    // True: the run ends in the preview window; false: on the printer.
    bool Vorschau = false;
    // The date printed beside "Datum:".
    QDate Datum = QDate::currentDate();
    // Reads the user data; by default from the value file, with "Zetawerte
    // nicht vorhanden" when it is missing.
    std::function<void(TUserdaten&)> UserdatenLesen;
    // Runs after SetupPrintObject, before the job starts (a printer or a
    // surface of one's own, a look at the set-up).
    std::function<void(TPrintObject&)> NachSetup;

    // One report: set-up, user data, logo, body, end of the job.  Any
    // exception ends the run: the recorded pages are released unshown
    // (Quit) and the exception goes on to the caller.
    void Run();

    // ---- the run's steps --------------------------------------------------
    // Makes the print object of the run and sets its properties.
    void SetupPrintObject();
    // The print object's page-finished event: the frame of the page just
    // finished (from page 2 on; page 1's frame comes with the body).
    void SBPrintNewPage(QObject* sender);
    // The page frame of the current page.
    void PrintPageHeader();
    // The seven body columns.
    void SetReportColumns();
    // True when fewer than 5 lines are left.
    bool NeedsPageBreak(int linesLeft) const;
    // The print object's after-new-page event: a section block that goes on
    // over the page end starts the new page with its name, underlined.
    void ContinueSectionBlock();
    // Starts the job, writes the frame of page 1, the body and the totals,
    // and ends the job (preview or printer).
    void PrintReportBody();
    // MaterialName and ShapeName of section k; an unknown code gives an
    // empty name.
    void GetSectionMaterialAndShape(int k);
    // The name of a fitting code 13..36; empty for any other code.
    QString GetFittingName(int code) const;
    // The network totals at the foot of the last page.
    void PrintTotalsBlock();

    QString MaterialName;
    QString ShapeName;

    // The print object of the run (null outside Run).
    TPrintObject* PrintObject() const { return m_po.get(); }
    // The pages the run recorded, counted when the job ended.
    int RecordedPages() const { return m_pages; }
    // The fixed sentence before the disclaimer when the user data hold no
    // footer text.
    static QString FooterSentence();
    // The footer's address line: the user's company, street and town that
    // are there, joined by ", ".
    static QString FooterAddress(const TUserdaten& u);

private:
    QString text1(int index) const;
    QString text2(int index) const;
    void loadLogo();
    // A line of the body: columns 1..6 as given (a missing text is not
    // written at all).  `nameInColumn2`: column 2 holds a name rather than a
    // value, which may reach left up to the caption in column 1.
    void writeRow(const QString* c1, const QString* c2, const QString* c3, const QString* c4, const QString* c5,
                  const QString* c6, bool nameInColumn2 = false);
    void setBodyStyle(int style);
    // The fitting list of section k (when it has a positive count).
    void printFittings(int k);
    // The lines of section k's fitting list: 0 without one.
    int fittingLines(int k) const;
    // Whole body lines from the print line down, and on an empty page, in
    // the current font.
    int linesFromHere() const;
    int linesOfABody() const;
    int linesFrom(double y) const;
    // Starts a new page for a section block of `rows` rows and `fittings`
    // list lines that does not fit in the lines left but on an empty page,
    // or, when longer than a page, leaves too few lines below its rows for
    // its list (NeedsPageBreak).
    void keepBlockTogether(int rows, int fittings);
    // Ends a line of the open section block; after its last text line the
    // block is closed.
    void blockLineDone();
    // Before a line of the fitting list: the block's last line goes to the
    // next page (under the section's name again) when the page has no line
    // left below it for the closing rule.
    void keepLastLineWithRule();

    const TProjekt& m_projekt;
    TUserdaten& m_user;
    const IMessageTexts& m_texte;
    std::unique_ptr<TPrintObject> m_po;
    std::unique_ptr<TFont> m_bodyFont;
    TPicture m_logo;
    bool m_haveLogo = false;
    int m_pages = 0;
    // The section block being written: its name and its text lines still
    // to come after the current one.
    bool m_blockOpen = false;
    QString m_blockName;
    int m_blockLinesToCome = 0;
};

// The main window's message lists read straight from its form resource,
// for report runs without the window.  Untranslated.
class TResourceMessageTexts : public IMessageTexts {
public:
    // Throws EFormResourceError when the resource is damaged.
    explicit TResourceMessageTexts(const QString& resource = QStringLiteral(":/forms/MainForm.dfm"));
    QString MessageText(TMessageList list, int index) const override;

private:
    std::array<QStringList, 4> m_lists;
};
