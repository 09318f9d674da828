// RandomSource: every random choice the program makes comes from here, so tests can seed it.
#pragma once

#include <QRandomGenerator>

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A whole number in [low, high], both included.
    virtual int between(int low, int high) = 0;
    // A uniform fraction in [0, 1).
    virtual double fraction() = 0;
};

// Seeded from the time of day, as a player expects different lines on every run; tests pass a seed.
class SeededRandom : public RandomSource
{
public:
    SeededRandom();
    explicit SeededRandom(quint32 seed);
    int between(int low, int high) override;
    double fraction() override;

private:
    QRandomGenerator m_generator;
};
