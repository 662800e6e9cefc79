// The help file that ships beside the program: an anchor for every help
// context the windows can ask for, F1 on the named controls of the real
// windows opening the right topic in it, plain HTML, and the numbers of its
// worked example as the calculation gives them with the delivered values.
#include "app/About.h"
#include "app/Berechnung.h"
#include "app/DruckKopfForm.h"
#include "app/GrundlagenDLG.h"
#include "app/ProjektDatei.h"
#include "app/SBWert.h"
#include "app/Strombau.h"
#include "app/Teilstrecke.h"
#include "app/UserForm.h"
#include "common/TestSupport.h"
#include "grid/CellGrid.h"
#include "platform/CurrencyEdit.h"
#include "platform/Help.h"
#include "platform/Numbers.h"
#include "platform/SpeedBar.h"
#include "support/PasswordDialogs.h"
#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {

ScriptedAnswerer& answerer() { return ScriptedAnswerer::instance(); }

const QString kHelpName = QStringLiteral("Strombaurechner.html");

QString helpSource() { return SourceDir() + QStringLiteral("/data/") + kHelpName; }

QString readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

// The ids of the elements of an HTML text.
QSet<QString> anchorsOf(const QString& html)
{
    QSet<QString> ids;
    static const QRegularExpression id(QStringLiteral("<[a-zA-Z][^>]*\\sid=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& m : id.globalMatch(html)) ids.insert(m.captured(1));
    return ids;
}

// Every help context the forms give their windows and controls.
QSet<int> formHelpContexts()
{
    QSet<int> contexts;
    static const QRegularExpression line(QStringLiteral("^\\s*HelpContext\\s*=\\s*(\\d+)\\s*$"),
                                         QRegularExpression::MultilineOption);
    QDirIterator it(SourceDir() + QStringLiteral("/data/forms"), {QStringLiteral("*.dfm")}, QDir::Files);
    while (it.hasNext()) {
        for (const QRegularExpressionMatch& m : line.globalMatch(readText(it.next())))
            contexts.insert(m.captured(1).toInt());
    }
    return contexts;
}

// ---- the file ----------------------------------------------------------------------

TEST(HilfeDatei, EveryHelpContextHasItsAnchor)
{
    const QString html = readText(helpSource());
    ASSERT_FALSE(html.isEmpty()) << helpSource().toStdString();
    const QSet<QString> ids = anchorsOf(html);

    QSet<int> contexts = formHelpContexts();
    contexts.insert(10);  // "? > Hilfe" opens the contents
    // The contexts the windows use: if a form gains another, the help must
    // gain its topic too.
    EXPECT_EQ(contexts, (QSet<int>{10, 210, 220, 230, 240, 250, 260, 270, 280}));
    for (int c : contexts) EXPECT_TRUE(ids.contains(QString::number(c))) << "no anchor for context " << c;

    // Each anchor is unique, and every link inside the file leads somewhere.
    static const QRegularExpression anyId(QStringLiteral("\\sid=\"([^\"]+)\""));
    QMap<QString, int> seen;
    for (const QRegularExpressionMatch& m : anyId.globalMatch(html)) ++seen[m.captured(1)];
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        EXPECT_EQ(it.value(), 1) << "id used twice: " << it.key().toStdString();
    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]*)\""));
    int links = 0;
    for (const QRegularExpressionMatch& m : link.globalMatch(html)) {
        ++links;
        EXPECT_TRUE(ids.contains(m.captured(1))) << "link to a missing anchor #" << m.captured(1).toStdString();
    }
    EXPECT_GE(links, 9) << "the contents link every topic";
}

