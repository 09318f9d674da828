#include "DrawImport.h"

#include "DateText.h"
#include "DrawRules.h"
#include "GameCatalogue.h"
#include "HistoryImage.h"
#include "RecordFile.h"
#include "ResultsFile.h"
#include "WholeFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <unordered_map>

namespace
{
// Progress is reported, and the cancel flag read, once per this many rows.
constexpr int ProgressStep = 256;

// The operator's PRODUCT of each game it publishes draws of; a game's product is one row here.
struct Product
{
    const char* name;
    int gameId;
};
constexpr Product products[] = {
    {"649", GameCatalogue::National},
    {"LOTTO MAX", GameCatalogue::LottoMax},
};

// The game whose draws a PRODUCT cell names; 0 for a product the program does not know.
int gameOfProduct(const QString& cell)
{
    for (const Product& p : products) {
        if (cell.compare(QLatin1String(p.name), Qt::CaseInsensitive) == 0)
            return p.gameId;
    }
    return 0;
}

// "1 field", "8 fields".
QString counted(qsizetype n, const QString& noun)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(noun, n == 1 ? QString() : QStringLiteral("s"));
}

struct Layout
{
    bool hasProduct = false; // the operator's layout, whose first column is the PRODUCT
    int fields = 0;
    int sequenceColumn = -1; // the operator's SEQUENCE NUMBER: 0 for the main draw of a date
    int dateColumn = 0;
    std::vector<int> numberColumns;
    int bonusColumn = 0;
};

// One line of comma-separated cells; double quotes enclose a cell and "" inside is a quote.
QStringList cellsOf(QStringView line)
{
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != QLatin1Char('"'))
                cell += c;
            else if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"'))
                cell += line[++i];
            else
                quoted = false;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            cells << cell.trimmed();
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells << cell.trimmed();
    return cells;
}

// Puts the first count numbers in ascending order; a draw has seven at most.
template <size_t N> void sortFirst(std::array<int16_t, N>& numbers, int count)
{
    for (int i = 1; i < count; ++i) {
        for (int j = i; j > 0 && numbers[j - 1] > numbers[j]; --j)
            std::swap(numbers[j - 1], numbers[j]);
    }
}

template <typename T> std::optional<T> refuse(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return std::nullopt;
}

QString sizeMismatch(int found, int gameId)
{
    return QStringLiteral("This file holds draws of %1; %2 draws %3.")
        .arg(counted(found, QStringLiteral("number")), GameCatalogue::game(gameId).name)
        .arg(GameCatalogue::mainCount(gameId));
}

std::optional<Layout> operatorLayout(const QStringList& cells, int gameId, QString* error)
{
    QStringList header;
    for (const QString& cell : cells)
        header << cell.toUpper();
    Layout layout;
    layout.hasProduct = true;
    layout.fields = static_cast<int>(header.size());
    layout.sequenceColumn = static_cast<int>(header.indexOf(QStringLiteral("SEQUENCE NUMBER")));
    layout.dateColumn = static_cast<int>(header.indexOf(QStringLiteral("DRAW DATE")));
    layout.bonusColumn = static_cast<int>(header.indexOf(QStringLiteral("BONUS NUMBER")));
    for (int k = 1;; ++k) {
        const auto column = header.indexOf(QStringLiteral("NUMBER DRAWN %1").arg(k));
        if (column < 0)
            break;
        layout.numberColumns.push_back(static_cast<int>(column));
    }
    if (layout.dateColumn < 0 || layout.bonusColumn < 0 || layout.numberColumns.empty())
        return refuse<Layout>(error, QStringLiteral("The header names no draw date, numbers drawn or bonus number."));
    if (static_cast<int>(layout.numberColumns.size()) != GameCatalogue::mainCount(gameId))
        return refuse<Layout>(error, sizeMismatch(static_cast<int>(layout.numberColumns.size()), gameId));
    return layout;
}

