// LineBoxes: the row of number boxes in which one entry line is typed (six, or seven for the
// seven-number games), shared by the add and edit windows so both validate a line the same way.
#pragma once

#include "EntryFile.h"

#include <QDate>
#include <QWidget>

#include <array>
#include <optional>

class QGridLayout;
class QLineEdit;

class LineBoxes : public QWidget
{
    Q_OBJECT

public:
    // Lines are checked against the game's range on rulesDate.
    LineBoxes(int gameId, const QDate& rulesDate, QWidget* parent);

    // The sorted line, or nothing after showing why the boxes were refused.
    std::optional<EntryNumbers> validatedLine();
    void showLine(const EntryNumbers& numbers);
    void clearFirstSix();

private:
    int m_gameId;
    QDate m_rulesDate;
    std::array<QLineEdit*, 7> m_boxes{};
};