TEST(HilfeDatei, PlainHtmlThatAnyBrowserShows)
{
    const QString html = readText(helpSource());
    ASSERT_FALSE(html.isEmpty());
    EXPECT_TRUE(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"de\">")));
    EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    // No scripts, no event handlers, nothing fetched from elsewhere.
    EXPECT_FALSE(html.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
    EXPECT_FALSE(html.contains(QStringLiteral("javascript:"), Qt::CaseInsensitive));
    EXPECT_FALSE(html.contains(QRegularExpression(QStringLiteral("\\son[a-z]+\\s*="),
                                                  QRegularExpression::CaseInsensitiveOption)));
    EXPECT_FALSE(html.contains(QRegularExpression(QStringLiteral("(src|href)=\"(https?:|//|file:)"))));
    // Its pictures are drawn inside it.
    EXPECT_GE(html.count(QStringLiteral("<svg ")), 3);
    EXPECT_EQ(html.count(QStringLiteral("<svg ")), html.count(QStringLiteral("</svg>")));
    // Well formed as far as a browser minds: every opened block is closed.
    for (const char* tag : {"h2", "h3", "table", "p", "ul", "ol", "dl", "pre"}) {
        const QString t = QString::fromLatin1(tag);
        EXPECT_EQ(html.count(QRegularExpression(QStringLiteral("<%1[\\s>]").arg(t))),
                  html.count(QStringLiteral("</%1>").arg(t)))
            << tag;
    }
    // The file is valid UTF-8 (the umlauts read back).
    EXPECT_TRUE(html.contains(QStringLiteral("Strömungsgeschwindigkeit")));
    EXPECT_FALSE(html.contains(QChar::ReplacementCharacter));
}

TEST(HilfeDatei, TheBuildPlacesItBesideTheProgram)
{
    const QString built = QFileInfo(QStringLiteral(SB_PROGRAM_FILE)).absolutePath() + QLatin1Char('/') + kHelpName;
    ASSERT_TRUE(QFileInfo::exists(built)) << built.toStdString();
    EXPECT_TRUE(readText(built) == readText(helpSource())) << "the built copy is not the shipped file";
    // The program's help command looks for exactly this file.
    EXPECT_EQ(HtmlHelpFile(QFileInfo(built).absolutePath() + QStringLiteral("/Strombaurechner.hlp")).toStdString(),
              QFileInfo(built).absoluteFilePath().toStdString());
}

// ---- the worked example --------------------------------------------------------------

// The texts of the elements whose id starts with `prefix`, by the name of
// the number they show: a number shown again has the id of its first
// showing with "_2", "_3" ... after it.
QMultiMap<QString, QString> numberTexts(const QString& html, const QString& prefix)
{
    QMultiMap<QString, QString> texts;
    const QRegularExpression el(QStringLiteral("<[a-z]+[^>]*\\sid=\"(%1[^\"_]*)(_[0-9]+)?\"[^>]*>([^<]*)<")
                                    .arg(QRegularExpression::escape(prefix)));
    for (const QRegularExpressionMatch& m : el.globalMatch(html)) texts.insert(m.captured(1), m.captured(3));
    return texts;
}

// Every number of `shown` is the one `expected` gives for its name, and
// every expected number is shown.
void ExpectNumbers(const QMultiMap<QString, QString>& shown, const QMap<QString, QString>& expected)
{
    EXPECT_EQ(QStringList(shown.uniqueKeys()).join(QLatin1Char(' ')).toStdString(),
              QStringList(expected.keys()).join(QLatin1Char(' ')).toStdString());
    for (auto it = shown.cbegin(); it != shown.cend(); ++it)
        EXPECT_EQ(it.value().toStdString(), expected.value(it.key(), QStringLiteral("<nicht gerechnet>")).toStdString())
            << it.key().toStdString();
}

TEST(HilfeDatei, LimitsAreThoseOfTheProgram)
{
    QMap<QString, QString> expected;
    expected[QStringLiteral("grenze-tsname")] = QString::number(decltype(TTeilstrecke::Bezeichnung)::Width);
    expected[QStringLiteral("grenze-tsanzahl")] = QString::number(MaxTSAnzahl);
    ExpectNumbers(numberTexts(readText(helpSource()), QStringLiteral("grenze-")), expected);
}

