// The メンバー情報 command: the facts the balanced method's day rules read.

#include "app/main_window.h"

#include "app/modal_runner.h"
#include "members/member_facts_dialog.h"
#include "members/member_selection.h"

#include <QMenu>

namespace pf {

void TForm1::buildFactsCommand(QMenu* members) {
    memberFactsAction_ =
        addCommand(members, "memberFactsAction", QStringLiteral("メンバー情報(&I)..."),
                   QStringLiteral("メンバーの性別・レベル・固定ペア・別々にする相手を登録します。"),
                   &TForm1::memberFactsClick);
}

void TForm1::memberFactsClick() {
    if (!dualListDlg_)
        return;
    if (!memberFactsDialog_)
        memberFactsDialog_ = new MemberFactsDialog(this);
    memberFactsDialog_->load(dualListDlg_->candidates(),
                             factsFilePathBeside(dualListDlg_->candidateFileName()));
    runModal(*memberFactsDialog_);
}

} // namespace pf
