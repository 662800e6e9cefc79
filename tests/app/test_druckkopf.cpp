#include "app/DruckKopfForm.h"
#include "common/TestSupport.h"
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// One edit of the dialog with the record field it stands for.
struct FieldCase {
    const char* edit;
    int width;
    std::function<QString(const TProjektdaten&)> get;
    std::function<void(TProjektdaten&, const QString&)> set;
};

#define SB_FIELD(editName, member, w)                                                        \
    FieldCase { editName, w, [](const TProjektdaten& p) { return QString(p.member); },          \
                [](TProjektdaten& p, const QString& v) { p.member = v; } }

const std::vector<FieldCase>& Fields()
{
    static const std::vector<FieldCase> fields = {
        SB_FIELD("Name1Edit", Name1, 30),     SB_FIELD("Name2Edit", Name2, 30),
        SB_FIELD("StrasseEdit", Strasse, 30), SB_FIELD("PLZEdit", PLZ, 5),
        SB_FIELD("OrtEdit", Ort, 30),         SB_FIELD("TelefonEdit", Telefon, 30),
        SB_FIELD("FaxEdit", Fax, 30),         SB_FIELD("EMailEdit", Email, 50),
        SB_FIELD("AnsprechpartnerEdit", Ansprechp, 30), SB_FIELD("ProjektEdit", Projekt, 100),
    };
    return fields;
}

// "A1B2C3..." of exactly n characters, different per field.
QString Filler(int n, QChar lead)
{
    QString s;
    for (int i = 0; i < n; ++i) s += i % 2 ? QChar(u'0' + i % 10) : lead;
    return s;
}

class DruckkopfTest : public ::testing::Test {
protected:
    void TearDown() override { ScriptedAnswerer::instance().verifyDone(); }

    TDruckkopfDlg* Dlg() { return &m_dlg; }
    QLineEdit* Edit(const char* name) { return m_dlg.findChild<QLineEdit*>(QString::fromLatin1(name)); }

    // The next showing comes up, runs `user` on the visible dialog and is
    // closed by `close`; returns what Execute returned.
    bool Show(TProjektdaten& projekt, const TUserdaten& user, const std::function<void(TDruckkopfDlg*)>& edit,
              const std::function<void(TDruckkopfDlg*)>& close = [](TDruckkopfDlg* d) { d->CloseBtn->click(); })
    {
        int result = -1;
        ScriptedAnswerer::instance().expectForm([&](QWidget* w) {
            auto* d = qobject_cast<TDruckkopfDlg*>(w);
            EXPECT_EQ(d, &m_dlg);
            if (!d) return int(mrCancel);
            d->show();
            EXPECT_TRUE(d->isVisible());
            edit(d);
            close(d);
            EXPECT_FALSE(d->isVisible()) << "the dialog did not close";
            result = d->result();
            return result;
        });
        const bool changed = m_dlg.Execute(projekt, user);
        EXPECT_EQ(result, int(mrOk)) << "every way of closing ends with OK";
        return changed;
    }

    TDruckkopfDlg m_dlg;
    TProjektdaten m_projekt;
    TUserdaten m_user;
};

}  // namespace

