#include "PrintQString.h"
#include "common/TestSupport.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Exceptions.h"
#include "platform/Help.h"
#include "platform/ResourceStrings.h"
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimerEvent>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWidget>
#include <gtest/gtest.h>
#include <cstdio>
#include <stdexcept>

namespace {

ScriptedAnswerer& answers() { return ScriptedAnswerer::instance(); }

class ThrowingWidget : public QWidget {
public:
    int handled = 0;
    bool fail = true;

protected:
    void keyPressEvent(QKeyEvent*) override
    {
        ++handled;
        if (fail) throw EConvertError("'abc' ist kein gültiger Gleitkommawert");
    }
    void mousePressEvent(QMouseEvent*) override
    {
        ++handled;
        throw std::runtime_error("Speicher voll");
    }
};

TEST(DefaultExceptionHandlerTest, AnExceptionLeavingAnEventHandlerIsShownAndTheProgramGoesOn)
{
    ThrowingWidget w;
    answers().expectMessage("'abc' ist kein gültiger Gleitkommawert.");
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_FALSE(NotifyGuarded(qApp, &w, &key));
    answers().verifyDone();
    ASSERT_EQ(answers().asked().size(), 1u);
    EXPECT_EQ(answers().asked()[0].type, mtError);
    EXPECT_EQ(answers().asked()[0].buttons, TMsgDlgButtons(mbOK));

    // The next event is handled normally.
    w.fail = false;
    QKeyEvent key2(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b");
    NotifyGuarded(qApp, &w, &key2);
    EXPECT_EQ(w.handled, 2);
    answers().verifyDone();

    answers().expectMessage("Speicher voll.");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    NotifyGuarded(qApp, &w, &press);
    answers().verifyDone();
}

TEST(DefaultExceptionHandlerTest, ASlotThatThrowsIsCaughtAtTheEventBoundary)
{
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, [] { throw EIniFileException("In x.STB kann nicht geschrieben werden"); });
    answers().expectMessage("In x.STB kann nicht geschrieben werden.");
    EXPECT_FALSE(DeliverGuarded([&] {
        button.click();
        return true;
    }));
    answers().verifyDone();
    EXPECT_TRUE(DeliverGuarded([] { return true; }));

    answers().expectMessage("Unbekannter Fehler.");
    DeliverGuarded([]() -> bool { throw 42; });
    answers().verifyDone();
}

TEST(DefaultExceptionHandlerTest, EventFiltersAndTimersAreGuardedToo)
{
    struct ThrowingFilter : QObject {
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::KeyPress) throw EConvertError("'x' ist kein gültiger Integerwert");
            return false;
        }
    } filter;
    struct ThrowingTimer : QObject {
        void timerEvent(QTimerEvent*) override { throw EZeroDivide("Gleitkommadivision durch Null"); }
    } timer;

    ThrowingWidget w;
    w.fail = false;
    w.installEventFilter(&filter);
    answers().expectMessage("'x' ist kein gültiger Integerwert.");
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_FALSE(NotifyGuarded(qApp, &w, &key));
    EXPECT_EQ(w.handled, 0);  // the filter threw before the widget saw the key

    answers().expectMessage("Gleitkommadivision durch Null.");
    QTimerEvent tick(1);
    EXPECT_FALSE(NotifyGuarded(qApp, &timer, &tick));
    answers().verifyDone();
}

TEST(DefaultExceptionHandlerTest, MessageKeepsFinalPunctuation)
{
    EXPECT_EQ(ExceptionMessage(Exception("Fehler beim Speichern!")), "Fehler beim Speichern!");
    EXPECT_EQ(ExceptionMessage(Exception("Schon mit Punkt.")), "Schon mit Punkt.");
    EXPECT_EQ(ExceptionMessage(Exception("Wert 5")), "Wert 5.");
    EXPECT_EQ(ExceptionMessage(Exception("")), "");
    EXPECT_EQ(ExceptionMessage(std::runtime_error("Größe")), QStringLiteral("Größe."));
}

