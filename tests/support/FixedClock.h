// FixedClock: a Clock that always answers the day the test chose.
#pragma once

#include "Clock.h"

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDate day)
        : m_day(day)
    {
    }
    QDate today() const override
    {
        return m_day;
    }

private:
    QDate m_day;
};
