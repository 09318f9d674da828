// HistoryImport: the small window that imports a draw-history file into the selected game's
// history, with a progress bar and Cancel, and ends with the summary of what changed.
#pragma once

#include "ChildWindow.h"

class QLabel;
class QProgressBar;
class QPushButton;

class HistoryImport : public ChildWindow
{
    Q_OBJECT

public:
    HistoryImport(int gameId, const QString& historyPath, QWidget* parent);

    // Asks for the file to import into the game's history; "" when the player cancelled.
    static QString chooseFile(QWidget* parent, int gameId, const QString& folder);

    // Imports the file, tells the player what came of it and closes the window.
    void run(const QString& sourcePath);

protected:
    // Closing while the import runs is a Cancel: the file is left as it was.
    bool canClose() override;

private:
    int m_gameId;
    QString m_historyPath;
    bool m_running = false;
    bool m_cancel = false;
    QLabel* m_label = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
