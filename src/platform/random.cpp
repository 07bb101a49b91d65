#include "random.h"

#include "platform.h"

#include <QDateTime>
#include <cmath>

namespace censaria {

RandomGenerator::RandomGenerator()
    : engine_(startState)
{
}

double RandomGenerator::next()
{
    // 53 random bits make every double in [0, 1) reachable and 1 impossible.
    return double(engine_() >> 11) * 0x1.0p-53;
}

int RandomGenerator::draw(int first, int count)
{
    return int(std::floor(next() * count + first));
}

void RandomGenerator::reseed(quint64 seed)
{
    engine_.seed(seed);
}

void RandomGenerator::reseedFromClock(const Clock &clock)
{
    reseed(quint64(clock.now().toMSecsSinceEpoch()));
}

double ScriptedRandom::next()
{
    if (!queued_.isEmpty())
        return queued_.takeFirst();
    return RandomGenerator::next();
}

} // namespace censaria
