// Form30: the "Printer Selection" window; closing it makes the shown printer current and remembers it.
#pragma once

#include <QWidget>

struct AppState;
class PrinterSystem;
class QComboBox;

class Form30 : public QWidget
{
    Q_OBJECT

public:
    Form30(AppState& state, PrinterSystem& printers, QWidget* parent);

signals:
    void printerChosen();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyChoice();

    AppState& m_state;
    PrinterSystem& m_printers;
    QComboBox* m_combo = nullptr;
};
