// Form30: the "Printer Selection" window; closing it makes the shown printer current and remembers it.
#pragma once

#include "ChildWindow.h"

class PrinterSystem;
class QComboBox;

class Form30 : public ChildWindow
{
    Q_OBJECT

public:
    Form30(const QString& appFolder, PrinterSystem& printers, QWidget* parent);

signals:
    // An installed printer was made current and remembered.
    void printerChosen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyChoice();

    QString m_appFolder;
    PrinterSystem& m_printers;
    QComboBox* m_combo = nullptr;
};
