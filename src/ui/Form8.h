// Form8: the "Import Txt File" window, which turns a text file of lines from the application
// folder into the dated entry file of the picked date. Import is offered only after the file has
// passed validation for that date.
#pragma once

#include "ChildWindow.h"

#include <QDate>

class ContentsList;
class FolderFileList;
class QDateEdit;
class QPushButton;

class Form8 : public ChildWindow
{
    Q_OBJECT

public:
    Form8(int gameId, const QString& appFolder, const QDate& today, QWidget* parent);

signals:
    // An entry file was written whole; the window showing it should read it again.
    void entryFileWritten(const QString& path);

private:
    void viewFile();
    void offerValidation();
    void validateFile();
    void importFile();

    int m_gameId;
    QString m_appFolder;
    // The entry file the last successful validation named.
    QString m_target;
    FolderFileList* m_files = nullptr;
    QDateEdit* m_date = nullptr;
    ContentsList* m_contents = nullptr;
    QPushButton* m_validate = nullptr;
    QPushButton* m_import = nullptr;
};