TEST_F(DruckkopfTest, ResourceGivesCaptionHelpFontAndLabels)
{
    EXPECT_EQ(Dlg()->windowTitle(), QString::fromUtf8("Projekt-Kopfdaten"));
    EXPECT_EQ(Dlg()->property("HelpContext").toInt(), 280);
    EXPECT_EQ(Dlg()->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(Dlg()->size(), QSize(545, 331));
    EXPECT_EQ(Dlg()->minimumSize(), Dlg()->maximumSize()) << "fixed dialog border";

    QStringList captions;
    for (int i = 1; i <= 10; ++i) {
        auto* l = Dlg()->findChild<QLabel*>(QStringLiteral("Label%1").arg(i));
        ASSERT_NE(l, nullptr) << i;
        captions << l->text();
    }
    EXPECT_EQ(captions, QStringList({"Name", "Strasse", "PLZ / Ort", "Telefon", "Fax", "E-Mail", "Ansprechp.",
                                     "Projekt", "Vorbemer- kungen", QString::fromUtf8("Schlußbe- merkungen")}));
    auto* vor = Dlg()->findChild<QLabel*>(QStringLiteral("Label9"));
    EXPECT_TRUE(vor->wordWrap());
    EXPECT_GT(vor->heightForWidth(vor->width()), vor->fontMetrics().height()) << "the memo label wraps";
    EXPECT_EQ(Dlg()->VortextMemo->height(), 56);
    EXPECT_EQ(Dlg()->NachtextMemo->height(), 56);
    EXPECT_EQ(Dlg()->CloseBtn->text(), QStringLiteral("OK"));
    EXPECT_TRUE(Dlg()->CloseBtn->isDefault());
}

TEST_F(DruckkopfTest, EveryEditHasItsFieldWidthAsLimit)
{
    for (const FieldCase& f : Fields()) {
        QLineEdit* e = Edit(f.edit);
        ASSERT_NE(e, nullptr) << f.edit;
        EXPECT_EQ(e->maxLength(), f.width) << f.edit;
    }
}

TEST_F(DruckkopfTest, TabOrderRunsThroughTheInputsThenTheButton)
{
    QStringList order;
    QWidget* w = Dlg()->Name1Edit;
    do {
        if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != Dlg()->Name1Edit && order.size() < 40);
    EXPECT_EQ(order, QStringList({"Name1Edit", "Name2Edit", "StrasseEdit", "PLZEdit", "OrtEdit", "TelefonEdit",
                                  "FaxEdit", "EMailEdit", "AnsprechpartnerEdit", "ProjektEdit", "VortextMemo",
                                  "NachtextMemo", "CloseBtn"}));
}

TEST_F(DruckkopfTest, LoadsEveryFieldAndStoresWhatIsTyped)
{
    char lead = 'A';
    for (const FieldCase& f : Fields()) f.set(m_projekt, Filler(f.width, QChar(lead++)));
    m_projekt.Vortext = QStringLiteral("Vor");
    m_projekt.Nachtext = QStringLiteral("Nach");

    const bool changed = Show(m_projekt, m_user, [&](TDruckkopfDlg* d) {
        char l = 'A';
        for (const FieldCase& f : Fields()) {
            QLineEdit* e = Edit(f.edit);
            EXPECT_EQ(e->text(), Filler(f.width, QChar(l++))) << f.edit << " shows its field whole";
            // Typing goes on past the field's width: the edit refuses the rest.
            e->clear();
            QTest::keyClicks(e, Filler(f.width + 7, QChar(u'a' + (l - 'A'))));
            EXPECT_EQ(e->text().size(), f.width) << f.edit;
        }
        EXPECT_EQ(d->VortextMemo->toPlainText(), QStringLiteral("Vor"));
        EXPECT_EQ(d->NachtextMemo->toPlainText(), QStringLiteral("Nach"));
        d->VortextMemo->setPlainText(QStringLiteral("Erste Zeile\nZweite Zeile"));
        d->NachtextMemo->setPlainText(QString(3000, QChar(u'x')));
    });

    EXPECT_TRUE(changed);
    char l = 'A';
    for (const FieldCase& f : Fields()) {
        ++l;
        EXPECT_EQ(f.get(m_projekt), Filler(f.width, QChar(u'a' + (l - 'A')))) << f.edit;
    }
    EXPECT_EQ(m_projekt.Vortext, QStringLiteral("Erste Zeile\nZweite Zeile"));
    EXPECT_EQ(m_projekt.Nachtext.size(), 3000) << "memo texts are stored whole";
}

TEST_F(DruckkopfTest, StoringCutsEachTextToItsField)
{
    // Whatever an edit holds, the record keeps no more than its width.
    for (const FieldCase& f : Fields()) {
        QLineEdit* e = Edit(f.edit);
        e->setMaxLength(32767);
        e->setText(Filler(f.width + 20, QChar(u'Z')));
    }
    Dlg()->DialogToProjektdaten(m_projekt);
    for (const FieldCase& f : Fields()) EXPECT_EQ(f.get(m_projekt), Filler(f.width, QChar(u'Z'))) << f.edit;
}

TEST_F(DruckkopfTest, ContactPersonTakesAtMostThirtyCharacters)
{
    Show(m_projekt, m_user, [&](TDruckkopfDlg* d) {
        QTest::keyClicks(d->AnsprechpartnerEdit, QStringLiteral("Frau Dr. Annemarie Mustermann-Luedenscheid"));
        EXPECT_EQ(d->AnsprechpartnerEdit->text(), QStringLiteral("Frau Dr. Annemarie Mustermann-"));
    });
    EXPECT_EQ(QString(m_projekt.Ansprechp), QStringLiteral("Frau Dr. Annemarie Mustermann-"));
}

TEST_F(DruckkopfTest, EmptyProjectTextBeforeTakesTheUsersDefault)
{
    m_user.Vortext = QStringLiteral("Sehr geehrte Damen und Herren,");
    const bool changed = Show(m_projekt, m_user, [&](TDruckkopfDlg* d) {
        EXPECT_EQ(d->VortextMemo->toPlainText(), m_user.Vortext);
    });
    EXPECT_EQ(m_projekt.Vortext, m_user.Vortext) << "closing takes the default over";
    EXPECT_TRUE(changed);

    // A text of the project's own wins over the default.
    m_projekt.Vortext = QStringLiteral("Eigener Text");
    Show(m_projekt, m_user, [&](TDruckkopfDlg* d) {
        EXPECT_EQ(d->VortextMemo->toPlainText(), QStringLiteral("Eigener Text"));
    });
    EXPECT_EQ(m_projekt.Vortext, QStringLiteral("Eigener Text"));

    // No default either: the memo stays empty.
    TProjektdaten leer;
    Show(leer, TUserdaten{}, [&](TDruckkopfDlg* d) { EXPECT_TRUE(d->VortextMemo->toPlainText().isEmpty()); });
    EXPECT_TRUE(leer.Vortext.isEmpty());
}

TEST_F(DruckkopfTest, ClosingRemarksAreAlwaysTheProjectsOwn)
{
    m_projekt.Nachtext = QStringLiteral("Mit freundlichen Grüßen");
    Show(m_projekt, m_user, [&](TDruckkopfDlg* d) {
        EXPECT_EQ(d->NachtextMemo->toPlainText(), m_projekt.Nachtext);
    });

    // A new project: its empty remarks, not those of the one before.
    TProjektdaten neu;
    const bool changed = Show(neu, m_user, [&](TDruckkopfDlg* d) {
        EXPECT_TRUE(d->NachtextMemo->toPlainText().isEmpty());
    });
    EXPECT_TRUE(neu.Nachtext.isEmpty());
    EXPECT_FALSE(changed);
    EXPECT_EQ(m_projekt.Nachtext, QStringLiteral("Mit freundlichen Grüßen"));
}

TEST_F(DruckkopfTest, EveryWayOfClosingStores)
{
    const std::vector<std::pair<const char*, std::function<void(TDruckkopfDlg*)>>> closers = {
        {"OK button", [](TDruckkopfDlg* d) { d->CloseBtn->click(); }},
        {"close box", [](TDruckkopfDlg* d) { d->close(); }},
        {"Escape", [](TDruckkopfDlg* d) { QTest::keyClick(d->Name1Edit, Qt::Key_Escape); }},
        {"Enter", [](TDruckkopfDlg* d) { QTest::keyClick(d->Name1Edit, Qt::Key_Return); }},
        {"reject", [](TDruckkopfDlg* d) { d->reject(); }},
    };
    for (const auto& [how, close] : closers) {
        TProjektdaten p;
        const QString name = QStringLiteral("Firma ") + QString::fromLatin1(how);
        const bool changed = Show(
            p, m_user,
            [&](TDruckkopfDlg* d) {
                d->Name1Edit->setText(name);
                d->NachtextMemo->setPlainText(QStringLiteral("Schluss"));
            },
            close);
        EXPECT_TRUE(changed) << how;
        EXPECT_EQ(QString(p.Name1), name) << how;
        EXPECT_EQ(p.Nachtext, QStringLiteral("Schluss")) << how;
    }
}

TEST_F(DruckkopfTest, ReturningFromAMessageBoxKeepsWhatWasTyped)
{
    m_projekt.Name1 = QStringLiteral("Alt");
    m_projekt.Projekt = QStringLiteral("Lüftung");
    Show(m_projekt, m_user, [&](TDruckkopfDlg* d) {
        QApplication::setActiveWindow(d);
        d->Name1Edit->setText(QStringLiteral("Getippt"));
        d->VortextMemo->setPlainText(QStringLiteral("Neu geschrieben"));

        // A message box comes up over the dialog and goes again.
        ScriptedAnswerer::instance().expectMessage(QStringLiteral("Hinweis"), mrOk);
        MessageDlg(QStringLiteral("Hinweis"), mtInformation, mbOK);
        QWidget box;
        box.show();
        QApplication::setActiveWindow(&box);
        QApplication::processEvents();
        box.hide();
        QApplication::setActiveWindow(d);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(d, &activate);
        QApplication::processEvents();

        EXPECT_EQ(d->Name1Edit->text(), QStringLiteral("Getippt"));
        EXPECT_EQ(d->VortextMemo->toPlainText(), QStringLiteral("Neu geschrieben"));
    });
    EXPECT_EQ(QString(m_projekt.Name1), QStringLiteral("Getippt"));
    EXPECT_EQ(m_projekt.Vortext, QStringLiteral("Neu geschrieben"));

    // The next showing loads the record again, with the focus on the first name.
    m_projekt.Name1 = QStringLiteral("Von aussen");
    Show(m_projekt, m_user, [&](TDruckkopfDlg* d) {
        EXPECT_EQ(d->Name1Edit->text(), QStringLiteral("Von aussen"));
        EXPECT_EQ(d->ProjektEdit->text(), QStringLiteral("Lüftung"));
        EXPECT_EQ(d->focusWidget(), d->Name1Edit);
        d->NachtextMemo->setFocus();
    });
}

TEST_F(DruckkopfTest, ReportsChangesOnlyWhenTheHeaderChanged)
{
    QSignalSpy spy(Dlg(), &TDruckkopfDlg::ProjektdatenGeaendert);
    m_projekt.Name1 = QStringLiteral("Meier");
    m_projekt.Vortext = QStringLiteral("Zeile 1\r\nZeile 2");  // as read from a file

    EXPECT_FALSE(Show(m_projekt, m_user, [](TDruckkopfDlg* d) {
        EXPECT_EQ(d->VortextMemo->blockCount(), 2);
    }));
    EXPECT_EQ(spy.count(), 0);

    // Typing and taking it back again is no change either.
    EXPECT_FALSE(Show(m_projekt, m_user, [](TDruckkopfDlg* d) {
        QTest::keyClicks(d->FaxEdit, QStringLiteral("0815"));
        d->FaxEdit->clear();
    }));
    EXPECT_EQ(spy.count(), 0);

    EXPECT_TRUE(Show(m_projekt, m_user, [](TDruckkopfDlg* d) { QTest::keyClicks(d->PLZEdit, QStringLiteral("12345")); }));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(QString(m_projekt.PLZ), QStringLiteral("12345"));
}

TEST_F(DruckkopfTest, ClosingWithoutShowingLeavesTheRecordAlone)
{
    // A first showing leaves text in the controls ...
    Show(m_projekt, m_user, [](TDruckkopfDlg* d) { d->Name1Edit->setText(QStringLiteral("Erstes Projekt")); });
    // ... which must not reach another project that was never shown.
    TProjektdaten andere;
    andere.Name1 = QStringLiteral("Zweites");
    ScriptedAnswerer::instance().expectForm([](QWidget* w) {
        static_cast<TDruckkopfDlg*>(w)->done(mrOk);
        return int(mrOk);
    });
    EXPECT_FALSE(Dlg()->Execute(andere, m_user));
    EXPECT_EQ(QString(andere.Name1), QStringLiteral("Zweites"));
}

TEST_F(DruckkopfTest, InputFieldsHaveTheWindowColourOnTheGreyFace)
{
    const QColor window = QApplication::palette().color(QPalette::Active, QPalette::Base);
    Show(m_projekt, m_user, [&](TDruckkopfDlg* d) {
        QApplication::processEvents();
        QList<QWidget*> inputs;
        for (const FieldCase& f : Fields()) inputs << Edit(f.edit);
        inputs << d->VortextMemo << d->NachtextMemo;
        for (QWidget* input : inputs) {
            ASSERT_NE(input, nullptr);
            SCOPED_TRACE(input->objectName().toStdString());
            EXPECT_EQ(input->palette().color(QPalette::Active, QPalette::Base), window);
            if (auto* e = qobject_cast<QLineEdit*>(input)) {
                EXPECT_FALSE(e->isReadOnly());
            }
            if (auto* m = qobject_cast<QPlainTextEdit*>(input)) {
                EXPECT_FALSE(m->isReadOnly());
            }
            // Drawn so: the empty field's inside, a little in from its frame.
            QWidget* face = input;
            if (auto* m = qobject_cast<QPlainTextEdit*>(input)) face = m->viewport();
            const QImage image = face->grab().toImage();
            EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), window);
        }
        // The dialog's own face stays grey.
        EXPECT_NE(d->palette().color(QPalette::Active, QPalette::Window), window);
    });
}

