#include "EntrySet.h"

#include "Clock.h"
#include "EntryLineText.h"
#include "GameCatalogue.h"
#include "RecordFile.h"

#include <algorithm>

namespace
{
bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

std::vector<EntryNumbers> linesOf(const RecordFile& file)
{
    const int n = EntryFile::lineCount(file);
    std::vector<EntryNumbers> lines;
    lines.reserve(n);
    for (int k = 1; k <= n; ++k)
        lines.push_back(EntryFile::lineOf(file, k));
    return lines;
}
} // namespace

EntrySet::EntrySet(QObject* parent)
    : QAbstractListModel(parent)
{
}

void EntrySet::setClock(const Clock& clock)
{
    m_clock = &clock;
    findRulesDate();
}

QDate EntrySet::rulesDate() const
{
    return m_rulesDate;
}

void EntrySet::findRulesDate()
{
    const QDate entryDate = EntryFile::datedEntryDate(m_path);
    m_rulesDate = entryDate.isValid() ? entryDate : m_clock ? m_clock->today() : QDate();
}

QString EntrySet::path() const
{
    return m_path;
}

EntryKind EntrySet::kind() const
{
    return EntryFile::entryKind(m_path);
}

int EntrySet::gameId() const
{
    return m_gameId;
}

int EntrySet::count() const
{
    return static_cast<int>(m_lines.size());
}

int EntrySet::selectedWheel() const
{
    return m_selectedWheel;
}

const std::vector<EntryNumbers>& EntrySet::lines() const
{
    return m_lines;
}

QStringList EntrySet::lineTexts() const
{
    QStringList texts;
    texts.reserve(count());
    for (const EntryNumbers& line : m_lines)
        texts << FormatEntryLine(line, m_gameId);
    return texts;
}

void EntrySet::show(std::vector<EntryNumbers> lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

bool EntrySet::open(const QString& path, int gameId, int selectedWheel, QString* error)
{
    QString leaveError;
    const bool left = removeIfEmpty(&leaveError);
    m_path = path;
    m_gameId = gameId;
    m_selectedWheel = selectedWheel;
    findRulesDate();
    const bool read = reload(error);
    if (!left)
        return fail(error, leaveError);
    return read;
}

bool EntrySet::reload(QString* error)
{
    if (m_path.isEmpty()) {
        show({});
        return true;
    }
    RecordFile file(EntryFile::RecordLength);
    if (!file.load(m_path, error)) {
        show({});
        return false;
    }
    show(linesOf(file));
    return true;
}

bool EntrySet::reloadIfShown(const QString& path, QString* error)
{
    return m_path.isEmpty() || path != m_path || reload(error);
}

bool EntrySet::removeIfEmpty(QString* error)
{
    return EntryFile::RemoveEmptyEntryFile(m_path, error);
}

void EntrySet::clear()
{
    m_path.clear();
    m_selectedWheel = 0;
    findRulesDate();
    show({});
}

std::optional<int> EntrySet::append(const EntryNumbers& numbers, QString* error)
{
    return append(std::vector<EntryNumbers>{numbers}, error);
}

std::optional<int> EntrySet::append(const std::vector<EntryNumbers>& lines, QString* error)
{
    int before = 0;
    const auto change = [&](RecordFile& file, QString* reason) {
        before = EntryFile::lineCount(file);
        return std::all_of(lines.begin(), lines.end(), [&](const EntryNumbers& line) {
            return EntryFile::appendLine(file, line, m_gameId, reason);
        });
    };
    const std::optional<RecordFile> file = EntryFile::changeFile(m_path, change, error);
    if (!file)
        return std::nullopt;
    const int count = EntryFile::lineCount(*file);
    // The file holds the lines now; rows follow it, whatever it held before.
    if (before != this->count()) {
        show(linesOf(*file));
        return count;
    }
    if (lines.empty())
        return count;
    beginInsertRows({}, before, count - 1);
    for (int k = before + 1; k <= count; ++k)
        m_lines.push_back(EntryFile::lineOf(*file, k));
    if (GameCatalogue::mainCount(m_gameId) == 6) {
        for (int k = before; k < count; ++k)
            m_lines[k][6] = 0;
    }
    endInsertRows();
    return count;
}

bool EntrySet::replace(int row, const EntryNumbers& numbers, QString* error)
{
    const auto change = [&](RecordFile& file, QString* reason) {
        return stillShown(file, {row}, reason) && EntryFile::replaceLine(file, row + 1, numbers, m_gameId, reason);
    };
    if (!EntryFile::changeFile(m_path, change, error))
        return false;
    if (row < 0 || row >= count())
        return reload(error);
    m_lines[row] = numbers;
    if (GameCatalogue::mainCount(m_gameId) == 6)
        m_lines[row][6] = 0;
    emit dataChanged(index(row), index(row));
    return true;
}

bool EntrySet::removeLines(QList<int> rows, QString* error)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty())
        return true;
    const auto change = [&](RecordFile& file, QString* reason) {
        if (!stillShown(file, rows, reason))
            return false;
        // Each deletion moves the later lines up by one, so the k-th chosen row has moved up k places.
        for (qsizetype k = 0; k < rows.size(); ++k) {
            if (!EntryFile::deleteLine(file, rows[k] - static_cast<int>(k) + 1, reason))
                return false;
        }
        return true;
    };
    const std::optional<RecordFile> file = EntryFile::changeFile(m_path, change, error);
    if (!file)
        return false;
    for (qsizetype k = rows.size() - 1; k >= 0; --k) {
        const int row = rows[k];
        if (row < 0 || row >= count())
            continue;
        beginRemoveRows({}, row, row);
        m_lines.erase(m_lines.begin() + row);
        endRemoveRows();
    }
    if (count() != EntryFile::lineCount(*file))
        show(linesOf(*file));
    return true;
}

bool EntrySet::stillShown(const RecordFile& file, const QList<int>& rows, QString* reason)
{
    // Another copy of the program, or any other writer, may have changed the file since it was
    // read: a change by line number would then hit a line the player never chose.
    const int onDisk = EntryFile::lineCount(file);
    const int numbers = GameCatalogue::mainCount(m_gameId);
    for (int row : rows) {
        if (row < 0 || row >= count())
            continue;
        const EntryNumbers shown = m_lines[row];
        const EntryNumbers held = EntryFile::lineOf(file, row + 1);
        if (row >= onDisk || !std::equal(shown.begin(), shown.begin() + numbers, held.begin())) {
            show(linesOf(file));
            return fail(reason,
                        QStringLiteral("the file changed outside the program since it was shown. "
                                       "Nothing was written; the list now shows what the file holds."));
        }
    }
    return true;
}

bool EntrySet::rewrite(const QByteArray& bytes, QString* error)
{
    if (!WholeFile::write(m_path, bytes, error))
        return false;
    show(linesOf(RecordFile(EntryFile::RecordLength, bytes)));
    return true;
}

int EntrySet::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant EntrySet::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count())
        return {};
    return FormatEntryLine(m_lines[index.row()], m_gameId);
}
