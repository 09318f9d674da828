// LottoMaxDraws: the official Lotto Max history (tests/data/lottomax-official.csv, the operator's
// layout) as draw records, read apart from the program's importer so each checks the other. A
// missing or short file stops the program with its name.
#pragma once

#include "RealDraws.h"

#include <QDate>

inline std::vector<DrawRecord> loadLottoMaxDraws()
{
    const QString path = testDataPath(QStringLiteral("lottomax-official.csv"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the Lotto Max history %s: %s", qPrintable(path), qPrintable(file.errorString()));
    file.readLine(); // header
    std::vector<DrawRecord> draws;
    while (!file.atEnd()) {
        // "LOTTO MAX",1273,0,"2026-09-25",8,24,38,41,43,50,52,7
        const QList<QByteArray> cells = file.readLine().trimmed().replace('"', "").split(',');
        if (cells.size() != 12)
            continue;
        const QDate date = QDate::fromString(QString::fromLatin1(cells[3]), Qt::ISODate);
        DrawRecord r;
        r.position = static_cast<int16_t>(draws.size() + 1);
        r.year = static_cast<int16_t>(date.year());
        r.month = static_cast<int16_t>(date.month());
        r.day = static_cast<int16_t>(date.day());
        for (int i = 0; i < 7; ++i)
            r.numbers[i] = static_cast<int16_t>(cells[4 + i].toInt());
        r.bonus = static_cast<int16_t>(cells[11].toInt());
        draws.push_back(r);
    }
    if (draws.size() != 1273)
        qFatal("%s holds %zu draws, expected 1273", qPrintable(path), draws.size());
    return draws;
}
