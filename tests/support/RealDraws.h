// RealDraws: the official draw histories in tests/data as draw records, for tests and benchmarks at
// full scale: National 6/49 from lotto649.csv, or any game from the operator's own file of it. A
// missing, short or damaged file stops the program with its name, so a test can never pass on an
// empty history.
#pragma once

#include "DrawRecord.h"
#include "GameCatalogue.h"

#include <QFile>
#include <QString>

#include <vector>

#ifndef TEST_DATA_DIR
#error "TEST_DATA_DIR must name the tests/data folder"
#endif

inline QString testDataPath(const QString& name)
{
    return QStringLiteral(TEST_DATA_DIR "/") + name;
}

// The rows of a CSV file after its header, cells unquoted; rows of another width stop the program.
inline std::vector<QList<QByteArray>> realDrawRows(const QString& path, int width)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the real draw history %s: %s", qPrintable(path), qPrintable(file.errorString()));
    file.readLine(); // header
    std::vector<QList<QByteArray>> rows;
    while (!file.atEnd()) {
        QList<QByteArray> cells = file.readLine().trimmed().split(',');
        if (cells.size() != width)
            qFatal("%s: row %zu has %lld cells, expected %d",
                   qPrintable(path),
                   rows.size() + 2,
                   qlonglong(cells.size()),
                   width);
        for (QByteArray& cell : cells)
            cell.replace('"', "");
        rows.push_back(cells);
    }
    return rows;
}

// One draw from its date cell (YYYY-MM-DD), its main numbers and the bonus.
inline DrawRecord
realDraw(int position, const QByteArray& date, const QList<QByteArray>& numbers, const QByteArray& bonus)
{
    const QList<QByteArray> ymd = date.split('-');
    DrawRecord r;
    r.position = static_cast<int16_t>(position);
    r.year = static_cast<int16_t>(ymd.value(0).toInt());
    r.month = static_cast<int16_t>(ymd.value(1).toInt());
    r.day = static_cast<int16_t>(ymd.value(2).toInt());
    for (qsizetype i = 0; i < numbers.size(); ++i)
        r.numbers[i] = static_cast<int16_t>(numbers[i].toInt());
    r.bonus = static_cast<int16_t>(bonus.toInt());
    return r;
}

// National 6/49, 4,453 draws.
inline std::vector<DrawRecord> loadRealDraws()
{
    const QString path = testDataPath(QStringLiteral("lotto649.csv"));
    std::vector<DrawRecord> draws;
    for (const QList<QByteArray>& cells : realDrawRows(path, 8))
        draws.push_back(realDraw(static_cast<int>(draws.size() + 1), cells[0], cells.mid(1, 6), cells[7]));
    if (draws.size() != 4453)
        qFatal("%s holds %zu draws, expected 4453", qPrintable(path), draws.size());
    return draws;
}

// A game's history from the operator's file of it ("PRODUCT","DRAW NUMBER","SEQUENCE NUMBER","DRAW
// DATE", the numbers drawn, "BONUS NUMBER"), such as loadRealDraws("lottomax-official.csv",
// GameCatalogue::LottoMax): 1,273 Lotto Max draws.
inline std::vector<DrawRecord> loadRealDraws(const QString& csvName, int gameId)
{
    const QString path = testDataPath(csvName);
    const int count = GameCatalogue::mainCount(gameId);
    std::vector<DrawRecord> draws;
    for (const QList<QByteArray>& cells : realDrawRows(path, 5 + count))
        draws.push_back(realDraw(static_cast<int>(draws.size() + 1), cells[3], cells.mid(4, count), cells[4 + count]));
    if (draws.empty())
        qFatal("%s holds no draws", qPrintable(path));
    return draws;
}

// Lotto Max, 1,273 draws over its three periods.
inline std::vector<DrawRecord> loadLottoMaxDraws()
{
    std::vector<DrawRecord> draws = loadRealDraws(QStringLiteral("lottomax-official.csv"), GameCatalogue::LottoMax);
    if (draws.size() != 1273)
        qFatal("lottomax-official.csv holds %zu draws, expected 1273", draws.size());
    return draws;
}
