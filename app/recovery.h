#pragma once
// Keeps a copy of the unsaved pairing in the user's application data folder,
// so that a program that is killed or crashes loses nothing, and offers the
// copies left by such a program at the next start.
//
// The start-up makes one after the windows, with the main window as parent,
// and calls offerLeftovers() once the splash has gone:
//
//     auto* keeper = new RecoveryKeeper(*windows.form1, recoveryFolder());
//     keeper->offerLeftovers();
//
// From then on every change that sets Modified is copied within
// RecoveryDelayMs, by a timer that the change starts but never restarts, so
// that steady score entry cannot put the copy off. The copy goes when the
// pairing is saved, opened over or closed, and when the window closes: the
// organiser has then either nothing unsaved or chosen to lose it.

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QLabel;
class QTimer;

namespace pf {

class RecoverySlot;
class TForm1;

inline constexpr int RecoveryDelayMs = 1000;

inline constexpr char MsgRecoveryWriteFailed[] =
    "復元用データを保存出来ません。こまめに上書き保存して下さい。";

// The folder of the copies: QStandardPaths::AppDataLocation.
QString recoveryFolder();

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // Takes a slot of its own in `folder`; with none free, keeps no copy.
    RecoveryKeeper(TForm1& window, const QString& folder);
    ~RecoveryKeeper() override;

    // Offers, one after the other, the copies of programs that are no longer
    // running: restoring one ends the offers (the rest wait for the next
    // start); declining one asks once more before the copy is deleted. A
    // copy that cannot be read is reported and renamed so it is not offered
    // again.
    void offerLeftovers();

    // Where this program's copy goes; empty when it keeps none.
    QString copyPath() const;
    // Writes a pending copy at once (the timer does this by itself); true
    // when a copy was written.
    bool flush();

private:
    void followChange();
    void dropCopy();
    // The status-bar mark that the copy cannot be written, with `reason` as
    // its tip; an empty reason takes it away.
    void showCopyFailure(const QString& reason);
    // Removes the copy that was restored, if it is still there.
    void dropRestored();

    TForm1& window_;
    std::unique_ptr<RecoverySlot> slot_;
    std::unique_ptr<RecoverySlot> restored_; // held until it may go
    QTimer* timer_;
    QPointer<QLabel> warning_; // made at the first failure, owned by the status bar
};

} // namespace pf
