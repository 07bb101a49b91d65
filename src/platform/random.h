#pragma once

#include <QList>
#include <QtGlobal>
#include <random>

namespace censaria {

class Clock;

// The program's one pseudo-random generator. Every run starts from the same state,
// so until an operation re-seeds it the first draws of a run are always the same.
class RandomGenerator
{
public:
    static constexpr quint64 startState = 19680321;

    RandomGenerator();
    virtual ~RandomGenerator() = default;

    // Uniform in [0, 1).
    virtual double next();
    // A whole number from first to first + count - 1: the integer part of r * count + first.
    int draw(int first, int count);

    void reseed(quint64 seed);
    void reseedFromClock(const Clock &clock);

private:
    std::mt19937_64 engine_;
};

// For tests: hands out the queued values first, then goes on like the real generator.
class ScriptedRandom : public RandomGenerator
{
public:
    void queue(const QList<double> &values) { queued_.append(values); }
    double next() override;

private:
    QList<double> queued_;
};

} // namespace censaria
