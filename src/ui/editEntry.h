// editEntry: the "Edit Entry" window, which changes the one selected line of the shown entry set.
#pragma once

#include <QWidget>

struct AppState;
class Form1;
class LineBoxes;

class editEntry : public QWidget
{
    Q_OBJECT

public:
    editEntry(AppState& state, Form1& main);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ChangeLine();

    AppState& m_state;
    Form1& m_main;
    LineBoxes* m_boxes = nullptr;
};
