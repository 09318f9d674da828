// Printing: the remembered printer choice (print.dat), the choice made at start-up, the common
// page set-up and the text of the list prints. The printers themselves sit behind PrinterSystem.
#pragma once

#include "PrinterSystem.h"

#include <QString>
#include <QStringList>

// Courier 10 pt, A4, portrait.
PageSetup PreparePrinter();

// The stored printer name, blanks trimmed; print.dat is created empty when missing.
QString readStoredPrinter(const QString& appFolder, QString* error = nullptr);
// Stores the name as print.dat's one 255-byte record: Latin-1, blank padded, cut at 255.
bool storePrinter(const QString& appFolder, const QString& name, QString* error = nullptr);

// Makes the stored printer current when it is installed; with none stored, the system's default
// printer; otherwise (or when the system has no default) the last installed one.
// Returns whether any printer exists. An unreadable print.dat only means no remembered choice;
// its reason comes back in *error.
bool ReadPrinterChoice(PrinterSystem& printers, const QString& appFolder, QString* error = nullptr);

// Three empty lines, then each row indented by 16 blanks.
QStringList listPrintLines(const QStringList& rows);