TEST(HilfeDatei, TheAccessCodeIsTheOneTheProgramAsksFor)
{
    // Where the help names the technical data it gives the code; the F1 test
    // below opens the dialog with the code read from the help.
    QMap<QString, QString> expected;
    expected[QStringLiteral("zugangscode")] = QString::fromLatin1(TMainForm::TechnikZugangscode);
    const QMultiMap<QString, QString> shown = numberTexts(readText(helpSource()), QStringLiteral("zugangscode"));
    ExpectNumbers(shown, expected);
    EXPECT_GE(shown.size(), 2);
    // So does the README.
    const QString readme = readText(SourceDir() + QStringLiteral("/README.md"));
    ASSERT_FALSE(readme.isEmpty());
    EXPECT_TRUE(readme.contains(QLatin1Char('`') + expected.first() + QLatin1Char('`')));
}

// The help's text as a reader sees it: no tags, entities read, every run of
// white space one blank.
QString plainHelpText()
{
    QString t = readText(helpSource());
    static const QRegularExpression tag(QStringLiteral("<[^>]*>")), space(QStringLiteral("\\s+"));
    t.remove(tag);
    t.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    t.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return t.replace(space, QStringLiteral(" "));
}

// A message as the help quotes it: what the situation put in between
// „ “ (or ' ') stands as "…".
QString asQuoted(QString message)
{
    static const QRegularExpression german(QStringLiteral("„[^“]*“")), plain(QStringLiteral("'[^']*'"));
    message.replace(german, QStringLiteral("„…“"));
    message.replace(plain, QStringLiteral("'…'"));
    return message;
}

TEST(HilfeDatei, TheCalculationMessagesItExplainsAreThoseOfTheProgram)
{
    TempProgramFolder folder;
    ASSERT_TRUE(folder.installValueFile());
    const TWertDateiStand werte;
    const QString help = plainHelpText();

    // A section as a project file may bring it, calculated after one change.
    const auto messageAfter = [&werte](const std::function<void(TTeilstrecke&)>& change) {
        TProjekt projekt;
        projekt.ResizeSections(1);
        TTeilstrecke& r = projekt.Section(1);
        r.Volumenstrom = QStringLiteral("500");
        r.Laenge = QStringLiteral("10");
        r.Kanalform = QStringLiteral("1");
        r.Materialart = QStringLiteral("0");
        r.DNRohr = QStringLiteral("160");
        change(r);
        try {
            CalculateSection(projekt, 1, werte);
        } catch (const ECalcError& e) {
            return e.Message();
        }
        return QStringLiteral("<gerechnet>");
    };
    ASSERT_EQ(messageAfter([](TTeilstrecke&) {}).toStdString(), "<gerechnet>");

    const QStringList messages = {
        messageAfter([](TTeilstrecke& r) { r.Laenge = QStringLiteral("zehn"); }),
        messageAfter([](TTeilstrecke& r) { r.Kanalform = QStringLiteral("7"); }),
        messageAfter([](TTeilstrecke& r) { r.Materialart = QStringLiteral("9"); }),
        messageAfter([](TTeilstrecke& r) {
            r.DNRohr = QStringLiteral("0");
            r.Geschw = QStringLiteral("1E-320");  // a velocity that leaves no finite section
        }),
    };
    // They name the section; the help writes its number as "n".
    static const QRegularExpression section(QStringLiteral("^Teilstrecke 1: "));
    for (QString m : messages) {
        ASSERT_NE(m.toStdString(), "<gerechnet>");
        ASSERT_TRUE(m.contains(section)) << m.toStdString();
        m = asQuoted(m.replace(section, QStringLiteral("Teilstrecke n: ")));
        EXPECT_TRUE(help.contains(m)) << m.toStdString();
    }

    // A field beyond what the record takes below zero.
    TProjekt projekt;
    projekt.ResizeSections(1);
    TSectionInputs in;
    in.VpVorgabe = QStringLiteral("500");
    in.TSLaenge = QStringLiteral("10");
    in.DNRohr = QStringLiteral("160");
    in.Geschw = QStringLiteral("-2000000000");
    in.SectionCaption = QStringLiteral("Teilstrecke 1");
    answerer().expectMessage(QStringLiteral("ist zu klein"));
    EXPECT_FALSE(StoreSectionFromInputs(projekt, 1, in, werte));
    answerer().verifyDone();
    ASSERT_FALSE(answerer().asked().empty());
    const QString zuKlein = asQuoted(answerer().asked().back().text);
    EXPECT_TRUE(help.contains(zuKlein)) << zuKlein.toStdString();
}

