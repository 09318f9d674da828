// Form11: the "File Deletion" window, which shows the lines of any entry file of the application
// folder and deletes the one the player picks, except the file the main window shows.
#pragma once

#include "ChildWindow.h"

class ContentsList;
class EntrySet;
class FolderFileList;

class Form11 : public ChildWindow
{
    Q_OBJECT

public:
    // shown: the entry set of the main window, whose file must stay.
    Form11(const QString& appFolder, const EntrySet& shown, QWidget* parent);

private:
    void viewFile(bool reportProblems);
    void deleteFile();

    const EntrySet& m_shown;
    FolderFileList* m_files = nullptr;
    ContentsList* m_contents = nullptr;
};