TEST(MessageDlgPartsTest, GermanCaptionsButtonsAndLineBreaks)
{
    EXPECT_EQ(MessageDlgCaption(mtWarning), "Warnung");
    EXPECT_EQ(MessageDlgCaption(mtError), "Fehler");
    EXPECT_EQ(MessageDlgCaption(mtInformation), "Information");
    EXPECT_EQ(MessageDlgCaption(mtConfirmation), QStringLiteral("Bestätigung"));

    const auto yesNo = MessageDlgButtons(mbYesNo);
    ASSERT_EQ(yesNo.size(), 2);
    EXPECT_EQ(yesNo[0].text, "&Ja");
    EXPECT_EQ(yesNo[0].result, mrYes);
    EXPECT_EQ(yesNo[1].text, "&Nein");
    EXPECT_EQ(yesNo[1].result, mrNo);
    const auto okCancel = MessageDlgButtons(mbOKCancel);
    ASSERT_EQ(okCancel.size(), 2);
    EXPECT_EQ(okCancel[0].text, "OK");
    EXPECT_EQ(okCancel[1].text, "Abbrechen");
    EXPECT_EQ(MessageDlgButtons(0).size(), 1);  // never a box without a button

    EXPECT_EQ(MessageDlgEscapeResult(mbYesNoCancel), mrCancel);
    EXPECT_EQ(MessageDlgEscapeResult(mbYesNo), mrNo);
    EXPECT_EQ(MessageDlgEscapeResult(mbOK), mrOk);
    // A question that Escape leaves unanswered: still only Yes and No.
    EXPECT_EQ(MessageDlgEscapeResult(mbYesNo | mbEscapeCancels), mrCancel);
    const auto question = MessageDlgButtons(mbYesNo | mbEscapeCancels);
    ASSERT_EQ(question.size(), 2);
    EXPECT_EQ(question[0].result, mrYes);
    EXPECT_EQ(question[1].result, mrNo);

    EXPECT_EQ(MessageDlgText("Die Änderungen wurden noch nicht gespeichert!!\rWollen Sie die Änderungen jetzt speichern?"),
              QStringLiteral("Die Änderungen wurden noch nicht gespeichert!!\nWollen Sie die Änderungen jetzt speichern?"));
    EXPECT_EQ(MessageDlgText("a\r\nb"), "a\nb");

    ResStringHook old = SetResStringHook([](int id, QString& t) {
        if (id != SMsgDlgNo) return false;
        t = "&No";
        return true;
    });
    EXPECT_EQ(MessageDlgButtons(mbNo)[0].text, "&No");
    SetResStringHook(old);
}

class HelpTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QList<QUrl> opened;
    bool openResult = true;
    HelpOpener previous;
    void SetUp() override
    {
        previous = SetHelpOpener([this](const QUrl& url) {
            opened << url;
            return openResult;
        });
    }
    void TearDown() override
    {
        SetHelpOpener(previous);
        answers().verifyDone();
    }
};

TEST_F(HelpTest, OpensTheHtmlHelpAtTheContextAnchor)
{
    QFile f(dir.filePath("strombaurechner.HTML"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ShowHelpContext(dir.path() + "\\Strombaurechner.hlp", 10);  // path written with a backslash
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].isLocalFile());
    EXPECT_EQ(opened[0].toLocalFile(), dir.filePath("strombaurechner.HTML"));
    EXPECT_EQ(opened[0].fragment(), "10");
}

TEST_F(HelpTest, MissingHelpFileIsReportedAndNothingOpens)
{
    answers().expectMessage(QStringLiteral("Die Hilfedatei %1 wurde nicht gefunden.")
                                .arg(QDir::toNativeSeparators(dir.filePath("Strombaurechner.html"))));
    ShowHelpContext(dir.filePath("Strombaurechner.hlp"), 220);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(answers().asked().back().type, mtError);
}

