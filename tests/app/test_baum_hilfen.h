#pragma once
// The real main window, shown offscreen, with the delivered value file, the
// project header dialog, and helpers that use the section tree and the tabs
// with the mouse as the user does.
#include "app/DruckKopfForm.h"
#include "app/Strombau.h"
#include "common/TestSupport.h"
#include "platform/CurrencyEdit.h"
#include "platform/IniFile.h"
#include "platform/SpeedBar.h"
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace baum_test {

inline ScriptedAnswerer& answerer() { return ScriptedAnswerer::instance(); }

inline const QString kInvalidInputs = QStringLiteral("Es müssen mindestens folgende Felder");
inline const QString kUnsaved = QStringLiteral("Die Änderungen wurden noch nicht gespeichert!!");
inline const QString kCountPrompt = QStringLiteral("Geben Sie die Anzahl der Teilstrecken ein:");
inline const QString kNamePrompt = QStringLiteral("Geben Sie die neue Teilstreckenbezeichnung ein:");

struct Inputs {
    const char* V;  // volume flow
    const char* L;  // length
    const char* D;  // diameter
};

class BaumForm : public ::testing::Test {
protected:
    TempProgramFolder folder;
    std::unique_ptr<TMainForm> form;

    void SetUp() override
    {
        ASSERT_TRUE(folder.installValueFile(true));
        form = std::make_unique<TMainForm>();
        form->DruckkopfDlg = new TDruckkopfDlg(form.get());
        form->show();
        QApplication::processEvents();
        answerer().verifyDone();
    }

    void TearDown() override
    {
        form.reset();
        answerer().verifyDone();
    }

    // "Projekt neu" answered with `count`.
    void newProject(int count)
    {
        answerer().expectInput(kCountPrompt, QString::number(count));
        form->ProjektNewBtnClick();
        answerer().verifyDone();
        QApplication::processEvents();
    }

    QTreeWidgetItem* node(int k) const { return form->TSTreeView->topLevelItem(k - 1); }
    QTreeWidgetItem* child(int k, int c) const { return node(k)->child(c); }
    QTreeWidgetItem* current() const { return form->TSTreeView->currentItem(); }

    QStringList captions() const
    {
        QStringList out;
        for (int i = 0; i < form->TSTreeView->topLevelItemCount(); ++i) out << form->TSTreeView->topLevelItem(i)->text(0);
        return out;
    }

    // A click of the left button on a node of the tree.
    void click(QTreeWidgetItem* item)
    {
        form->TSTreeView->scrollToItem(item);
        const QRect r = form->TSTreeView->visualItemRect(item);
        ASSERT_TRUE(r.isValid());
        QTest::mouseClick(form->TSTreeView->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }

    // A click on a tab of the page control.
    void clickTab(QWidget* page)
    {
        QTabBar* bar = form->AuslegungPageCtrl->tabBar();
        const int index = form->AuslegungPageCtrl->indexOf(page);
        ASSERT_GE(index, 0);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QApplication::processEvents();
    }

    void setInputs(const Inputs& in)
    {
        form->VpVorgabeEdit->setText(QString::fromLatin1(in.V));
        form->TSLaengeEdit->setText(QString::fromLatin1(in.L));
        form->DNRohrEdit->setText(QString::fromLatin1(in.D));
        form->GeschwEdit->setText(QStringLiteral("0"));
    }

    // Types `inputs[k - 1]` into section k by selecting each section node in
    // turn, then selects section `shown`.
    void fillSections(const std::vector<Inputs>& inputs, int shown)
    {
        for (size_t i = 0; i < inputs.size(); ++i) {
            if (current() != node(int(i) + 1)) click(node(int(i) + 1));
            setInputs(inputs[i]);
        }
        click(node(shown));
    }

    double shownFlow() const { return form->VpVorgabeEdit->Value(); }
    QString recordFlow(int k) const { return form->Projekt.Section(k).Volumenstrom.str(); }
};

}  // namespace baum_test
