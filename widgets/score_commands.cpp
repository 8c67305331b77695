#include "widgets/score_commands.h"

#include <QUndoStack>

namespace pf {

namespace {

constexpr int ScoreCommandId = 1;

std::int32_t& countOf(Session& session, int slot, int side) {
    MatchRecord& m = session.Matches[static_cast<std::size_t>(slot)];
    return side == 0 ? m.WinA : m.WinB;
}

} // namespace

ScoreCommand::ScoreCommand(Session& session, int slot, int side, int from, int to, ScoreShown shown,
                           bool continues)
    : session_(session), slot_(slot), side_(side), from_(from), to_(to), shown_(std::move(shown)),
      continues_(continues) {
    setText(QStringLiteral("第%1試合").arg(slot + 1));
}

void ScoreCommand::apply(int value, bool reveal) {
    countOf(session_, slot_, side_) = value;
    session_.markModified();
    if (shown_)
        shown_(slot_, reveal);
}

void ScoreCommand::redo() {
    // The first run is the change as it was made; it is already in view.
    apply(to_, pushed_);
    pushed_ = true;
}

void ScoreCommand::undo() {
    apply(from_, true);
}

int ScoreCommand::id() const {
    return ScoreCommandId;
}

bool ScoreCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ScoreCommand*>(other);
    if (!next->continues_ || next->slot_ != slot_ || next->side_ != side_)
        return false;
    to_ = next->to_;
    if (to_ == from_)
        setObsolete(true); // typed back to where it started: no step at all
    return true;
}

void recordScore(QUndoStack& history, Session& session, int slot, int side, int to,
                 const ScoreShown& shown, bool continues) {
    if (slot < 0 || slot >= MaxMatches)
        return;
    const int from = countOf(session, slot, side);
    if (from == to)
        return;
    history.push(new ScoreCommand(session, slot, side, from, to, shown, continues));
}

} // namespace pf
