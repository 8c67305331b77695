#pragma once
// The round clock of the court board: a countdown of the minutes a round
// may take, started, paused and reset by the organiser, which at zero makes
// the board flash for a while. Time comes from the clock it is given, in
// milliseconds that only ever grow, so that the window and the tests drive
// it alike:
//
//     RoundClock clock([&timer] { return timer.elapsed(); });
//     clock.setMinutes(15);
//     clock.start();
//     …                                 // on every tick of the window:
//     if (clock.poll())                 // true once, when zero is reached
//         playChime();
//     draw(clock.text(), clock.flashOn());

#include <QString>
#include <cstdint>
#include <functional>

namespace pf {

class RoundClock {
public:
    using Now = std::function<std::int64_t()>;

    enum class State {
        Ready,   // full time, not started
        Running, // counting down
        Paused,  // stopped part way, resumes from where it was
        Expired  // reached zero
    };

    // How long the board flashes once the time is up, and how fast.
    static constexpr std::int64_t FlashMs = 10000;
    static constexpr std::int64_t FlashPeriodMs = 500;

    explicit RoundClock(Now now);

    // Minutes per round, 1 … 99 (anything else is brought into that range).
    // A clock that is not running is set back to the new full time.
    void setMinutes(int minutes);
    int minutes() const { return minutes_; }

    // Counts down from where it stands; an expired clock starts a new round.
    void start();
    // Stops a running clock where it is.
    void pause();
    // Back to the full time, not running.
    void reset();
    // reset() then start(): the next round.
    void restart();

    State state() const;
    bool running() const { return state() == State::Running; }
    std::int64_t remainingMs() const;
    // The time left as the board shows it, rounded up to whole seconds:
    // "15:00", "0:59", "0:00".
    QString text() const;

    // True exactly once, at the first call after the time has run out.
    bool poll();
    // While the board flashes after the time ran out: whether this half of
    // the flash is the bright one. False when not flashing.
    bool flashOn() const;
    bool flashing() const;

private:
    std::int64_t fullMs() const { return std::int64_t(minutes_) * 60000; }

    Now now_;
    int minutes_ = 15;
    State state_ = State::Ready;
    std::int64_t leftAtPause_ = 0; // remaining while not running
    std::int64_t endsAt_ = 0;      // on the time source, while running
    bool told_ = false;            // poll() has reported this zero
};

} // namespace pf