TEST(HilfeDatei, TheRefusalOfATechnicalValueIsTheOneTheDialogShows)
{
    TempProgramFolder folder;
    ASSERT_TRUE(folder.installValueFile());
    TGrundlagenForm dlg;
    dlg.FormActivate();
    dlg.BlechGefalztEdit->setText(QStringLiteral("0,1234"));
    TTechnikDaten daten;
    answerer().expectMessage(QStringLiteral("0,1234"));
    EXPECT_FALSE(dlg.DialogToConstants(daten));
    answerer().verifyDone();
    ASSERT_FALSE(answerer().asked().empty());
    const QString refusal = asQuoted(answerer().asked().back().text);
    EXPECT_TRUE(plainHelpText().contains(refusal)) << refusal.toStdString();
}

TEST(HilfeDatei, WorkedExampleShowsTheProgramsNumbers)
{
    TempProgramFolder folder;
    ASSERT_TRUE(folder.installValueFile());
    QMap<QString, QString> expected;

    // The three sections of the example as the data tab and the fitting
    // tabs give them; stored and calculated as "Gesamtleitung berechnen" does.
    TProjekt projekt;
    projekt.ResizeSections(3);

    TSectionInputs s1;  // round pipe with a diameter
    s1.VpVorgabe = QStringLiteral("500");
    s1.TSLaenge = QStringLiteral("10");
    s1.DNRohr = QStringLiteral("160");
    s1.CountOfSlot(3) = QStringLiteral("2");   // smooth bend R/D 1,0
    s1.CountOfSlot(88) = QStringLiteral("1");  // Verschlußklappe
    s1.SectionCaption = QStringLiteral("Teilstrecke 1");

    TSectionInputs s2;  // round pipe with a velocity: the diameter follows
    s2.VpVorgabe = QStringLiteral("500");
    s2.TSLaenge = QStringLiteral("6");
    s2.Geschw = QStringLiteral("4");
    s2.SectionCaption = QStringLiteral("Teilstrecke 2");

    TSectionInputs s3;  // rectangular duct
    s3.RohrartChecked = false;
    s3.KanalartChecked = true;
    s3.OvalEnabled = true;
    s3.VpVorgabe = QStringLiteral("1200");
    s3.TSLaenge = QStringLiteral("8");
    s3.DNRohr = QStringLiteral("400");
    s3.KanalHoehe = QStringLiteral("200");
    s3.CountOfSlot(89) = QStringLiteral("1");  // Wetterschutzgitter
    s3.Fremd[1].Anzahl = QStringLiteral("1");
    s3.Fremd[1].Beschreibung = QStringLiteral("Schalldämpfer");
    s3.Fremd[1].Dp = QStringLiteral("35");
    s3.SectionCaption = QStringLiteral("Teilstrecke 3");

    {
        const TWertDateiStand werte;
        ASSERT_TRUE(werte.Available());
        ASSERT_TRUE(StoreSectionFromInputs(projekt, 1, s1, werte));
        ASSERT_TRUE(StoreSectionFromInputs(projekt, 2, s2, werte));
        ASSERT_TRUE(StoreSectionFromInputs(projekt, 3, s3, werte));
        TSectionInputs shown = s1;
        ASSERT_TRUE(CalculateAllSectionsCommand(projekt, shown, 1, werte));
    }
    const TTeilstrecke& r1 = projekt.Section(1);
    const TTeilstrecke& r2 = projekt.Section(2);
    const TTeilstrecke& r3 = projekt.Section(3);

    // Inputs and the delivered values the example names.
    expected[QStringLiteral("bsp1-v")] = r1.Volumenstrom;
    expected[QStringLiteral("bsp1-l")] = r1.Laenge;
    expected[QStringLiteral("bsp1-d")] = r1.DNRohr;
    expected[QStringLiteral("bsp1-zbogen")] = r1.Einbauten(3).Zeta;
    expected[QStringLiteral("bsp1-nbogen")] = r1.Einbauten(3).Anzahl;
    expected[QStringLiteral("bsp1-zklappe")] = r1.Einbauten(88).Zeta;
    expected[QStringLiteral("bsp-k")] = TWertDateiStand().ReadValue(QStringLiteral("Material"), QStringLiteral("EBlech"));
    // Results of section 1, and the steps between them.
    expected[QStringLiteral("bsp1-aex")] =
        FloatToStrF(CrossSectionArea(KanalformRund, StrToFloat(r1.DNRohr), 0), ffFixed, 7, 4);
    expected[QStringLiteral("bsp1-a")] = r1.Flaeche;
    expected[QStringLiteral("bsp1-w")] = r1.Geschw;
    expected[QStringLiteral("bsp1-dh")] = r1.HydrDurchm;
    expected[QStringLiteral("bsp1-r")] = FloatToStrF(FrictionGradient(StrToFloat(r1.HydrDurchm), StrToFloat(r1.Geschw),
                                                                       StrToFloat(expected[QStringLiteral("bsp-k")])),
                                                     ffFixed, 7, 2);
    expected[QStringLiteral("bsp1-dprohr")] = r1.DpRohr;
    expected[QStringLiteral("bsp1-zsumme")] = r1.ZetaSumme;
    expected[QStringLiteral("bsp1-dpform")] = r1.DpFormstueck;
    expected[QStringLiteral("bsp1-dpges")] = r1.DpGesamt;

    expected[QStringLiteral("bsp2-v")] = r2.Volumenstrom;
    expected[QStringLiteral("bsp2-l")] = r2.Laenge;
    expected[QStringLiteral("bsp2-win")] = s2.Geschw;
    expected[QStringLiteral("bsp2-w")] = r2.Geschw;
    expected[QStringLiteral("bsp2-droh")] =
        FloatToStrF(DimensionFromFlow(KanalformRund, StrToFloat(r2.Volumenstrom), 0, StrToFloat(s2.Geschw)), ffFixed, 7, 2);
    expected[QStringLiteral("bsp2-d")] = r2.DNRohr;
    expected[QStringLiteral("bsp2-a")] = r2.Flaeche;
    expected[QStringLiteral("bsp2-dh")] = r2.HydrDurchm;
    expected[QStringLiteral("bsp2-dprohr")] = r2.DpRohr;
    expected[QStringLiteral("bsp2-dpges")] = r2.DpGesamt;

    expected[QStringLiteral("bsp3-v")] = r3.Volumenstrom;
    expected[QStringLiteral("bsp3-l")] = r3.Laenge;
    expected[QStringLiteral("bsp3-a-in")] = r3.DNRohr;
    expected[QStringLiteral("bsp3-b-in")] = r3.KanalHoehe;
    expected[QStringLiteral("bsp3-zgitter")] = r3.Einbauten(89).Zeta;
    expected[QStringLiteral("bsp3-fremd")] = r3.FremdEinbauten(1).Dp;
    expected[QStringLiteral("bsp3-a")] = r3.Flaeche;
    expected[QStringLiteral("bsp3-w")] = r3.Geschw;
    expected[QStringLiteral("bsp3-dh")] = r3.HydrDurchm;
    expected[QStringLiteral("bsp3-dprohr")] = r3.DpRohr;
    expected[QStringLiteral("bsp3-dpform")] = r3.DpFormstueck;
    expected[QStringLiteral("bsp3-dpges")] = r3.DpGesamt;

    // Rounding a derived dimension to tens.
    expected[QStringLiteral("bsp-rund125")] = FloatToStr(RoundToTens(125));
    expected[QStringLiteral("bsp-rund135")] = FloatToStr(RoundToTens(135));

    // The network.
    TSectionInputs totals;
    ShowTotals(projekt, totals);
    expected[QStringLiteral("bsp-vp")] = totals.VpLeitungGes;
    expected[QStringLiteral("bsp-dp")] = totals.DpLeitungGes;
    expected[QStringLiteral("bsp-eta")] = TWertDateiStand().ReadValue(QStringLiteral("Material"), QStringLiteral("EtaVentilator"));
    expected[QStringLiteral("bsp-p")] = totals.Wellenleistung;

    // Every number of the example is checked here, and none is missing.
    ExpectNumbers(numberTexts(readText(helpSource()), QStringLiteral("bsp")), expected);
}

