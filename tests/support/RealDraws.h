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
    std::vector<QList<QByteArray>> rows;
    for (file.readLine(); !file.atEnd();) { // after the header
        rows.push_back(file.readLine().trimmed().replace('"', "").split(','));
        if (rows.back().size() != width)
            qFatal("%s: row %zu does not hold %d cells", qPrintable(path), rows.size() + 1, width);
    }
    return rows;
}

// One draw from its date cell (YYYY-MM-DD), its main numbers and the bonus.
inline DrawRecord
realDraw(int position, const QByteArray& date, const QList<QByteArray>& numbers, const QByteArray& bonus)
{
    const QList<QByteArray> ymd = date.split('-');
    DrawRecord r{0,
                 int16_t(position),
                 int16_t(ymd.value(2).toInt()),
                 int16_t(ymd.value(1).toInt()),
                 int16_t(ymd.value(0).toInt())};
    for (qsizetype i = 0; i < numbers.size(); ++i)
        r.numbers[i] = static_cast<int16_t>(numbers[i].toInt());
    r.bonus = static_cast<int16_t>(bonus.toInt());
    return r;
}

// National 6/49, 4,453 draws.
inline std::vector<DrawRecord> loadRealDraws()
{
    std::vector<DrawRecord> draws;
    for (const QList<QByteArray>& cells : realDrawRows(testDataPath(QStringLiteral("lotto649.csv")), 8))
        draws.push_back(realDraw(static_cast<int>(draws.size() + 1), cells[0], cells.mid(1, 6), cells[7]));
    if (draws.size() != 4453)
        qFatal("lotto649.csv holds %zu draws, expected 4453", draws.size());
    return draws;
}

// A game's history from the operator's file of it ("PRODUCT","DRAW NUMBER","SEQUENCE NUMBER","DRAW
// DATE", the numbers drawn, "BONUS NUMBER"), such as loadRealDraws("lottomax-official.csv",
// GameCatalogue::LottoMax): 1,273 Lotto Max draws.
inline std::vector<DrawRecord> loadRealDraws(const QString& csvName, int gameId)
{
    const int count = GameCatalogue::mainCount(gameId);
    std::vector<DrawRecord> draws;
    for (const QList<QByteArray>& cells : realDrawRows(testDataPath(csvName), 5 + count))
        draws.push_back(realDraw(static_cast<int>(draws.size() + 1), cells[3], cells.mid(4, count), cells[4 + count]));
    if (draws.empty())
        qFatal("%s holds no draws", qPrintable(csvName));
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
