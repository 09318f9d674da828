// Form3: the draw list window, every draw of the selected game one line each; a double-click
// (or Enter) hands the draw's date to the main window.
#pragma once

#include "ChildWindow.h"

#include <QDate>

#include <optional>

class QListWidget;

class Form3 : public ChildWindow
{
    Q_OBJECT

public:
    // Opens scrolled to the draw of the picked date, or to the newest draw when that date has none.
    Form3(int gameId, const QString& resultsFile, const QDate& picked, QWidget* parent);

    // The date written in columns 7-8, 10-11 and 13-16 of a draw line.
    static std::optional<QDate> dateOfLine(const QString& line);

signals:
    void datePicked(const QDate& date);

private:
    void pickSelected();

    QListWidget* m_list = nullptr;
};