// ---- F1 in the real windows ---------------------------------------------------------

// The main window on a program folder with the delivered value file and the
// help file as it ships; the help pages it opens are collected.
class HilfeF1 : public ::testing::Test {
protected:
    TempProgramFolder folder;
    std::unique_ptr<TMainForm> form;
    HelpOpener previousHelp;
    QList<QUrl> opened;
    QSet<QString> anchors;

    void SetUp() override
    {
        const QString html = readText(helpSource());
        ASSERT_FALSE(html.isEmpty());
        anchors = anchorsOf(html);
        folder.write(kHelpName, html.toUtf8());
        previousHelp = SetHelpOpener([this](const QUrl& url) {
            opened << url;
            return true;
        });
        TUserDlg::ResetRunState();
        ASSERT_TRUE(folder.installValueFile(true));  // no tip when the window shows
        form = std::make_unique<TMainForm>();
        form->GrundlagenForm = new TGrundlagenForm(form.get());
        form->DruckkopfDlg = new TDruckkopfDlg(form.get());
        ASSERT_TRUE(ShowActive(form.get()));
        // A project, so that the tabs take input.
        answerer().expectInput(QStringLiteral("Anzahl der Teilstrecken"), QStringLiteral("2"));
        form->ProjektNewBtn->click();
        answerer().verifyDone();
        ASSERT_TRUE(form->AuslegungPageCtrl->isEnabled());
    }
    void TearDown() override
    {
        form.reset();
        answerer().verifyDone();
        TUserDlg::ResetRunState();
        SetHelpOpener(previousHelp);
    }

