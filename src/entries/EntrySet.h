// EntrySet: the entry set shown in the main window, as a list model (one row per line, shown as
// "03 11 19 27 38 45"). It is the one owner of the shown entry file and of the wheel whose set is
// shown: every change is written to the file first and announced through the model's signals
// second, so no view ever shows a line that is not on disk, and a failed write changes nothing.
#pragma once

#include "EntryFile.h"

#include <QAbstractListModel>
#include <QList>
#include <QStringList>

#include <optional>
#include <vector>

class Clock;

class EntrySet : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit EntrySet(QObject* parent = nullptr);

    // Where today comes from: standing and wheel sets follow the rules of today.
    void setClock(const Clock& clock);

    // The shown file; "" when nothing is shown.
    QString path() const;
    EntryKind kind() const;
    // The game whose lines are shown: six numbers a line, or seven for the seven-number games.
    int gameId() const;
    // The date whose rules the lines follow: the entry date of a dated file, today for the rest
    // (a null date, which means the newest rules, when no clock was given).
    QDate rulesDate() const;
    int count() const;
    // Type number of the wheel whose set is shown; 0 when the set is no wheel the menus opened.
    int selectedWheel() const;
    const std::vector<EntryNumbers>& lines() const;
    // Every line as the list shows it, for printing.
    QStringList lineTexts() const;

    // Leaves the shown file (deleting it when it holds no line) and shows the file at path,
    // creating it empty when it is missing. A file that cannot be read is shown with no line.
    bool open(const QString& path, int gameId, int selectedWheel = 0, QString* error = nullptr);
    // Reads the shown file again.
    bool reload(QString* error = nullptr);
    // Reads the shown file again when path names it; another file changes nothing.
    bool reloadIfShown(const QString& path, QString* error = nullptr);
    // Deletes the shown file when it holds no line; the set stays shown.
    bool removeIfEmpty(QString* error = nullptr);
    // Shows nothing; no file is touched.
    void clear();

    // Appends a line after the last; returns the new count.
    std::optional<int> append(const EntryNumbers& numbers, QString* error = nullptr);
    // Appends several lines in one write: all of them or, when the write fails, none.
    std::optional<int> append(const std::vector<EntryNumbers>& lines, QString* error = nullptr);
    // Replacing and deleting write nothing when a chosen line is no longer on disk where it is
    // shown (the file was changed outside the program): the set then shows the file as it is.
    bool replace(int row, const EntryNumbers& numbers, QString* error = nullptr);
    // Deletes the rows (0-based) as deleting them one after another would, in a single write.
    bool removeLines(QList<int> rows, QString* error = nullptr);
    // Replaces the whole shown file with an entry file's bytes and shows what it now holds.
    bool rewrite(const QByteArray& bytes, QString* error = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void show(std::vector<EntryNumbers> lines);
    // Read once per shown file: the filter asks for it at every move of its slider.
    void findRulesDate();
    // False, with the lines of the file shown instead, when a row's line is no longer where the
    // file holds it: the refusal of a change to it.
    bool stillShown(const RecordFile& file, const QList<int>& rows, QString* reason);

    const Clock* m_clock = nullptr;
    QString m_path;
    int m_gameId = 0;
    int m_selectedWheel = 0;
    QDate m_rulesDate;
    std::vector<EntryNumbers> m_lines;
};
