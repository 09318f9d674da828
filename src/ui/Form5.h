// Form5: the add window, where the player types new lines into the entry set shown in the main
// window; it also holds the frame for computer-suggested lines.
#pragma once

#include <QWidget>

struct AppState;
class Form1;
class LineBoxes;

class Form5 : public QWidget
{
    Q_OBJECT

public:
    Form5(AppState& state, Form1& main, const QString& title);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AddManualLine();

    AppState& m_state;
    Form1& m_main;
    LineBoxes* m_boxes = nullptr;
};
