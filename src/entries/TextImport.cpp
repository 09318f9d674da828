#include "TextImport.h"

#include "AppFolder.h"
#include "EntryFileContents.h"
#include "GameCatalogue.h"
#include "NumberText.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

namespace
{
constexpr int SlotCount = 7;

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Where usable text ends: the first byte that no text file holds, or the byte that makes a line
// longer than any import line can be. The size when the whole text is usable.
qsizetype usableEnd(const QByteArray& bytes, qsizetype from, qsizetype end, QString* problem)
{
    int lineLength = 0;
    for (qsizetype i = from; i < end; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (isLineEnd(char(c))) {
            lineLength = 0;
            continue;
        }
        if ((c < 0x20 && c != '\t') || c == 0x7f) {
            *problem = QStringLiteral("byte %1 is not text").arg(i + 1);
            return i;
        }
        if (++lineLength > TextImport::MaxLineLength) {
            *problem = QStringLiteral("a line is longer than %1 characters").arg(TextImport::MaxLineLength);
            return i;
        }
    }
    return end;
}

// Parses the first `limit` bytes; `problem` already says why the text stops there, if it does.
TextImport::TextFields parse(const QByteArray& bytes, qsizetype limit, QString problem)
{
    TextImport::TextFields out;
    qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0; // editors may mark UTF-8 this way
    const qsizetype end = usableEnd(bytes, pos, limit, &problem);
    while (pos < end) {
        if (int(out.fields.size()) == TextImport::MaxFields) {
            problem = QStringLiteral("the file holds more than %1 lines").arg(TextImport::MaxFields);
            break;
        }
        while (pos < end && isBlank(bytes[pos]))
            ++pos;
        const bool quoted = pos < end && bytes[pos] == '"';
        if (quoted)
            ++pos;
        const qsizetype first = pos;
        // A missing closing quote ends the field at the line end, never further.
        while (quoted && pos < end && bytes[pos] != '"' && !isLineEnd(bytes[pos]))
            ++pos;
        qsizetype last = pos;
        // Text after a closing quote, up to the separator, belongs to no field.
        while (pos < end && bytes[pos] != ',' && !isLineEnd(bytes[pos]))
            ++pos;
        if (!quoted)
            last = pos;
        // A field running into unusable bytes is incomplete.
        if (pos == end && !problem.isEmpty())
            break;
        out.fields.push_back(QString::fromUtf8(bytes.constData() + first, last - first));
        if (pos < end && bytes[pos] == '\r' && pos + 1 < end && bytes[pos + 1] == '\n')
            ++pos;
        if (pos < end)
            ++pos;
    }
    out.problem = problem;
    return out;
}

// The fields of the text file and whether they, and the target, allow an import.
TextImport::Verdict check(const QString& textPath,
                          int gameId,
                          const QDate& date,
                          const QString& target,
                          QString* error,
                          std::vector<QString>* fields)
{
    TextImport::TextFields text = TextImport::readFields(textPath);
    if (!text.problem.isEmpty()) {
        if (error)
            *error = fileErrorText(textPath, text.problem);
        return TextImport::Verdict::NotText;
    }
    const TextImport::Verdict verdict = TextImport::checkFields(text.fields, gameId, date);
    if (verdict != TextImport::Verdict::Valid)
        return verdict;
    const std::optional<int> count = TextImport::existingLineCount(target, error);
    if (!count)
        return TextImport::Verdict::FileError;
    if (*count > 0)
        return TextImport::Verdict::AlreadyEntered;
    if (fields)
        *fields = std::move(text.fields);
    return TextImport::Verdict::Valid;
}
} // namespace