    // The topic opened by one help request: the help file beside the
    // program, at an anchor it has.  "<keine Hilfe>" when none was opened.
    std::string topic(const std::function<void()>& ask)
    {
        const qsizetype before = opened.size();
        ask();
        if (opened.size() != before + 1) return "<keine Hilfe>";
        const QUrl url = opened.last();
        EXPECT_EQ(QFileInfo(url.toLocalFile()).canonicalFilePath(), QFileInfo(folder.file(kHelpName)).canonicalFilePath());
        EXPECT_TRUE(anchors.contains(url.fragment())) << "no anchor #" << url.fragment().toStdString();
        return url.fragment().toStdString();
    }
    // F1 on `w` as the user presses it.
    std::string f1(QWidget* w)
    {
        return topic([w] { QTest::keyClick(w, Qt::Key_F1); });
    }
    // F1 on the control `field` picks in the dialog of type Dlg that `open`
    // shows; the dialog is closed after it.
    template <class Dlg>
    std::string f1InDialog(const std::function<void()>& open, const std::function<QWidget*(Dlg*)>& field)
    {
        std::string seen;
        answerer().expectForm([&](QWidget* w) {
            auto* d = qobject_cast<Dlg*>(w);
            EXPECT_NE(d, nullptr);
            if (!d) return int(mrCancel);
            EXPECT_TRUE(ShowActive(d));
            seen = f1(field(d));
            d->close();
            return int(mrCancel);
        });
        open();
        answerer().verifyDone();
        return seen;
    }
};

