// Form5: the add window, where the player types new lines into the shown entry set; it also
// holds the frame for computer-suggested lines.
#pragma once

#include "ChildWindow.h"

#include <QList>

class EntrySet;
class LineBoxes;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RandomSource;

class Form5 : public ChildWindow
{
    Q_OBJECT

public:
    // historyPath: the draw history the suggested lines are drawn from.
    Form5(EntrySet& entries, const QString& title, const QString& historyPath, RandomSource& random, QWidget* parent);

protected:
    // While lines are being suggested, closing stops the run and closes once it has stopped.
    bool canClose() override;

private:
    void AddManualLine();
    void AddSuggestedLines();
    void setRunning(bool running);

    EntrySet& m_entries;
    QString m_historyPath;
    RandomSource& m_random;
    LineBoxes* m_boxes = nullptr;
    QLineEdit* m_suggestCount = nullptr;
    QRadioButton* m_total = nullptr;
    QList<QPushButton*> m_lockedWhileRunning;
    bool m_running = false;
    bool m_stopRequest = false;
    bool m_closeAfterRun = false;
};
