// editEntry: the "Edit Entry" window, which changes one line of the shown entry set.
#pragma once

#include "ChildWindow.h"
#include "EntryFile.h"

class EntrySet;
class LineBoxes;

class editEntry : public ChildWindow
{
    Q_OBJECT

public:
    // row is the line's 0-based row in the set; line is what the file holds there now.
    editEntry(EntrySet& entries, int row, const EntryNumbers& line, QWidget* parent);

private:
    void ChangeLine();

    EntrySet& m_entries;
    int m_row;
    bool m_reread = false; // the set read its file again: m_row may now hold another line
    LineBoxes* m_boxes = nullptr;
};
