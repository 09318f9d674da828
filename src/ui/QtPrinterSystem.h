// QtPrinterSystem: prints text lines on the system's printers through QPrinter. It can also send
// its jobs to a PDF file instead, so the printed text can be read back and checked.
#pragma once

#include "PrinterSystem.h"

#include <QString>
#include <QStringList>

class QtPrinterSystem : public PrinterSystem
{
public:
    QtPrinterSystem() = default;

    QStringList printerNames() const override;
    QString defaultPrinter() const override;
    QString currentPrinter() const override;
    void setCurrentPrinter(const QString& name) override;
    bool printLines(const PageSetup& setup, const QStringList& lines, QString* error = nullptr) override;

    // Every following job goes to this PDF file instead of the current printer; "" restores printing.
    void setOutputPdf(const QString& path);

private:
    QString m_currentPrinter;
    QString m_pdfPath;
};