namespace TextImport
{
TextFields readFields(QIODevice& device)
{
    const QByteArray bytes = device.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        return parse(bytes, MaxFileBytes, QStringLiteral("the file is larger than %1 bytes").arg(MaxFileBytes));
    if (!device.atEnd())
        return parse(bytes, bytes.size(), device.errorString());
    return parse(bytes, bytes.size(), QString());
}

TextFields readFields(const QString& path)
{
    // A pipe or a device behind a .txt name could block or never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {{}, QStringLiteral("not a plain file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    return readFields(file);
}

EntryNumbers readSlots(QStringView field)
{
    EntryNumbers numbers{};
    for (int i = 0; i < SlotCount; ++i) {
        const qsizetype start = 3 * i;
        if (start < field.size())
            numbers[i] = static_cast<int16_t>(NumberText::wholeNumber(field.mid(start, 2)));
    }
    return numbers;
}

Verdict checkLine(QStringView field, int gameId, const QDate& date)
{
    const EntryNumbers numbers = readSlots(field);
    const int count = GameCatalogue::mainCount(gameId);
    const int highest = GameCatalogue::highestNumber(gameId, date);
    for (int i = 0; i < count; ++i) {
        if (numbers[i] < 1 || numbers[i] > highest)
            return Verdict::OutOfRange;
    }
    // A 6/49 line has no seventh number.
    if (count == 6 && numbers[6] > 0)
        return Verdict::OutOfRange;
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (numbers[i] == numbers[j])
                return Verdict::SameBalls;
        }
    }
    return Verdict::Valid;
}

Verdict checkFields(const std::vector<QString>& fields, int gameId, const QDate& date)
{
    for (const QString& field : fields) {
        const Verdict verdict = checkLine(field, gameId, date);
        if (verdict != Verdict::Valid)
            return verdict;
    }
    return Verdict::Valid;
}

QString refusalText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::OutOfRange:
        return QStringLiteral(
            "One or more of your numbers are out of range - or your file is not in the correct format");
    case Verdict::SameBalls:
        return QStringLiteral("One or more of the balls in a line are the same!");
    case Verdict::NotText:
        return QStringLiteral("Your txt file is not valid");
    case Verdict::AlreadyEntered:
        return QStringLiteral("You already have a date entry for this date, please choose another date");
    case Verdict::Valid:
    case Verdict::FileError:
        break;
    }
    return QString();
}

QByteArray importBytes(const std::vector<QString>& fields, int gameId, const QDate& date)
{
    const int count = GameCatalogue::mainCount(gameId);
    RecordFile file(EntryFile::RecordLength);
    // Record 1 exists even for an empty import: it carries the count.
    file.setRecord(1, QByteArray(EntryFile::RecordLength, '\0'));
    for (std::size_t k = 0; k < fields.size(); ++k) {
        EntryNumbers numbers = readSlots(fields[k]);
        // Exchange sort: after pass i the first i numbers are ascending.
        for (int i = 0; i < count; ++i) {
            for (int j = 0; j < count; ++j) {
                if (numbers[i] < numbers[j])
                    std::swap(numbers[i], numbers[j]);
            }
        }
        QByteArray record(EntryFile::RecordLength, '\0');
        EntryFile::putEntryDate(record, date);
        EntryFile::putNumbers(record, numbers, gameId);
        file.setRecord(int(k) + 1, record);
    }
    QByteArray first = file.record(1);
    RecordFile::put32(first, 0, static_cast<int32_t>(fields.size()));
    file.setRecord(1, first);
    return file.bytes();
}

std::optional<int> existingLineCount(const QString& path, QString* error)
{
    const std::optional<RecordFile> file = EntryFileContents::readRecords(path, error);
    if (!file)
        return std::nullopt;
    return EntryFile::lineCount(*file);
}

QString targetPath(const QString& appFolder, int gameId, const QDate& date)
{
    return AppFolder::pathOf(appFolder, EntryFile::DatedEntryFileName(gameId, date.day(), date.month(), date.year()));
}

Verdict validate(const QString& textPath, int gameId, const QDate& date, const QString& target, QString* error)
{
    return check(textPath, gameId, date, target, error, nullptr);
}

Verdict importFile(const QString& textPath, int gameId, const QDate& date, const QString& target, QString* error)
{
    std::vector<QString> fields;
    const Verdict verdict = check(textPath, gameId, date, target, error, &fields);
    if (verdict != Verdict::Valid)
        return verdict;
    if (!WholeFile::write(target, importBytes(fields, gameId, date), error))
        return Verdict::FileError;
    return Verdict::Valid;
}
} // namespace TextImport
