// RealDraws: the official National 6/49 history (tests/data/lotto649.csv) as draw records, for
// tests and benchmarks at full scale. A missing or short file stops the program with its name, so a
// test can never pass on an empty history.
#pragma once

#include "DrawRecord.h"

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

inline std::vector<DrawRecord> loadRealDraws()
{
    const QString path = testDataPath(QStringLiteral("lotto649.csv"));
    std::vector<DrawRecord> draws;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the real draw history %s: %s", qPrintable(path), qPrintable(file.errorString()));
    file.readLine(); // header
    while (!file.atEnd()) {
        const QList<QByteArray> cells = file.readLine().trimmed().split(',');
        if (cells.size() != 8)
            continue;
        const QList<QByteArray> date = cells[0].split('-');
        DrawRecord r;
        r.position = static_cast<int16_t>(draws.size() + 1);
        r.year = static_cast<int16_t>(date[0].toInt());
        r.month = static_cast<int16_t>(date[1].toInt());
        r.day = static_cast<int16_t>(date[2].toInt());
        for (int i = 0; i < 6; ++i)
            r.numbers[i] = static_cast<int16_t>(cells[1 + i].toInt());
        r.bonus = static_cast<int16_t>(cells[7].toInt());
        draws.push_back(r);
    }
    if (draws.size() != 4453)
        qFatal("%s holds %zu draws, expected 4453", qPrintable(path), draws.size());
    return draws;
}
