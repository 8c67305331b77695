#include "court/round_clock.h"

#include <algorithm>

namespace pf {

RoundClock::RoundClock(Now now) : now_(std::move(now)) {
    leftAtPause_ = fullMs();
}

void RoundClock::setMinutes(int minutes) {
    minutes_ = std::clamp(minutes, 1, 99);
    if (state() != State::Running)
        reset();
}

void RoundClock::start() {
    const State s = state();
    if (s == State::Running)
        return;
    if (s == State::Expired)
        leftAtPause_ = fullMs();
    endsAt_ = now_() + leftAtPause_;
    state_ = State::Running;
    told_ = false;
}

void RoundClock::pause() {
    if (state() != State::Running)
        return;
    leftAtPause_ = std::max<std::int64_t>(0, endsAt_ - now_());
    state_ = State::Paused;
}

void RoundClock::reset() {
    state_ = State::Ready;
    leftAtPause_ = fullMs();
    told_ = false;
}

void RoundClock::restart() {
    reset();
    start();
}

RoundClock::State RoundClock::state() const {
    if (state_ == State::Running && now_() >= endsAt_)
        return State::Expired;
    return state_;
}

std::int64_t RoundClock::remainingMs() const {
    switch (state()) {
    case State::Running:
        return endsAt_ - now_();
    case State::Expired:
        return 0;
    default:
        return leftAtPause_;
    }
}

QString RoundClock::text() const {
    const std::int64_t seconds = (remainingMs() + 999) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

bool RoundClock::poll() {
    if (told_ || state() != State::Expired)
        return false;
    told_ = true;
    return true;
}

bool RoundClock::flashing() const {
    return state() == State::Expired && now_() - endsAt_ < FlashMs;
}

bool RoundClock::flashOn() const {
    return flashing() && (now_() - endsAt_) / FlashPeriodMs % 2 == 0;
}

} // namespace pf
