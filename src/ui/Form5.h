// Form5: the add window, where the player types new lines into the shown entry set; it also
// holds the frame for computer-suggested lines.
#pragma once

#include "ChildWindow.h"

class EntrySet;
class LineBoxes;

class Form5 : public ChildWindow
{
    Q_OBJECT

public:
    Form5(EntrySet& entries, const QString& title, QWidget* parent);

private:
    void AddManualLine();

    EntrySet& m_entries;
    LineBoxes* m_boxes = nullptr;
};
