// Clock: where the program learns today's date, so tests can fix the day.
#pragma once

#include <QDate>

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock : public Clock
{
public:
    QDate today() const override;
};
