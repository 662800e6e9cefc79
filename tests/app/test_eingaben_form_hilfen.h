#pragma once
// The real main window with a value file from the delivered data, a few
// sections in the tree, and helpers that type into its fields and grids as
// the user does.
#include "app/Strombau.h"
#include "common/TestSupport.h"
#include "platform/CurrencyEdit.h"
#include "platform/IniFile.h"
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace eingaben_form_test {

inline ScriptedAnswerer& answerer() { return ScriptedAnswerer::instance(); }

class EingabenForm : public ::testing::Test {
protected:
    TempProgramFolder folder;
    std::unique_ptr<TMainForm> form;

    void SetUp() override
    {
        ASSERT_TRUE(folder.installValueFile(true));  // no tip dialog when the window is shown
    }

    void TearDown() override
    {
        form.reset();
        answerer().verifyDone();
    }

    void setValue(const char* section, const char* key, const QString& value)
    {
        TIniFile ini(folder.file(QStringLiteral("SBWert.Dat")));
        ini.WriteString(QLatin1String(section), QLatin1String(key), value);
        ini.UpdateFile();
    }
    void removeValue(const char* section, const char* key)
    {
        TIniFile ini(folder.file(QStringLiteral("SBWert.Dat")));
        ini.DeleteKey(QLatin1String(section), QLatin1String(key));
        ini.UpdateFile();
    }

    // The window, shown, with `sections` sections "Teilstrecke <k>" and the
    // first section node selected.
    void make(int sections = 1)
    {
        form = std::make_unique<TMainForm>();
        answerer().verifyDone();
        {
            const QSignalBlocker block(form->TSTreeView);
            for (int k = 1; k <= sections; ++k) {
                auto* node = new QTreeWidgetItem(form->TSTreeView, QStringList{QStringLiteral("Teilstrecke %1").arg(k)});
                new QTreeWidgetItem(node, QStringList{QStringLiteral("Zubehör")});
                new QTreeWidgetItem(node, QStringList{QStringLiteral("Formstücke")});
            }
        }
        form->CountSections();
        form->Projekt.ResizeSections(form->Projekt.TSAnzahl);
        form->AuslegungPageCtrl->setEnabled(true);
        form->show();
        QApplication::processEvents();
        select(1);
    }

    // Selects section node k, or its child 0 ("Zubehör") / 1 ("Formstücke"),
    // without the tree's own change handling.
    void select(int k, int child = -1)
    {
        QTreeWidgetItem* node = form->TSTreeView->topLevelItem(k - 1);
        ASSERT_NE(node, nullptr);
        if (child >= 0) node = node->child(child);
        const QSignalBlocker b1(form->TSTreeView), b2(form->TSTreeView->selectionModel());
        form->TSTreeView->setCurrentItem(node);
    }

    void showTab(QWidget* tab) { form->AuslegungPageCtrl->setCurrentWidget(tab); }

    // Types `text` into a field after selecting what it holds.
    void type(TCurrencyEdit* field, const QString& text)
    {
        QWidget* tab = field->parentWidget();
        if (tab == form->ZubehoerTab || tab == form->DatenTab) showTab(tab);
        field->setFocus();
        field->selectAll();
        if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Backspace);
        else QTest::keyClicks(field, text);
    }

    // Types `text` into cell (col, row) of `grid` and ends the edit with Enter.
    void typeCell(TCellGrid* grid, int col, int row, const QString& text)
    {
        showTab(form->FormstueckTab);
        QWidget* page = grid->parentWidget();
        form->FormstueckPageCtrl->setCurrentWidget(page);
        QApplication::processEvents();
        grid->setFocus();
        grid->SetCol(col);
        grid->SetRow(row);
        if (text.isEmpty()) {
            QTest::keyClick(grid, Qt::Key_F2);
            grid->InplaceEditor()->clear();
        } else {
            QTest::keyClicks(grid, text);
        }
        QTest::keyClick(grid, Qt::Key_Return);
        QApplication::processEvents();
    }
};

}  // namespace eingaben_form_test
