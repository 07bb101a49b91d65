#include "yearplayer.h"

namespace censaria::populations {

YearPlayer::YearPlayer(QObject *parent)
    : QObject(parent)
{
    timer_.setInterval(frameMilliseconds);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &YearPlayer::frame);
}

void YearPlayer::play()
{
    if (isPlaying())
        return;
    clock_.start();
    timer_.start();
    emit playingChanged(true);
}

void YearPlayer::pause()
{
    if (!isPlaying())
        return;
    timer_.stop();
    emit playingChanged(false);
}

void YearPlayer::frame()
{
    // The time really gone by: a slow frame does not slow the years down.
    const double seconds = clock_.restart() / 1000.0;
    emit advanced(std::min(seconds, 0.25) * yearsPerSecond);
}

} // namespace censaria::populations
