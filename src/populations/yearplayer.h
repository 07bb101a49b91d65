#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Moves the years on smoothly while playing: every frame it says how many years have
// gone by since the last one, at a pace a class can follow.
namespace censaria::populations {

class YearPlayer : public QObject
{
    Q_OBJECT
public:
    static constexpr double yearsPerSecond = 4;
    static constexpr int frameMilliseconds = 33;

    explicit YearPlayer(QObject *parent = nullptr);

    bool isPlaying() const { return timer_.isActive(); }
    void play();
    void pause();
    void toggle() { isPlaying() ? pause() : play(); }

signals:
    void advanced(double years);
    void playingChanged(bool playing);

private:
    void frame();

    QTimer timer_;
    QElapsedTimer clock_;
};

} // namespace censaria::populations
