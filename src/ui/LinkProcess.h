// LinkProcess: the "Optimiser" window. It counts how often balls were drawn together over the
// latest draws of one game, then adds lines chained from those links to the dated entry file of a
// chosen date. It announces every entry file it writes.
#pragma once

#include "ChildWindow.h"
#include "LinkTable.h"

class Clock;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;

class LinkProcess : public ChildWindow
{
    Q_OBJECT

public:
    LinkProcess(int gameId, const QString& resultsPath, const QString& appFolder, Clock& clock, QWidget* parent);

signals:
    void entryFileWritten(const QString& path);

protected:
    // A processed table whose lines were never created is worth a question before it is lost.
    bool canClose() override;

private:
    void ProcessRange();
    void CreateEntries();
    void showDrawCount(int drawCount);

    int m_gameId;
    QString m_resultsPath;
    QString m_appFolder;
    LinkTable m_table;
    bool m_rangeProcessed = false;
    bool m_entriesCreated = false;

    QGroupBox* m_rangeGroup = nullptr;
    QLineEdit* m_drawsEdit = nullptr;
    QDateEdit* m_entryDate = nullptr;
    QPushButton* m_createButton = nullptr;
};