TEST_F(HelpTest, ABrowserThatDoesNotOpenIsReported)
{
    QFile f(dir.filePath("Strombaurechner.html"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    openResult = false;
    answers().expectMessage("konnte nicht geöffnet werden");
    ShowHelpContext(dir.filePath("Strombaurechner.hlp"), 250);
    EXPECT_EQ(opened.size(), 1);
}

// The temporary folder of the user, for as long as the object lives.
class TempFolderOfUser {
public:
    TempFolderOfUser() : m_previous(qgetenv("TMPDIR")), m_had(qEnvironmentVariableIsSet("TMPDIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
    }
    ~TempFolderOfUser()
    {
        if (m_had)
            qputenv("TMPDIR", m_previous);
        else
            qunsetenv("TMPDIR");
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_had;
};

QString readPage(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The refresh of a forwarding page to `topic`.
QString refreshTo(const QUrl& topic)
{
    return "<meta http-equiv=\"refresh\" content=\"0; url=" + topic.toString(QUrl::FullyEncoded).toHtmlEscaped() + "\">";
}

TEST(HelpBrowserPage, ATopicReachesTheBrowserThroughAPageWithoutAnchor)
{
    TempFolderOfUser temp;
    // A help file in a folder whose name needs escaping.
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Programme & Daten"));
    const QString help = dir.filePath("Programme & Daten/Strombaurechner.html");
    QUrl topic = QUrl::fromLocalFile(help);

    // Without an anchor the file itself is opened.
    EXPECT_EQ(BrowserUrlForTopic(topic), topic);

    topic.setFragment("220");
    const QUrl page = BrowserUrlForTopic(topic);
    ASSERT_TRUE(page.isLocalFile());
    EXPECT_FALSE(page.hasFragment());
    const QFileInfo info(page.toLocalFile());
    ASSERT_TRUE(info.isFile());
    // The page lies in the user's temporary folder; nothing is added beside
    // the help file.
    EXPECT_EQ(info.absolutePath(), QFileInfo(temp.path()).absoluteFilePath());
    EXPECT_EQ(QDir(QFileInfo(help).absolutePath()).entryList(QDir::Files).size(), 0);

    const QString text = readPage(info.filePath());
    // The refresh leads to the help file at the anchor; "&" is escaped in
    // the attribute, and no script runs.
    const QString target = topic.toString(QUrl::FullyEncoded);
    EXPECT_TRUE(target.endsWith("Strombaurechner.html#220")) << target.toStdString();
    EXPECT_TRUE(text.contains(refreshTo(topic))) << text.toStdString();
    EXPECT_TRUE(text.contains("<a href=\"" + target.toHtmlEscaped() + "\">"));
    EXPECT_FALSE(text.contains("<script"));
    EXPECT_EQ(text.count("&"), text.count("&amp;"));

    // The next request replaces the page: the user has one, whatever topic.
    QUrl other = topic;
    other.setFragment("280");
    const QUrl second = BrowserUrlForTopic(other);
    EXPECT_EQ(second, page);
    const QString replaced = readPage(second.toLocalFile());
    EXPECT_TRUE(replaced.contains(refreshTo(other))) << replaced.toStdString();
    EXPECT_FALSE(replaced.contains(refreshTo(topic)));
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "a half-written page was left";
}

TEST(HelpBrowserPage, ALinkInThePagesPlaceIsReplacedNotFollowed)
{
    TempFolderOfUser temp;
    QTemporaryDir dir;
    QUrl topic = QUrl::fromLocalFile(dir.filePath("Strombaurechner.html"));
    topic.setFragment("250");
    const QString page = HelpForwardingPage(topic.toLocalFile());
    const QString victim = dir.filePath("Eigene Datei.txt");
    {
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("bleibt");
    }
    ASSERT_TRUE(QFile::link(victim, page));
    EXPECT_EQ(BrowserUrlForTopic(topic), QUrl::fromLocalFile(page));
    EXPECT_FALSE(QFileInfo(page).isSymLink());
    EXPECT_TRUE(readPage(page).contains(refreshTo(topic)));
    EXPECT_EQ(readPage(victim), "bleibt");
}

// Run as a program of its own by the test below: writes the page for the
// topic it is handed, names it and ends.
TEST(HelpBrowserPage, WritesThePageAndEnds)
{
    const QString topic = qEnvironmentVariable("SB_HELP_TOPIC");
    if (topic.isEmpty()) GTEST_SKIP() << "runs as a program of its own";
    const QUrl page = BrowserUrlForTopic(QUrl(topic));
    ASSERT_FALSE(page.isEmpty());
    std::printf("page=%s\n", QFile::encodeName(page.toLocalFile()).constData());
    std::fflush(stdout);
}

TEST(HelpBrowserPage, ThePageOutlivesTheProgramThatWroteIt)
{
    TempFolderOfUser temp;
    QTemporaryDir dir;
    QUrl topic = QUrl::fromLocalFile(dir.filePath("Strombaurechner.html"));
    topic.setFragment("230");

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SB_HELP_TOPIC", topic.toString(QUrl::FullyEncoded));
    run.setProcessEnvironment(env);
    run.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=HelpBrowserPage.WritesThePageAndEnds"});
    ASSERT_TRUE(run.waitForFinished(60000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardOutput().toStdString();
    static const QRegularExpression named("^page=(.*)$", QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = named.match(QString::fromLocal8Bit(run.readAllStandardOutput()));
    ASSERT_TRUE(m.hasMatch());
    const QString page = m.captured(1);

    // The program has ended; the browser still finds the page and is sent on.
    EXPECT_EQ(QFileInfo(page).absolutePath(), QFileInfo(temp.path()).absoluteFilePath());
    EXPECT_TRUE(readPage(page).contains(refreshTo(topic))) << page.toStdString();
    // The next help request, here in another run, replaces that page.
    QUrl next = topic;
    next.setFragment("270");
    EXPECT_EQ(BrowserUrlForTopic(next).toLocalFile(), page);
    EXPECT_TRUE(readPage(page).contains(refreshTo(next)));
}

}  // namespace

// ---- Qt's own texts --------------------------------------------------------------

TEST(QtTranslationsTest, QtsOwnDialogsAndButtonsSpeakGerman)
{
    auto texts = [] {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
        auto* fileName = dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"));
        return QStringList{lookIn ? lookIn->text() : QString(), fileName ? fileName->text() : QString(),
                           buttons.button(QDialogButtonBox::Cancel)->text()};
    };
    const QStringList english = texts();
    ASSERT_EQ(english.at(2), QStringLiteral("Cancel"));

    QTranslator* translator = InstallQtTranslations(qApp);
    ASSERT_NE(translator, nullptr) << "Qt's translations (qt6-translations-l10n) are not installed";
    const QStringList german = texts();
    QCoreApplication::removeTranslator(translator);
    delete translator;

    EXPECT_EQ(german.at(0), QStringLiteral("Suchen in:"));
    EXPECT_EQ(german.at(1), QStringLiteral("Datei&name:"));
    EXPECT_EQ(german.at(2), QStringLiteral("Abbrechen"));
    EXPECT_EQ(texts(), english);  // removed again, the rest of the tests see Qt's own texts

    // A language without translations leaves Qt's texts alone.
    EXPECT_EQ(InstallQtTranslations(qApp, QStringLiteral("xx")), nullptr);
}
