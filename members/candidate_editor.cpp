#include "members/candidate_editor.h"

#include "files/atomic_save.h"
#include "files/file_access.h"
#include "members/candidate_file.h"
#include "members/candidate_text.h"
#include "members/member_selection.h"
#include "model/name_rules.h"
#include "model/text_codec.h"
#include "widgets/prompts.h"
#include "widgets/ui_fonts.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>

namespace pf {

TOKBottomDlg1::TOKBottomDlg1(TDualListDlg& selection, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      selection_(selection) {
    setObjectName(QStringLiteral("OKBottomDlg1"));
    setWindowTitle(QStringLiteral("メンバー候補リストの編集"));
    setFont(proportionalGothic(12));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setTabChangesFocus(true);

    SaveBtn = new QPushButton(QStringLiteral("保存"), this);
    SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    SaveBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("キャンセル"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    connect(SaveBtn, &QPushButton::clicked, this, &TOKBottomDlg1::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TOKBottomDlg1::reject);

    // 321 × 420 with the frame; the width stays fixed.
    setMinimumSize(321, 170);
    setMaximumWidth(321);
    resize(321, 390);
}

void TOKBottomDlg1::FormActivate() {
    const CandidateFileText file = readCandidateFile(selection_.candidateFileName());
    if (!file.ok())
        return;
    loaded_ = normalizeLineEnds(file.text);
    QString text = decodeCp932(loaded_);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Memo1->setPlainText(text);
}

void TOKBottomDlg1::SaveBtnClick() {
    // Each line is encoded on its own so that a character the file cannot
    // hold is shown where it stands; nothing is written until all are good.
    const QStringList lines = Memo1->toPlainText().split(QLatin1Char('\n'));
    for (int k = 0; k < lines.size(); ++k) {
        if (lines[k].contains(QLatin1Char(','))) {
            refuseLine(k, nameRefusal(MsgNameComma, lines[k]));
            return;
        }
    }
    int bad = -1;
    const std::optional<QByteArray> text = encodeCandidateLines(lines, loaded_, &bad);
    if (!text) {
        refuseLine(bad, nameRefusal(MsgNameBadChar, lines.value(bad)));
        return;
    }
    const QByteArray cleaned = cleanCandidateText(*text);
    QString shown = decodeCp932(cleaned);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Memo1->setPlainText(shown);

    const QString path = selection_.candidateFileName();
    if (readCandidateFile(path).tooLarge) {
        // The program never read that file, so writing the editor's text over
        // it would lose whatever it holds; the organiser decides what to do.
        prompts().message(this,
                          QStringLiteral("ファイル %1 は大き過ぎるため読み込んでいません。\n"
                                         "上書きすると内容が失われるため、保存しません。")
                              .arg(QDir::toNativeSeparators(path)),
                          QString::fromUtf8(ErrorTitle), Buttons::Ok);
        return;
    }
    if (const Status saved = saveFileAtomically(path, cleaned); !saved) {
        // The dialog stays open with the cleaned text, so no edit is lost.
        prompts().message(
            this,
            QStringLiteral("ファイル %1 を作成できません").arg(QDir::toNativeSeparators(path)) +
                QLatin1Char('\n') + failureReason(saved.error),
            QString::fromUtf8(ErrorTitle), Buttons::Ok);
        return;
    }
    loaded_ = cleaned;
    selection_.replaceCandidates(parseCandidateLines(cleaned));
    accept();
}

void TOKBottomDlg1::refuseLine(int line, const std::string& message) {
    const QTextBlock block = Memo1->document()->findBlockByNumber(line);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    Memo1->setTextCursor(cursor);
    prompts().message(this, QString::fromUtf8(message), QString::fromUtf8(ErrorTitle), Buttons::Ok);
    Memo1->setFocus();
}

void TOKBottomDlg1::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The memo takes the height the two buttons leave below it.
    const int h = height();
    Memo1->setGeometry(0, 0, width(), h - 40);
    SaveBtn->setGeometry(width() / 2 - 80, h - 32, 75, 25);
    CancelBtn->setGeometry(width() / 2 + 5, h - 32, 75, 25);
}

void TOKBottomDlg1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred the first time; after that it comes back where the organiser
    // left it (moving it again on every show let the frame push it down).
    if (const QScreen* s = screen(); s && !placed_) {
        placed_ = true;
        move(s->availableGeometry().center() - rect().center());
    }
    // Straight into the names: a space typed with the focus on 保存 would
    // save and close.
    Memo1->setFocus();
}

} // namespace pf