TEST_F(DruckkopfTest, GrabOfTheFilledDialog)
{
    m_projekt.Name1 = QStringLiteral("Ingenieurbüro Lüftungstechnik");
    m_projekt.Name2 = QStringLiteral("Abteilung Planung");
    m_projekt.Strasse = QStringLiteral("Hauptstraße 12");
    m_projekt.PLZ = QStringLiteral("80331");
    m_projekt.Ort = QStringLiteral("München");
    m_projekt.Telefon = QStringLiteral("089 123456");
    m_projekt.Fax = QStringLiteral("089 123457");
    m_projekt.Email = QStringLiteral("planung@example.de");
    m_projekt.Ansprechp = QStringLiteral("Herr Schäfer");
    m_projekt.Projekt = QStringLiteral("Bürogebäude Nord, Zuluft 2. OG");
    m_projekt.Nachtext = QStringLiteral("Mit freundlichen Grüßen");
    m_user.Vortext = QStringLiteral("Die folgende Berechnung gilt für die Zuluftanlage.\nStand der Planung: Entwurf.");

    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("DruckkopfDlg.png"));
    Show(m_projekt, m_user, [&](TDruckkopfDlg* d) {
        const QImage image = d->grab().toImage();
        EXPECT_EQ(image.size(), d->size() * image.devicePixelRatio());
        EXPECT_TRUE(image.save(file)) << file.toStdString();
    });
    EXPECT_FALSE(QImage(file).isNull());
}

TEST(DruckkopfPlacementTest, ComesUpCentredOnTheMainWindow)
{
    QWidget main;
    main.setGeometry(60, 40, 703, 500);  // inside the offscreen screen of 800 x 600
    main.show();
    TDruckkopfDlg dlg(&main);
    TProjektdaten projekt;
    ScriptedAnswerer::instance().expectForm([&](QWidget* w) {
        w->show();
        const QPoint offset = w->frameGeometry().center() - main.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 40) << offset.x() << "," << offset.y();
        w->close();
        return int(mrOk);
    });
    dlg.Execute(projekt, TUserdaten{});
    ScriptedAnswerer::instance().verifyDone();
}
