#include "Form11.h"

#include "ContentsList.h"
#include "EntryFileContents.h"
#include "EntrySet.h"
#include "FolderFileList.h"
#include "Prompt.h"
#include "WholeFile.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Form11::Form11(const QString& appFolder, const EntrySet& shown, QWidget* parent)
    : ChildWindow(parent)
    , m_shown(shown)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(tr("File Deletion"));
    auto* column = new QVBoxLayout(this);
    auto* instructions = new QLabel(
        tr("Click on the file to view it.     Use the Delete button if you want to delete the displayed file."), this);
    instructions->setObjectName(QStringLiteral("instructionsLabel"));
    instructions->setWordWrap(true);
    column->addWidget(instructions);
    m_files = new FolderFileList(appFolder, QStringLiteral("lot"), this);
    column->addWidget(m_files);
    column->addWidget(new QLabel(tr("Contents/Entries"), this));
    m_contents = new ContentsList(this);
    column->addWidget(m_contents);

    auto* deleteButton = new QPushButton(tr("Delete"), this);
    deleteButton->setObjectName(QStringLiteral("deleteButton"));
    deleteButton->setToolTip(tr("Use this to delete the selected file."));
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setToolTip(tr("Closes the file deletion form."));
    // Enter never deletes.
    closeButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(deleteButton);
    buttons->addWidget(closeButton);
    column->addLayout(buttons);

    connect(m_files, &FolderFileList::picked, this, [this] { viewFile(true); });
    // The picked file may have changed behind the window's back; it is shown anew, without a
    // message the player did not ask for.
    connect(m_files, &FolderFileList::refreshed, this, [this] { viewFile(false); });
    // A click on the list that picks nothing tells the player why nothing is shown.
    connect(m_files, &FolderFileList::clickedBesideFiles, this, [this] {
        if (!m_files->pickedName().isEmpty())
            return;
        m_contents->clear();
        Prompt::warn(this, tr("You have not selected a file"));
    });
    connect(deleteButton, &QPushButton::clicked, this, &Form11::deleteFile);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void Form11::viewFile(bool reportProblems)
{
    m_contents->clear();
    if (m_files->pickedName().isEmpty())
        return;
    QString error;
    const auto lines = EntryFileContents::contentLines(m_files->pickedPath(), &error);
    if (!lines) {
        if (reportProblems)
            Prompt::warn(this, error);
        return;
    }
    m_contents->showLines(*lines);
}

void Form11::deleteFile()
{
    if (m_files->pickedName().isEmpty()) {
        Prompt::warn(this, tr("You have not selected a file for deletion"));
        return;
    }
    // Both paths are built by AppFolder::pathOf, so equal texts mean the same file.
    const QString path = m_files->pickedPath();
    if (path == m_shown.path()) {
        Prompt::warn(this, tr("You cannot delete this file, you currently have it opened in the main program"));
        return;
    }
    if (!Prompt::confirmDestructive(this, tr("Are you sure you want to delete this lottery selection file?")))
        return;
    QFile doomed(path);
    if (!doomed.remove())
        Prompt::warn(this, fileErrorText(path, doomed.errorString()));
    m_files->refresh();
    m_contents->clear();
}
