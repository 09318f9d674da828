// Form2: the "Add Result" window, where the numbers of one draw are typed for the picked date.
#pragma once

#include "DrawRecord.h"

#include <QDate>
#include <QWidget>

#include <array>

struct AppState;
class QLabel;
class QLineEdit;

class Form2 : public QWidget
{
    Q_OBJECT

public:
    Form2(AppState& state, const QDate& drawDate, QWidget* parent);

signals:
    void drawStored(int record, const DrawRecord& draw);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addDraw();

    AppState& m_state;
    QDate m_drawDate;
    std::array<QLineEdit*, 8> m_boxes{};
};
