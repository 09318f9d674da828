// HelpViewer: shows the program's help file inside the program, with its links and a Close button.
#pragma once

#include "ChildWindow.h"

class HelpViewer : public ChildWindow
{
    Q_OBJECT

public:
    // Why the help file cannot be shown ("" when it can): the one look at the file before a viewer
    // opens it, as a pipe or a device in its place would block the viewer.
    static QString problemWith(const QString& helpFile);

    HelpViewer(const QString& helpFile, QWidget* parent);
};
