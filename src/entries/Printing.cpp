#include "Printing.h"

#include "AppFolder.h"
#include "RecordFile.h"

namespace
{
const QString printerFile = QStringLiteral("print.dat");
constexpr int NameLength = 255;
constexpr int ListIndent = 16;
constexpr int ListTopLines = 3;

QString printerFilePath(const QString& appFolder)
{
    return AppFolder::pathOf(appFolder, printerFile);
}

bool isBlank(QChar c)
{
    // A fresh file reads as zero bytes; both they and the padding count as blanks.
    return c == QLatin1Char(' ') || c == QChar(0);
}
} // namespace

PageSetup PreparePrinter()
{
    return PageSetup{QStringLiteral("Courier"), 10, 9, 1};
}

QString readStoredPrinter(const QString& appFolder, QString* error)
{
    RecordFile file(NameLength);
    if (!file.load(printerFilePath(appFolder), error))
        return QString();
    const QString text = QString::fromLatin1(file.record(1));
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

bool storePrinter(const QString& appFolder, const QString& name, QString* error)
{
    const QString path = printerFilePath(appFolder);
    RecordFile file(NameLength);
    if (!file.load(path, error))
        return false;
    QByteArray record = name.toLatin1().left(NameLength);
    record.append(QByteArray(NameLength - record.size(), ' '));
    file.setRecord(1, record);
    return file.save(path, error);
}

bool ReadPrinterChoice(PrinterSystem& printers, const QString& appFolder, QString* error)
{
    // An unreadable print.dat only means no remembered choice; the printers are still walked.
    const QString stored = readStoredPrinter(appFolder, error);
    // Asking the print system for its printers is slow; once is enough.
    const QStringList names = printers.printerNames();
    bool exists = false;
    bool storedMet = false;
    for (const QString& name : names) {
        if (name.isEmpty() || storedMet)
            continue;
        printers.setCurrentPrinter(name);
        exists = true;
        storedMet = name == stored;
    }
    // With no choice of the player's own, printing goes where the system's other programs print.
    const QString systemDefault = printers.defaultPrinter();
    if (stored.isEmpty() && !systemDefault.isEmpty() && names.contains(systemDefault))
        printers.setCurrentPrinter(systemDefault);
    return exists;
}

QStringList listPrintLines(const QStringList& rows)
{
    QStringList lines;
    lines.reserve(ListTopLines + rows.size());
    for (int i = 0; i < ListTopLines; ++i)
        lines << QString();
    const QString indent(ListIndent, QLatin1Char(' '));
    for (const QString& row : rows)
        lines << indent + row;
    return lines;
}
