// PrinterSystem: the seam between the print actions and the system's printers. The program
// prints plain text lines; the Qt implementation lives in the ui library and tests use a fake
// that records the jobs.
#pragma once

#include <QString>
#include <QStringList>

// The page set-up every print job applies first.
struct PageSetup
{
    QString fontFamily;
    int pointSize = 10;
    int paperSize = 9;   // printer paper code; 9 is A4
    int orientation = 1; // 1 portrait, 2 landscape
};

class PrinterSystem
{
public:
    virtual ~PrinterSystem() = default;

    // Device names of the installed printers, in the order the system lists them.
    virtual QStringList printerNames() const = 0;
    // The printer the system itself prints to when none is chosen; "" when it has none.
    virtual QString defaultPrinter() const = 0;
    virtual QString currentPrinter() const = 0;
    virtual void setCurrentPrinter(const QString& name) = 0;
    // Prints the lines top to bottom as one job on the current printer.
    virtual bool printLines(const PageSetup& setup, const QStringList& lines, QString* error = nullptr) = 0;
};
