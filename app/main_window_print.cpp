// The paper commands: the print preview of the schedule, each member's list,
// the score slips or the standings, printed through the printer dialog, and
// the same sheets saved as a PDF.

#include "app/main_window.h"

#include "app/paper_print.h"
#include "dialogs/settings_store.h"
#include "model/texts.h"
#include "paper/paper_render.h"
#include "paper/paper_settings.h"
#include "widgets/modal_runner.h"
#include "widgets/prompts.h"

#include <QAction>
#include <QMenu>

namespace pf {

void TForm1::buildPrintCommands(QMenu* file) {
    file->addSeparator()->setObjectName(QStringLiteral("PaperSeparator"));
    printAction_ = addCommand(file, "printAction", QStringLiteral("印刷(&P)..."),
                              QStringLiteral("組合せ表、個人別の予定、スコアカード、成績表を"
                                             "印刷します。"),
                              &TForm1::printClick);
    printAction_->setShortcut(QKeySequence::Print);
    pdfAction_ =
        addCommand(file, "pdfAction", QStringLiteral("PDFに保存(&D)..."),
                   QStringLiteral("印刷するページをPDFファイルに保存します。"), &TForm1::pdfClick);
}

void TForm1::printClick() {
    if (!session_.PairingOpen)
        return;
    if (!paperOptions_)
        paperOptions_ = std::make_shared<PaperOptions>(initialPaperOptions());
    PaperPreview preview(session_, *paperOptions_, this);
    runModal(preview);
    *paperOptions_ = preview.options();
}

void TForm1::pdfClick() {
    if (!session_.PairingOpen)
        return;
    if (!paperOptions_)
        paperOptions_ = std::make_shared<PaperOptions>(initialPaperOptions());
    PaperPdfDialog dialog(*paperOptions_, this);
    bool chosen = false;
    connect(dialog.optionsBar(), &PaperOptionsBar::paperChosen, &dialog,
            [&chosen] { chosen = true; });
    if (runModal(dialog) != QDialog::Accepted)
        return;
    const PaperOptions options = dialog.optionsBar()->options();
    *paperOptions_ = options;
    if (chosen)
        savePaperChoice(programSettings(), {options.setup.size, options.setup.landscape});
    const QString path = prompts().saveFile(
        this, {QStringLiteral("PDFに保存"),
               QStringLiteral("PDFファイル(*.pdf)|*.pdf|全てのファイル(*.*)|*.*"),
               QStringLiteral("pdf"), lastPdfChoice_});
    if (path.isEmpty())
        return;
    lastPdfChoice_ = path;
    const QByteArray pdf = paperPdf(options.doc, paperDayOf(session_), options.setup);
    if (pdf.isEmpty()) {
        prompts().message(this, QString::fromUtf8(MsgWriteFailed), QString::fromUtf8(ErrorTitle),
                          Buttons::Ok);
        return;
    }
    saveExport(path, pdf);
}

} // namespace pf
