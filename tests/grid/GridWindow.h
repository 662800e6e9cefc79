#pragma once
// A grid shown in a window of its own, for the tests that drive it with
// keys and the mouse.
#include "common/TestSupport.h"
#include "grid/CellGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

class GridWindowTest : public ::testing::Test {
protected:
    // The window and its grid of 40 x 18 pixel cells; `withField` lays a
    // field out after the grid (the next control).
    void makeGrid(bool withField = false)
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        grid = new TCellGrid(window.get());
        layout->addWidget(grid);
        if (withField) {
            field = new QLineEdit(window.get());
            layout->addWidget(field);
        }
        grid->SetDefaultColWidth(40);
        grid->SetDefaultRowHeight(18);
    }

    // A grid of cols x rows, every cell named "c,r".
    void nameCells(int cols, int rows)
    {
        grid->SetColCount(cols);
        grid->SetRowCount(rows);
        for (int c = 0; c < cols; ++c)
            for (int r = 0; r < rows; ++r) grid->SetCells(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
    }

    // Shows the window at width x height, active, with the focus in the grid.
    void showGrid(int width, int height)
    {
        window->resize(width, height);
        ASSERT_TRUE(ShowActive(window.get()));
        grid->setFocus();
        QCoreApplication::processEvents();
    }

    void TearDown() override
    {
        window.reset();
        ScriptedAnswerer::instance().verifyDone();
    }

    std::unique_ptr<QWidget> window;
    TCellGrid* grid = nullptr;
    QLineEdit* field = nullptr;
    QStringList trace;  // the grid's events, as a test records them
};

// A left click at `at` on `vp`.
inline void ClickAt(QWidget* vp, QPoint at)
{
    QMouseEvent press(QEvent::MouseButtonPress, at, vp->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, vp->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &release);
}

// A drag with the left button from `from` to `to` on `vp`, in one move.
inline void DragOn(QWidget* vp, QPoint from, QPoint to)
{
    QMouseEvent press(QEvent::MouseButtonPress, from, vp->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &press);
    QMouseEvent move(QEvent::MouseMove, to, vp->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, vp->mapToGlobal(to), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &release);
}
