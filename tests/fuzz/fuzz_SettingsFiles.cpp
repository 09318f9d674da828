// Fuzz target for the two settings files: the input becomes game.dat and print.dat (or folders in
// their place), a province, a printer name and the installed printers. Reading never changes a
// file, a stored value reads back as stored with the rest of the file kept, and a file that cannot
// be read or written is reported by name.
#include "AppFolder.h"
#include "FuzzSupport.h"
#include "Printing.h"
#include "RecordingPrinter.h"

#include <QDir>

namespace
{
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0);
}

QString withoutOuterBlanks(QString text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// Puts the bytes in place as a file, or a folder of that name when asked to.
void place(const QString& path, const QByteArray& bytes, bool asFolder)
{
    QDir(path).removeRecursively();
    QFile::remove(path);
    if (asFolder)
        FUZZ_CHECK(QDir().mkpath(path));
    else
        putFile(path, bytes);
}

void checkProvince(const QString& folder, const QByteArray& bytes, int16_t province, bool asFolder)
{
    const QString path = AppFolder::pathOf(folder, QStringLiteral("game.dat"));
    place(path, bytes, asFolder);
    QString error;
    const std::optional<int> saved = AppFolder::readSavedProvince(folder, &error);
    const bool stored = AppFolder::updatesavedgame(folder, province, &error);
    if (asFolder) {
        FUZZ_CHECK(!saved && !stored && error.contains(QLatin1String("game.dat")));
        return;
    }
    FUZZ_CHECK(saved.has_value() && stored);
    FUZZ_CHECK(AppFolder::readSavedProvince(folder) == province);
    const QByteArray after = fileBytes(path);
    FUZZ_CHECK(after.size() == std::max<qsizetype>(2, bytes.size()) && after.mid(2) == bytes.mid(2));
}

void checkPrinter(
    const QString& folder, const QByteArray& bytes, const QStringList& installed, const QString& name, bool asFolder)
{
    const QString path = AppFolder::pathOf(folder, QStringLiteral("print.dat"));
    place(path, bytes, asFolder);
    QString error;
    const QString stored = readStoredPrinter(folder, &error);
    if (asFolder)
        FUZZ_CHECK(stored.isEmpty() && error.contains(QLatin1String("print.dat")));
    else {
        FUZZ_CHECK(error.isEmpty() && fileBytes(path) == bytes);
        FUZZ_CHECK(stored.size() <= 255 && stored == withoutOuterBlanks(stored));
        FUZZ_CHECK(QString::fromLatin1(bytes.left(255)).contains(stored));
    }

    // The stored printer when it is installed, otherwise the last installed one.
    RecordingPrinter printers;
    printers.names = installed;
    QString last;
    for (const QString& printer : installed) {
        if (!printer.isEmpty())
            last = printer;
    }
    FUZZ_CHECK(ReadPrinterChoice(printers, folder) == !last.isEmpty());
    const bool storedInstalled = !stored.isEmpty() && installed.contains(stored);
    FUZZ_CHECK(printers.current == (storedInstalled ? stored : last));

    error.clear();
    const bool written = storePrinter(folder, name, &error);
    if (asFolder) {
        FUZZ_CHECK(!written && error.contains(QLatin1String("print.dat")));
        return;
    }
    FUZZ_CHECK(written);
    FUZZ_CHECK(readStoredPrinter(folder) == withoutOuterBlanks(name.left(255)));
    const QByteArray after = fileBytes(path);
    FUZZ_CHECK(after.size() == std::max<qsizetype>(255, bytes.size()) && after.mid(255) == bytes.mid(255));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t flags = in.byte();
    const int16_t province = in.int16();
    const QByteArray gameBytes = in.take(in.byte() % 8);
    // Latin-1 keeps every byte as one character, as print.dat stores names.
    const QStringList installed = QString::fromLatin1(in.take(in.byte())).split(QLatin1Char(';'));
    const uint8_t nameChoice = in.byte();
    const QString name =
        nameChoice < installed.size() ? installed[nameChoice] : QString::fromLatin1(in.take(nameChoice * 2u));
    const QByteArray printBytes = in.rest();

    const QString folder = scratchPath(QStringLiteral("app"));
    FUZZ_CHECK(QDir().mkpath(folder));
    checkProvince(folder, gameBytes, province, flags & 1);
    checkPrinter(folder, printBytes, installed, name, flags & 2);
    return 0;
}
