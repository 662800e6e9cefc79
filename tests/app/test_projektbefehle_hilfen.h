#pragma once
// Shared pieces of the project command tests: the real main window in a
// temporary program folder with the value file, and the steps a user takes.
#include "app/DruckKopfForm.h"
#include "app/Strombau.h"
#include "common/TestSupport.h"
#include "platform/CurrencyEdit.h"
#include "platform/IniFile.h"
#include "platform/SpeedBar.h"
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <ostream>

namespace projektbefehle_test {

inline ScriptedAnswerer& answerer() { return ScriptedAnswerer::instance(); }

inline const QString kUngespeichert = QStringLiteral("Die Änderungen wurden noch nicht gespeichert!!");
inline const QString kFehlerSpeichern = QStringLiteral("Fehler beim Speichern!");
inline const QString kFehlerLaden = QStringLiteral("Fehler beim Laden!");

inline QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

// Takes every write permission bit from the file (the INI access refuses such
// a file also for root).
inline void MakeReadOnly(const QString& path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

// Records what the file dialogs were asked, and forwards every question to
// the scripted answerer.
class RequestRecorder : public DialogAnswerer {
public:
    RequestRecorder() { m_previous = SetDialogAnswerer(this); }
    ~RequestRecorder() override { SetDialogAnswerer(m_previous); }
    std::vector<FileDialogRequest> requests;

    int message(const QString& t, TMsgDlgType ty, TMsgDlgButtons b) override { return m_previous->message(t, ty, b); }
    bool input(const QString& c, const QString& p, QString& v) override { return m_previous->input(c, p, v); }
    bool fileDialog(FileDialogRequest& r) override
    {
        requests.push_back(r);
        return m_previous->fileDialog(r);
    }
    bool printDialog(PrintDialogRequest& r) override { return m_previous->printDialog(r); }
    int modalForm(QWidget* f) override { return m_previous->modalForm(f); }

private:
    DialogAnswerer* m_previous = nullptr;
};

// Name, saved, loaded, new, and the project commands in one look.
struct Zustand {
    QString datei;
    bool gespeichert, geladen, neu;
    int befehle;
    bool operator==(const Zustand& o) const
    {
        return datei == o.datei && gespeichert == o.gespeichert && geladen == o.geladen && neu == o.neu &&
               befehle == o.befehle;
    }
};

inline std::ostream& operator<<(std::ostream& os, const Zustand& z)
{
    return os << "{\"" << z.datei.toStdString() << "\" saved " << z.gespeichert << " loaded " << z.geladen << " new "
              << z.neu << " commands " << z.befehle << "}";
}

class ProjektBefehleTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    std::unique_ptr<TMainForm> form;

    void SetUp() override
    {
        ASSERT_TRUE(folder.installValueFile());
        form = std::make_unique<TMainForm>();
        form->DruckkopfDlg = new TDruckkopfDlg(form.get());
        answerer().verifyDone();
    }

    void TearDown() override
    {
        form.reset();
        answerer().verifyDone();
    }

    TProjekt& P() { return form->Projekt; }

    // No tip of the day when the window comes up.
    void ohneTipp()
    {
        TIniFile ini(folder.file(QStringLiteral("SBWert.Dat")));
        ini.WriteString(QStringLiteral("Userdaten"), QStringLiteral("Tip"), QStringLiteral("0"));
        ini.UpdateFile();
    }

    // `key` typed into the window where its focus is.  The window is made
    // active first: shortcuts need it, also after a box or a dialog (the
    // offscreen platform leaves a hidden dialog active).
    void taste(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        if (QApplication::activeWindow() != form.get()) QApplication::setActiveWindow(form.get());
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == form.get() ? focus : form.get(), key, mods);
        QApplication::processEvents();
    }

    // The example project of the test data, copied into the program folder.
    QString beispielDatei(const QString& name = QStringLiteral("beispiel.STB"))
    {
        const QString path = folder.file(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(SourceDir() + QStringLiteral("/tests/app/data/projekt_beispiel.stb"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        return path;
    }

    void neuesProjekt(int n)
    {
        answerer().expectInput(QStringLiteral("Anzahl der Teilstrecken"), QString::number(n));
        form->ProjektNewBtnClick();
        answerer().verifyDone();
    }

    // The header dialog comes up; Name1 and Projekt are typed and it closes.
    void erwarteKopfdaten(const QString& name1, const QString& projekt)
    {
        answerer().expectForm([name1, projekt](QWidget* w) {
            auto* d = qobject_cast<TDruckkopfDlg*>(w);
            EXPECT_NE(d, nullptr);
            if (!d) return int(mrCancel);
            d->show();
            d->Name1Edit->setText(name1);
            d->ProjektEdit->setText(projekt);
            d->done(mrOk);
            return int(mrOk);
        });
    }

    // Types volume flow, length and diameter of a round pipe on the data tab.
    void eingeben(const QString& vp, const QString& laenge, const QString& dn)
    {
        form->VpVorgabeEdit->setText(vp);
        form->TSLaengeEdit->setText(laenge);
        form->DNRohrEdit->setText(dn);
    }

    void waehleTeilstrecke(int k)
    {
        form->TSTreeView->setCurrentItem(form->TSTreeView->topLevelItem(k - 1));
    }

    QStringList knoten() const
    {
        QStringList out;
        for (int i = 0; i < form->TSTreeView->topLevelItemCount(); ++i) out << form->TSTreeView->topLevelItem(i)->text(0);
        return out;
    }

    // The thirteen controls that follow the project: all enabled (1), all
    // disabled (0), or mixed (-1).
    int projektBefehle() const
    {
        const std::vector<bool> states = {
            form->mProjektschliessen->isEnabled(), form->mProjektSave->isEnabled(),
            form->mProjektSaveAs->isEnabled(), form->mPrint->isEnabled(),
            form->mPreview->isEnabled(), form->mBearbeiten->menuAction()->isEnabled(),
            form->ProjektCloseBtn->isEnabled(), form->ProjektSaveBtn->isEnabled(),
            form->ProjektSaveAsBtn->isEnabled(), form->PrintBtn->isEnabled(),
            form->PreviewBtn->isEnabled(), form->BerechnenTSBtn->isEnabled(),
            form->BerechnenGesamtBtn->isEnabled()};
        const auto on = std::count(states.begin(), states.end(), true);
        if (on == long(states.size())) return 1;
        if (on == 0) return 0;
        return -1;
    }

    Zustand zustand() const
    {
        const TProjekt& p = form->Projekt;
        return {p.Projektdateiname, p.ProjektGespeichert, p.ProjektGeladen, p.ProjektNeu, projektBefehle()};
    }
};

}  // namespace projektbefehle_test
