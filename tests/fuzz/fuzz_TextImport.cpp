// Fuzz target for the text import of entry lines: the input becomes a text file, a game and a draw
// date. Fields never run across lines, simple fields written back read back the same, an accepted
// line is sorted, distinct and in range, the entry file an import writes holds exactly the text's
// lines and is never taken for damaged, and a second import of the same date is refused.
#include "EntryDamage.h"
#include "EntryFile.h"
#include "FuzzSupport.h"
#include "GameCatalogue.h"
#include "TextImport.h"

#include <algorithm>
#include <vector>

namespace
{
TextImport::TextFields fieldsOf(const QByteArray& text)
{
    QBuffer device;
    openForReading(device, text);
    return TextImport::readFields(device);
}

// Fields this writer can put back: no quote, no line end, no leading blank, not too long; a comma
// goes inside quotes.
std::optional<QByteArray> written(const std::vector<QString>& fields)
{
    QByteArray text;
    for (const QString& field : fields) {
        const QByteArray bytes = field.toUtf8();
        if (field.contains(QLatin1Char('"')) || field.contains(QChar(0xFEFF)) || bytes.size() > 1000
            || (!field.isEmpty() && (field[0] == QLatin1Char(' ') || field[0] == QLatin1Char('\t'))))
            return std::nullopt;
        text += field.contains(QLatin1Char(',')) ? '"' + bytes + '"' : bytes;
        text += "\r\n";
    }
    return text;
}

void checkLineVerdict(const QString& field, int gameId, const QDate& date)
{
    if (TextImport::checkLine(field, gameId, date) != TextImport::Verdict::Valid)
        return;
    const EntryNumbers numbers = TextImport::readSlots(field);
    const int count = GameCatalogue::mainCount(gameId);
    std::vector<int16_t> main(numbers.begin(), numbers.begin() + count);
    std::sort(main.begin(), main.end());
    FUZZ_CHECK(main.front() >= 1 && main.back() <= GameCatalogue::highestNumber(gameId, date));
    FUZZ_CHECK(std::adjacent_find(main.begin(), main.end()) == main.end());
    FUZZ_CHECK(count == 7 || numbers[6] <= 0);
}

// The entry file an import writes: one sorted line per field, the date in every record.
void checkImportBytes(const std::vector<QString>& fields, int gameId, const QDate& date)
{
    const RecordFile file(EntryFile::RecordLength, TextImport::importBytes(fields, gameId, date));
    FUZZ_CHECK(EntryFile::lineCount(file) == static_cast<int>(fields.size()));
    FUZZ_CHECK(EntryDamage::describe(file, gameId, date).isEmpty());
    const int count = GameCatalogue::mainCount(gameId);
    for (size_t k = 0; k < fields.size(); ++k) {
        const EntryNumbers stored = EntryFile::lineOf(file, static_cast<int>(k) + 1);
        const EntryNumbers read = TextImport::readSlots(fields[k]);
        std::vector<int16_t> expected(read.begin(), read.begin() + count);
        std::sort(expected.begin(), expected.end());
        FUZZ_CHECK(std::equal(expected.begin(), expected.end(), stored.begin()));
        FUZZ_CHECK(datedOn(file.record(static_cast<int>(k) + 1), date));
    }
}

void checkImportFile(const QByteArray& text,
                     const TextImport::TextFields& read,
                     TextImport::Verdict expected,
                     int gameId,
                     const QDate& date)
{
    const QString source = scratchPath(QStringLiteral("import.txt"));
    const QString target = scratchPath(QStringLiteral("Nat64912DEC2026.lot"));
    putFile(source, text);
    QFile::remove(target);
    QString error;
    FUZZ_CHECK(TextImport::validate(source, gameId, date, target, &error) == expected);
    FUZZ_CHECK(!QFile::exists(target));
    const TextImport::Verdict verdict = TextImport::importFile(source, gameId, date, target, &error);
    FUZZ_CHECK(verdict == expected);
    FUZZ_CHECK(TextImport::refusalText(verdict).isEmpty() == (verdict == TextImport::Verdict::Valid));
    if (verdict != TextImport::Verdict::Valid) {
        FUZZ_CHECK(!QFile::exists(target));
        return;
    }
    const QByteArray imported = fileBytes(target);
    FUZZ_CHECK(imported == TextImport::importBytes(read.fields, gameId, date));
    // The date now has its entries; a second import must not replace them.
    const TextImport::Verdict again = TextImport::importFile(source, gameId, date, target, &error);
    FUZZ_CHECK(again == (read.fields.empty() ? TextImport::Verdict::Valid : TextImport::Verdict::AlreadyEntered));
    FUZZ_CHECK(fileBytes(target) == imported);
    QFile::remove(target);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t flags = in.byte();
    const int gameId = in.between(1, GameCatalogue::LastGame);
    const QDate date = QDate(2026, 12, 12).addDays(in.int16());
    const QByteArray text = in.rest();

    const TextImport::TextFields read = fieldsOf(text);
    FUZZ_CHECK(read.fields.size() <= static_cast<size_t>(TextImport::MaxFields));
    for (const QString& field : read.fields) {
        FUZZ_CHECK(!field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')));
        checkLineVerdict(field, gameId, date);
    }
    if (read.problem.isEmpty()) {
        if (const std::optional<QByteArray> again = written(read.fields)) {
            const TextImport::TextFields reread = fieldsOf(*again);
            FUZZ_CHECK(reread.problem.isEmpty() && reread.fields == read.fields);
        }
    }

    TextImport::Verdict expected = TextImport::Verdict::NotText;
    if (read.problem.isEmpty()) {
        expected = TextImport::checkFields(read.fields, gameId, date);
        if (expected == TextImport::Verdict::Valid)
            checkImportBytes(read.fields, gameId, date);
    }
    if (throughFiles(flags, size))
        checkImportFile(text, read, expected, gameId, date);
    return 0;
}
