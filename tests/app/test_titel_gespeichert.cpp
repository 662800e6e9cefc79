// The caption of a new project once it has been saved: it names the
// project ("Strombaurechner <Name1/Projekt>") whatever follows, until the
// project is closed or another one takes its place.
#include "test_projektbefehle_hilfen.h"
#include <QApplication>
#include <QTest>

using namespace projektbefehle_test;

namespace {

const QString kUnbenannt = QStringLiteral("Strombaurechner <unbenannt>");
const QString kBenannt = QStringLiteral("Strombaurechner <Name1/Projekt>");

class TitelTest : public ProjektBefehleTest {
protected:
    void SetUp() override
    {
        ProjektBefehleTest::SetUp();
        ohneTipp();
        ASSERT_TRUE(ShowActive(form.get()));
    }

    void tasten(QWidget* w, const QString& text)
    {
        w->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
        QTest::keyClicks(w, text);
    }
    // The window becomes active again (as after every message box).
    void aktivieren()
    {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(form.get(), &activate);
    }
};

TEST_F(TitelTest, ASavedNewProjectKeepsItsNameInTheCaptionAfterChanges)
{
    answerer().expectInput(QStringLiteral("Anzahl der Teilstrecken"), QStringLiteral("2"));
    taste(Qt::Key_N, Qt::ControlModifier);  // Projekt neu
    answerer().verifyDone();
    EXPECT_EQ(form->windowTitle(), kUnbenannt);
    tasten(form->VpVorgabeEdit, QStringLiteral("600"));
    tasten(form->TSLaengeEdit, QStringLiteral("12"));
    tasten(form->DNRohrEdit, QStringLiteral("200"));
    aktivieren();
    EXPECT_EQ(form->windowTitle(), kUnbenannt) << "a new project not saved yet";

    const QString path = folder.file(QStringLiteral("neu.STB"));
    answerer().expectFileDialog(path);
    erwarteKopfdaten(QStringLiteral("Name1"), QStringLiteral("Projekt"));
    taste(Qt::Key_S, Qt::ControlModifier);
    answerer().verifyDone();
    ASSERT_TRUE(P().ProjektGespeichert);
    EXPECT_EQ(form->windowTitle(), kBenannt);

    // A changed value, calculated, and the window active again.
    tasten(form->TSLaengeEdit, QStringLiteral("15"));
    EXPECT_FALSE(P().ProjektGespeichert);
    form->BerechnenTSBtn->click();
    aktivieren();
    EXPECT_EQ(form->windowTitle(), kBenannt) << "after a change";
    // Another section, then the whole network calculated.
    form->TSTreeView->setCurrentItem(form->TSTreeView->topLevelItem(1));
    tasten(form->VpVorgabeEdit, QStringLiteral("300"));
    tasten(form->TSLaengeEdit, QStringLiteral("5"));
    tasten(form->DNRohrEdit, QStringLiteral("160"));
    form->BerechnenGesamtBtn->click();
    aktivieren();
    EXPECT_EQ(form->windowTitle(), kBenannt) << "after the next section";
    // A cancelled save as and a section inserted bring the caption up to date too.
    answerer().expectFileDialog(QString());
    form->mProjektSaveAs->trigger();
    answerer().verifyDone();
    EXPECT_EQ(form->windowTitle(), kBenannt) << "after a cancelled save as";
    form->mTSInsert->trigger();
    EXPECT_EQ(form->TSTreeView->topLevelItemCount(), 3);
    EXPECT_EQ(form->windowTitle(), kBenannt) << "after an insert";
    // A save that fails keeps it as well.
    MakeReadOnly(path);
    answerer().expectMessage(kFehlerSpeichern);
    taste(Qt::Key_S, Qt::ControlModifier);
    answerer().verifyDone();
    EXPECT_FALSE(P().ProjektGespeichert);
    EXPECT_EQ(form->windowTitle(), kBenannt) << "after a failed save";

    // Closing ends it: no project, and a new one, are "<unbenannt>".
    answerer().expectMessage(kUngespeichert, mrNo);
    taste(Qt::Key_W, Qt::ControlModifier);
    answerer().verifyDone();
    EXPECT_EQ(form->windowTitle(), kUnbenannt);
    neuesProjekt(1);
    tasten(form->TSLaengeEdit, QStringLiteral("3"));
    aktivieren();
    EXPECT_EQ(form->windowTitle(), kUnbenannt);
}

}  // namespace
