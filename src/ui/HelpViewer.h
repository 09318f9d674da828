// HelpViewer: shows the program's help file inside the program, with its links and a Close button.
#pragma once

#include "ChildWindow.h"

class HelpViewer : public ChildWindow
{
    Q_OBJECT

public:
    HelpViewer(const QString& helpFile, QWidget* parent);
};
