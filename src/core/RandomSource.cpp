#include "RandomSource.h"

#include <QDateTime>

SeededRandom::SeededRandom()
    : m_generator(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()))
{
}

SeededRandom::SeededRandom(quint32 seed)
    : m_generator(seed)
{
}

int SeededRandom::between(int low, int high)
{
    if (high <= low)
        return low;
    return m_generator.bounded(low, high + 1);
}

double SeededRandom::fraction()
{
    return m_generator.generateDouble();
}
