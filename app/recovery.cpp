#include "app/recovery.h"

#include "app/main_window.h"
#include "files/file_access.h"
#include "files/recovery_file.h"
#include "model/texts.h"
#include "widgets/prompts.h"
#include "widgets/up_down.h"

#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

namespace pf {

namespace {
const QString RestoreTitle = QStringLiteral("復元の確認");
} // namespace

QString recoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

RecoveryKeeper::RecoveryKeeper(TForm1& window, const QString& folder)
    : QObject(&window), window_(window), slot_(RecoverySlot::claim(folder)),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("recoveryKeeper"));
    timer_->setSingleShot(true);
    timer_->setInterval(RecoveryDelayMs);
    connect(timer_, &QTimer::timeout, this, &RecoveryKeeper::flush);
    connect(&window_, &TForm1::pairingChanged, this, &RecoveryKeeper::followChange);
    connect(&window_, &TForm1::closeAccepted, this, &RecoveryKeeper::dropCopy);
    // The court count is part of the copy but not a change of the pairing.
    if (auto* courts = window_.findChild<UpDown*>(QStringLiteral("UpDown13")))
        connect(courts, &UpDown::clicked, this, &RecoveryKeeper::followChange);
}

// The copy is left as it is: a run that ends without the window's close
// being accepted (an error escaping the event loop) has not chosen to lose it.
RecoveryKeeper::~RecoveryKeeper() = default;

QString RecoveryKeeper::copyPath() const {
    return slot_ ? slot_->path() : QString();
}

void RecoveryKeeper::followChange() {
    if (!window_.session().Modified) {
        dropCopy();
        return;
    }
    if (!timer_->isActive())
        timer_->start();
}

bool RecoveryKeeper::flush() {
    timer_->stop();
    if (!slot_ || !window_.session().Modified)
        return false;
    // Tried again on the next change; the organiser hears of it once, and
    // the mark stays until a copy is written again or nothing is unsaved.
    const Status written = slot_->write(recoveryFileBytes(window_.session()));
    showCopyFailure(written ? QString() : failureReason(written.error));
    if (written)
        dropRestored();
    return written.ok();
}

void RecoveryKeeper::dropRestored() {
    if (restored_)
        restored_->remove();
    restored_.reset();
}

void RecoveryKeeper::dropCopy() {
    timer_->stop();
    showCopyFailure(QString());
    if (slot_)
        slot_->remove();
    dropRestored();
}

void RecoveryKeeper::showCopyFailure(const QString& reason) {
    if (reason.isEmpty()) {
        if (warning_)
            warning_->hide();
        return;
    }
    if (warning_ && !warning_->isHidden())
        return;
    if (!warning_) {
        warning_ = new QLabel(QString::fromUtf8(MsgRecoveryWriteFailed));
        warning_->setObjectName(QStringLiteral("recoveryWarning"));
        QPalette pal = warning_->palette();
        pal.setColor(QPalette::WindowText, Qt::red);
        warning_->setPalette(pal);
        window_.statusBar()->addPermanentWidget(warning_);
    }
    warning_->setToolTip(reason);
    warning_->show();
}

void RecoveryKeeper::offerLeftovers() {
    if (!slot_)
        return;
    auto left = leftRecoveries(QFileInfo(slot_->path()).path(), slot_->number());
    for (auto& copy : left) {
        const RecoveryContent content = readRecoveryFile(copy->path());
        if (!content.ok()) {
            const QString aside = copy->setAside(
                QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
            prompts().message(
                &window_,
                QString::fromUtf8(MsgRecoveryDamaged).arg(QDir::toNativeSeparators(aside)),
                QString::fromUtf8(ErrorTitle), Buttons::Ok);
            continue;
        }
        if (prompts().message(
                &window_,
                QStringLiteral("前回、保存されずに終了した組み合わせがあります。復元しますか？"),
                RestoreTitle, Buttons::YesNo) == Answer::Yes) {
            // The copy restored goes once ours is written (there is never a
            // moment without one), or once nothing is left unsaved.
            window_.restoreRecovered(content);
            restored_ = std::move(copy);
            flush();
            return;
        }
        if (prompts().message(
                &window_,
                QStringLiteral("復元しない場合、このデータは削除されます。よろしいですか？"),
                RestoreTitle, Buttons::YesNo, Answer::No) == Answer::Yes)
            copy->remove();
    }
}

} // namespace pf
