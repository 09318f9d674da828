#include "QtPrinterSystem.h"

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace
{
bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// Printer paper codes as print set-ups name them.
QPageSize pageSizeFor(int paperCode)
{
    switch (paperCode) {
    case 1:
        return QPageSize(QPageSize::Letter);
    case 5:
        return QPageSize(QPageSize::Legal);
    case 8:
        return QPageSize(QPageSize::A3);
    case 11:
        return QPageSize(QPageSize::A5);
    default:
        return QPageSize(QPageSize::A4);
    }
}

QPageLayout::Orientation orientationFor(int code)
{
    return code == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}
} // namespace

QStringList QtPrinterSystem::printerNames() const
{
    return QPrinterInfo::availablePrinterNames();
}

QString QtPrinterSystem::defaultPrinter() const
{
    return QPrinterInfo::defaultPrinterName();
}

QString QtPrinterSystem::currentPrinter() const
{
    return m_currentPrinter;
}

void QtPrinterSystem::setCurrentPrinter(const QString& name)
{
    m_currentPrinter = name;
}

void QtPrinterSystem::setOutputPdf(const QString& path)
{
    m_pdfPath = path;
}

bool QtPrinterSystem::printLines(const PageSetup& setup, const QStringList& lines, QString* error)
{
    QPrinter printer(QPrinter::HighResolution);
    if (m_pdfPath.isEmpty()) {
        printer.setPrinterName(m_currentPrinter);
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pdfPath);
    }
    const QString target = m_pdfPath.isEmpty() ? m_currentPrinter : m_pdfPath;
    printer.setPageSize(pageSizeFor(setup.paperSize));
    printer.setPageOrientation(orientationFor(setup.orientation));

    QPainter painter;
    if (!painter.begin(&printer))
        return fail(error, QStringLiteral("%1: the print job could not be started").arg(target));
    QFont font(setup.fontFamily, setup.pointSize);
    // Lists line up in columns, so a missing family must still fall back to a fixed-pitch font.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    painter.setFont(font);

    const QFontMetrics metrics = painter.fontMetrics();
    const int lineStep = metrics.lineSpacing();
    const int pageHeight = printer.height();
    int top = 0;
    for (const QString& line : lines) {
        // A line that does not fit starts a new page; the first line of a page always prints.
        if (top > 0 && top + lineStep > pageHeight) {
            if (!printer.newPage()) {
                painter.end();
                return fail(error, QStringLiteral("%1: a new page could not be started").arg(target));
            }
            top = 0;
        }
        painter.drawText(0, top + metrics.ascent(), line);
        top += lineStep;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return fail(error, QStringLiteral("%1: the print job failed").arg(target));
    return true;
}