std::optional<Layout> plainLayout(const QStringList& firstRow, int gameId, QString* error)
{
    const int numbers = static_cast<int>(firstRow.size()) - 2;
    if (numbers < 1)
        return refuse<Layout>(error,
                              QStringLiteral("The file is neither the operator's draw-history layout nor rows of a "
                                             "date, the numbers drawn and the bonus."));
    if (numbers != GameCatalogue::mainCount(gameId))
        return refuse<Layout>(error, sizeMismatch(numbers, gameId));
    Layout layout;
    layout.fields = numbers + 2;
    for (int k = 1; k <= numbers; ++k)
        layout.numberColumns.push_back(k);
    layout.bonusColumn = numbers + 1;
    return layout;
}

// A whole number of at most three digits: a history holds nothing else, so "7.5" or "12a" means
// the row is damaged, not that it should be rounded.
std::optional<int> wholeNumber(const QString& cell)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
    if (!digits.match(cell).hasMatch())
        return std::nullopt;
    return cell.toInt();
}

// A row whose sequence number is above 0 is an extra prize draw held beside the main draw of its
// date (Lotto Max's MaxMillions): it has no bonus and is not a draw of the game's history.
bool isExtraDraw(const QStringList& cells, const Layout& layout)
{
    if (layout.sequenceColumn < 0 || layout.sequenceColumn >= cells.size())
        return false;
    const auto sequence = wholeNumber(cells[layout.sequenceColumn]);
    return sequence && *sequence > 0;
}

std::optional<DrawImport::ImportedDraw>
readRow(const QStringList& cells, const Layout& layout, int gameId, int line, QString* reason)
{
    using DrawImport::ImportedDraw;
    if (cells.size() != layout.fields)
        return refuse<ImportedDraw>(reason,
                                    QStringLiteral("%1 where %2 were expected")
                                        .arg(counted(cells.size(), QStringLiteral("field")))
                                        .arg(layout.fields));
    static const QRegularExpression isoDate(QStringLiteral("^([0-9]{4})-([0-9]{1,2})-([0-9]{1,2})$"));
    const QString& dateText = cells[layout.dateColumn];
    const auto date = isoDate.match(dateText);
    if (!date.hasMatch())
        return refuse<ImportedDraw>(reason, QStringLiteral("\"%1\" is not a date written YYYY-MM-DD").arg(dateText));
    ImportedDraw draw;
    draw.line = line;
    draw.year = date.captured(1).toInt();
    draw.month = date.captured(2).toInt();
    draw.day = date.captured(3).toInt();
    if (!DrawRules::isValidDate(draw.day, draw.month, draw.year))
        return refuse<ImportedDraw>(reason, QStringLiteral("there is no date %1").arg(dateText));

    std::vector<int> columns = layout.numberColumns;
    columns.push_back(layout.bonusColumn);
    std::array<int, 8> values{};
    for (size_t i = 0; i < columns.size(); ++i) {
        const auto value = wholeNumber(cells[columns[i]]);
        if (!value)
            return refuse<ImportedDraw>(reason, QStringLiteral("\"%1\" is not a whole number").arg(cells[columns[i]]));
        values[i] = *value;
    }
    const int count = static_cast<int>(layout.numberColumns.size());
    for (int i = 0; i < count; ++i)
        draw.numbers[i] = static_cast<int16_t>(values[i]);
    sortFirst(draw.numbers, count);
    draw.bonus = static_cast<int16_t>(values[count]);
    const QDate drawDate(draw.year, draw.month, draw.day);
    const QString problem = DrawRules::numbersProblem(gameId, drawDate, draw.numbers, draw.bonus, true);
    if (!problem.isEmpty())
        return refuse<ImportedDraw>(reason, problem);
    return draw;
}

// The numbers of a draw in a form that compares equal for the same draw: main numbers sorted, bonus.
std::array<int16_t, 8> drawIdentity(const std::array<int16_t, 7>& numbers, int count, int16_t bonus)
{
    std::array<int16_t, 8> id{};
    std::copy_n(numbers.begin(), count, id.begin());
    sortFirst(id, count);
    id[7] = bonus;
    return id;
}

void note(std::vector<DrawImport::Problem>& named, int line, const QString& reason)
{
    if (static_cast<int>(named.size()) < DrawImport::ProblemsNamed)
        named.push_back({line, reason});
}

bool cancelled(const bool* cancel)
{
    return cancel && *cancel;
}

