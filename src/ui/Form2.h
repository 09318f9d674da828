// Form2: the "Add Result" window, where the numbers of one draw are typed for the picked date.
#pragma once

#include "ChildWindow.h"
#include "DrawRecord.h"

#include <QDate>

#include <array>

class QLineEdit;

class Form2 : public ChildWindow
{
    Q_OBJECT

public:
    // The draw is stored in resultsFile for the game and date shown in the main window.
    Form2(int gameId, const QString& resultsFile, const QDate& drawDate, QWidget* parent);

signals:
    void drawStored(int record, const DrawRecord& draw);

private:
    void addDraw();

    int m_gameId;
    QString m_resultsFile;
    QDate m_drawDate;
    std::array<QLineEdit*, 8> m_boxes{};
};
