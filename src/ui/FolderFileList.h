// FolderFileList: the files of one extension in the application folder, as a list the player picks
// from. It follows the folder, so a file added or deleted behind the window's back shows as it now is.
#pragma once

#include <QListWidget>

class QFileSystemWatcher;

class FolderFileList : public QListWidget
{
    Q_OBJECT

public:
    // suffix without the dot, matched without regard to case: "txt", "lot".
    FolderFileList(const QString& folder, const QString& suffix, QWidget* parent);

    // The picked file's name and full path; "" when none is picked.
    QString pickedName() const;
    QString pickedPath() const;
    // Lists the folder again, keeping the pick when the file is still there.
    void refresh();

signals:
    // Another file, or none ("") when the picked file went away, is now picked.
    void picked(const QString& name);
    // The folder was listed again; the picked file may have changed.
    void refreshed();
    // A click landed in the list but on no file.
    void clickedBesideFiles();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_folder;
    QString m_suffix;
    QString m_picked;
    QFileSystemWatcher* m_watcher = nullptr;
};