QString problemLines(const QString& title, const std::vector<DrawImport::Problem>& named, int total)
{
    if (named.empty())
        return {};
    QString text = QStringLiteral("\n\n") + title;
    for (const DrawImport::Problem& p : named)
        text += QStringLiteral("\nLine %1: %2").arg(p.line).arg(p.reason);
    if (total > static_cast<int>(named.size()))
        text += QStringLiteral("\n... and %1 more").arg(total - static_cast<int>(named.size()));
    return text;
}
} // namespace

namespace DrawImport
{
std::optional<QByteArray> readSource(const QString& path, QString* error)
{
    return WholeFile::read(path, MaxFileSize, error);
}

std::optional<Parsed>
parse(const QByteArray& text, int gameId, const Progress& progress, const bool* cancel, QString* error)
{
    const QStringList lines = QString::fromUtf8(text).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    const int total = static_cast<int>(lines.size());
    std::optional<Layout> layout;
    bool headerSeen = false;
    bool ownProduct = true;
    Parsed parsed;
    for (int i = 0; i < total; ++i) {
        if (i % ProgressStep == 0) {
            if (progress)
                progress(i, total);
            if (cancelled(cancel))
                return Parsed{};
        }
        QStringView line = lines[i];
        if (i == 0 && line.startsWith(QChar(0xFEFF)))
            line = line.mid(1);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList cells = cellsOf(line);
        if (!layout) {
            // The first line may be a header: the operator's names its columns, a plain one is skipped.
            const bool header = !headerSeen && (cells[0].isEmpty() || !cells[0][0].isDigit());
            headerSeen = true;
            if (header) {
                if (cells[0].compare(QStringLiteral("PRODUCT"), Qt::CaseInsensitive) != 0)
                    continue;
                layout = operatorLayout(cells, gameId, error);
                if (!layout)
                    return std::nullopt;
                continue;
            }
            layout = plainLayout(cells, gameId, error);
            if (!layout)
                return std::nullopt;
        }
        if (layout->hasProduct) {
            // A file of another game's draws would mix silently into this game's history.
            const int fileGame = gameOfProduct(cells[0]);
            if (fileGame != 0 && fileGame != gameId)
                return refuse<Parsed>(error,
                                      QStringLiteral("This file holds draws of %1, not of %2. Nothing was imported.")
                                          .arg(GameCatalogue::game(fileGame).name, GameCatalogue::game(gameId).name));
            ownProduct = ownProduct && fileGame == gameId;
            if (isExtraDraw(cells, *layout)) {
                ++parsed.extraDraws;
                continue;
            }
        }
        QString reason;
        if (auto draw = readRow(cells, *layout, gameId, i + 1, &reason)) {
            parsed.draws.push_back(*draw);
        } else {
            ++parsed.refused;
            note(parsed.firstRefused, i + 1, reason);
        }
    }
    if (parsed.draws.empty() && parsed.refused == 0)
        return refuse<Parsed>(error, QStringLiteral("The file holds no draws."));
    parsed.ownProduct = layout->hasProduct && ownProduct;
    return parsed;
}

std::optional<Merged> merge(const QByteArray& history,
                            const Parsed& parsed,
                            int gameId,
                            const Progress& progress,
                            const bool* cancel,
                            QString* error)
{
    const int count = GameCatalogue::mainCount(gameId);
    HistoryImage image(history);
    std::unordered_map<int, std::array<int16_t, 8>> stored;
    for (const DrawRecord& r : image.draws())
        stored.emplace(r.dateKey(), drawIdentity(r.numbers, count, r.bonus)); // the first of a date is the one shown

    std::vector<const ImportedDraw*> order;
    order.reserve(parsed.draws.size());
    for (const ImportedDraw& d : parsed.draws)
        order.push_back(&d);
    std::stable_sort(order.begin(), order.end(), [](const ImportedDraw* a, const ImportedDraw* b) {
        return DateText::DateKey(a->day, a->month, a->year) < DateText::DateKey(b->day, b->month, b->year);
    });

    Merged merged;
    Summary& summary = merged.summary;
    summary.refused = parsed.refused;
    summary.firstRefused = parsed.firstRefused;
    summary.extraDraws = parsed.extraDraws;
    const int total = static_cast<int>(order.size());
    for (int i = 0; i < total; ++i) {
        if (i % ProgressStep == 0) {
            if (progress)
                progress(i, total);
            if (cancelled(cancel)) {
                summary.cancelled = true;
                merged.history = history;
                return merged;
            }
        }
        const ImportedDraw& d = *order[i];
        const int key = DateText::DateKey(d.day, d.month, d.year);
        const auto id = drawIdentity(d.numbers, count, d.bonus);
        if (const auto it = stored.find(key); it != stored.end()) {
            if (it->second == id) {
                ++summary.alreadyPresent;
            } else {
                ++summary.conflicts;
                note(summary.firstConflicts,
                     d.line,
                     QStringLiteral("the draw of %1-%2-%3 differs from the one already stored, which was kept")
                         .arg(d.year)
                         .arg(d.month, 2, 10, QLatin1Char('0'))
                         .arg(d.day, 2, 10, QLatin1Char('0')));
            }
            continue;
        }
        if (image.insert(gameId, d.day, d.month, d.year, d.numbers, d.bonus) == 0)
            return refuse<Merged>(error,
                                  QStringLiteral("The history would hold more than %1 draws, the most a history file "
                                                 "can hold. Nothing was imported.")
                                      .arg(ResultsFile::MaxDraws));
        stored.emplace(key, id);
        ++summary.added;
    }
    if (progress)
        progress(total, total);
    merged.history = image.bytes();
    return merged;
}

std::optional<Summary> importFile(const QString& sourcePath,
                                  const QString& historyPath,
                                  int gameId,
                                  const Confirm& confirm,
                                  const Progress& progress,
                                  const bool* cancel,
                                  QString* error)
{
    const auto text = readSource(sourcePath, error);
    if (!text)
        return std::nullopt;

    // The work is counted in two halves: reading the rows, then merging the draws.
    const Progress parsing = [&](int done, int total) {
        if (progress)
            progress(done, 2 * total);
    };
    const Progress merging = [&](int done, int total) {
        if (progress)
            progress(total + done, 2 * total);
    };
    const auto parsed = parse(*text, gameId, parsing, cancel, error);
    if (!parsed)
        return std::nullopt;
    // A file that does not say it holds this game's draws goes in only when the player agrees.
    const auto declined = [&] {
        return !parsed->ownProduct && !parsed->draws.empty()
               && !(confirm && confirm(importQuestion(static_cast<int>(parsed->draws.size()), gameId)));
    };
    if (cancelled(cancel) || declined()) {
        Summary stopped;
        stopped.cancelled = true;
        return stopped;
    }

    RecordFile current(DrawRecord::Size);
    if (QFileInfo::exists(historyPath) && !current.load(historyPath, error))
        return std::nullopt;
    const auto merged = merge(current.bytes(), *parsed, gameId, merging, cancel, error);
    if (!merged)
        return std::nullopt;
    if (merged->summary.added > 0 && !merged->summary.cancelled
        && !WholeFile::write(historyPath, merged->history, error))
        return std::nullopt;
    return merged->summary;
}

QString importQuestion(int draws, int gameId)
{
    return QStringLiteral("Import %1 into %2?")
        .arg(counted(draws, QStringLiteral("draw")), GameCatalogue::game(gameId).name);
}

QString summaryText(const Summary& summary)
{
    QString text = QStringLiteral("Draws added: %1\nDraws already present: %2\nConflicts (the stored draw was kept): "
                                  "%3\nRows refused: %4")
                       .arg(summary.added)
                       .arg(summary.alreadyPresent)
                       .arg(summary.conflicts)
                       .arg(summary.refused);
    if (summary.extraDraws > 0)
        text += QStringLiteral("\nExtra prize draws skipped: %1").arg(summary.extraDraws);
    text += problemLines(QStringLiteral("Refused rows:"), summary.firstRefused, summary.refused);
    text += problemLines(QStringLiteral("Conflicts:"), summary.firstConflicts, summary.conflicts);
    return text;
}
} // namespace DrawImport
