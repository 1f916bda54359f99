// Typing into a grid cell as the operator does, for the GUI tests of the grids: the cell is
// selected, the first key opens the in-place editor over it, and the other keys go to that editor.
#pragma once

#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

// The cell's editor after the keys, or nullptr (a test failure) when no editor opened.
inline QLineEdit* typeIntoCell(QTableWidget* grid, int row, int column, const QString& text) {
    grid->setCurrentCell(row, column);
    QLineEdit* editor = nullptr;
    for (QChar key : text) {
        if (!editor) {
            QTest::keyClicks(grid, QString(key));
            editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
            EXPECT_NE(editor, nullptr);
            if (!editor)
                return nullptr;
        } else {
            QTest::keyClicks(editor, QString(key));
        }
    }
    return editor;
}
