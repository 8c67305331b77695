#pragma once
// One change of a game count as a step of the session's undo history. The
// main window's panels, the court display and whatever else takes counts
// record their changes here, so that 元に戻す and やり直し go back over all of
// them in the order they were made.

#include "model/session.h"

#include <QUndoCommand>
#include <functional>

class QUndoStack;

namespace pf {

// Told after a count of `slot` was put into the table; `reveal` is true when
// that happened by undo or redo, so the windows can bring the match into view.
using ScoreShown = std::function<void(int slot, bool reveal)>;

class ScoreCommand : public QUndoCommand {
public:
    // `side` 0 is pair A (WinA), 1 pair B. `continues` lets the change merge
    // with the one before it on the same count (digits typed one after the
    // other, a run of arrow clicks), so that one undo takes back the entry.
    ScoreCommand(Session& session, int slot, int side, int from, int to, ScoreShown shown,
                 bool continues);

    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    int slot() const { return slot_; }
    int side() const { return side_; }

private:
    void apply(int value, bool reveal);

    Session& session_;
    int slot_;
    int side_;
    int from_;
    int to_;
    ScoreShown shown_;
    bool continues_;
    bool pushed_ = false;
};

// Puts `to` into the count unless it already holds it, as one undoable step.
void recordScore(QUndoStack& history, Session& session, int slot, int side, int to,
                 const ScoreShown& shown, bool continues = false);

} // namespace pf
