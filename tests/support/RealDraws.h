// RealDraws: the official National 6/49 history (csv) as draw records, for realistic tests.
#pragma once

#include "DrawRecord.h"

#include <QFile>
#include <QString>

#include <vector>

inline std::vector<DrawRecord> loadRealDraws(const QString& csvPath)
{
    std::vector<DrawRecord> draws;
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return draws;
    file.readLine(); // header
    while (!file.atEnd()) {
        const QList<QByteArray> cells = file.readLine().trimmed().split(',');
        if (cells.size() != 8)
            continue;
        const QList<QByteArray> date = cells[0].split('-');
        DrawRecord r;
        r.year = static_cast<int16_t>(date[0].toInt());
        r.month = static_cast<int16_t>(date[1].toInt());
        r.day = static_cast<int16_t>(date[2].toInt());
        for (int i = 0; i < 6; ++i)
            r.numbers[i] = static_cast<int16_t>(cells[1 + i].toInt());
        r.bonus = static_cast<int16_t>(cells[7].toInt());
        draws.push_back(r);
    }
    return draws;
}