TEST_F(HilfeF1, EveryNamedControlOfTheMainWindowOpensItsTopic)
{
    EXPECT_EQ(topic([this] { form->mHilfe->trigger(); }), "10");
    EXPECT_EQ(f1(form.get()), "260");
    EXPECT_EQ(f1(form->SpeedBar1), "260");
    EXPECT_EQ(f1(form->TSTreeView), "210");
    EXPECT_EQ(f1(form->AuslegungPageCtrl->tabBar()), "260");

    form->AuslegungPageCtrl->setCurrentWidget(form->DatenTab);
    EXPECT_EQ(f1(form->VpVorgabeEdit), "220");
    EXPECT_EQ(f1(form->KanalartCombo), "220");
    EXPECT_EQ(f1(form->DatenTab), "220");

    form->AuslegungPageCtrl->setCurrentWidget(form->ZubehoerTab);
    EXPECT_EQ(f1(form->EinbautenEditNr(1)), "230");
    EXPECT_EQ(f1(form->EinbautenEditNr(12)), "230");

    form->AuslegungPageCtrl->setCurrentWidget(form->FormstueckTab);
    EXPECT_EQ(f1(form->FormstueckPageCtrl->tabBar()), "240");
    EXPECT_EQ(f1(form->ZetaBogenGlattGrid), "240");
    form->FormstueckPageCtrl->setCurrentIndex(form->FormstueckPageCtrl->count() - 1);
    EXPECT_EQ(f1(form->FremdEinbGrid), "240");
    // Every help request went to the shipped file at an anchor it has.
    EXPECT_EQ(opened.size(), 13);
}

TEST_F(HilfeF1, EveryDialogOpensItsTopic)
{
    // Technical data, behind the access code the help gives.
    const QStringList codes = numberTexts(readText(helpSource()), QStringLiteral("zugangscode")).values();
    ASSERT_FALSE(codes.isEmpty());
    const QString helpCode = codes.first();
    answerer().expectForm([&helpCode](QWidget* w) {
        auto* p = qobject_cast<TPasswordForm*>(w);
        EXPECT_NE(p, nullptr);
        if (!p) return int(mrCancel);
        p->PasswordEdit->setText(helpCode);
        return int(mrOk);
    });
    EXPECT_EQ(f1InDialog<TGrundlagenForm>([this] { form->mTechnik->trigger(); },
                                          [](TGrundlagenForm* d) {
                                              d->VorgabenPageControl->setCurrentIndex(1);
                                              return d->ZetaBogenGlattGrid;
                                          }),
              "250");
    // The project header, the user settings and the program information.
    EXPECT_EQ(f1InDialog<TDruckkopfDlg>([this] { form->ExecuteDruckkopfDlg(); },
                                        [](TDruckkopfDlg* d) { return d->ProjektEdit; }),
              "280");
    EXPECT_EQ(f1InDialog<TUserDlg>([this] { form->Benutzereinstellungen1->trigger(); },
                                   [](TUserDlg* d) { return d->SpracheCB; }),
              "270");
    EXPECT_EQ(f1InDialog<TAboutBox>([this] { form->mAbout->trigger(); },
                                    [](TAboutBox* d) { return d->OKButton; }),
              "260");
}

TEST_F(HilfeF1, APasteThatIsNoNumberIsRefusedWithAMessageTheHelpExplains)
{
    const QString help = plainHelpText();
    form->AuslegungPageCtrl->setCurrentWidget(form->DatenTab);
    // A field for whole numbers and one with decimals.
    for (TCurrencyEdit* field : {form->VpVorgabeEdit, form->TSLaengeEdit}) {
        const QString before = field->text();
        answerer().expectMessage(QStringLiteral("ist kein gültiger"));
        field->PasteText(QStringLiteral("500 m³/h"));
        answerer().verifyDone();
        EXPECT_EQ(field->text(), before);
        ASSERT_FALSE(answerer().asked().empty());
        const QString quoted = asQuoted(answerer().asked().back().text);
        EXPECT_TRUE(help.contains(quoted)) << quoted.toStdString();
    }
}

}  // namespace
