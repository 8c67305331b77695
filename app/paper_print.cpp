#include "app/paper_print.h"

#include "dialogs/settings_store.h"
#include "paper/paper_render.h"
#include "paper/paper_settings.h"
#include "widgets/dialog_buttons.h"
#include "widgets/modal_runner.h"
#include "widgets/ui_fonts.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

namespace pf {
namespace {

constexpr PaperDoc Docs[] = {PaperDoc::Schedule, PaperDoc::Members, PaperDoc::Slips,
                             PaperDoc::Standings};
constexpr PaperSize Sizes[] = {PaperSize::A4, PaperSize::A3, PaperSize::B4, PaperSize::Letter};

// Our own margins keep everything off the edges; the printer's page is the
// whole sheet so that the layout's points land where they were measured.
void setUpPrinter(QPrinter& printer, const PaperSetup& setup) {
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(
        pageSizeOf(setup.size), setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(0, 0, 0, 0)));
    printer.setDocName(setup.title);
}

// The action of the preview's own toolbar with Qt's text `text`.
QAction* previewAction(QPrintPreviewDialog& dialog, const char* text) {
    const QString wanted = QCoreApplication::translate("QPrintPreviewDialog", text);
    for (QToolBar* bar : dialog.findChildren<QToolBar*>())
        for (QAction* a : bar->actions())
            if (a->text() == wanted)
                return a;
    return nullptr;
}

} // namespace

PaperOptions initialPaperOptions() {
    PaperOptions o;
    const PaperChoice choice = loadPaperChoice(programSettings());
    o.setup.size = choice.size;
    o.setup.landscape = choice.landscape;
    o.setup.title = QStringLiteral("ダブルス組合せ表");
    o.setup.date = QDate::currentDate().toString(QStringLiteral("yyyy年M月d日"));
    return o;
}

PaperDay paperDayOf(const Session& session) {
    return paperDay(session.Roster, session.Matches, session.CourtCount, session.RankingMethod);
}

PaperOptionsBar::PaperOptionsBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("paperOptions"));
    setFont(proportionalGothic(12));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    auto labelled = [&](const QString& text, QWidget* w) {
        auto* l = new QLabel(text, this);
        l->setBuddy(w);
        row->addWidget(l);
        row->addWidget(w);
    };
    doc_ = new QComboBox(this);
    doc_->setObjectName(QStringLiteral("paperDocument"));
    for (PaperDoc d : Docs)
        doc_->addItem(docTitle(d));
    labelled(QStringLiteral("書類(&K):"), doc_);
    paper_ = new QComboBox(this);
    paper_->setObjectName(QStringLiteral("paperSize"));
    for (PaperSize s : Sizes)
        paper_->addItem(paperName(s));
    labelled(QStringLiteral("用紙(&Y):"), paper_);
    orientation_ = new QComboBox(this);
    orientation_->setObjectName(QStringLiteral("paperOrientation"));
    orientation_->addItems({QStringLiteral("縦"), QStringLiteral("横")});
    labelled(QStringLiteral("向き(&M):"), orientation_);
    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("paperTitle"));
    title_->setMinimumWidth(160);
    labelled(QStringLiteral("タイトル(&T):"), title_);
    date_ = new QLineEdit(this);
    date_->setObjectName(QStringLiteral("paperDate"));
    date_->setMinimumWidth(110);
    labelled(QStringLiteral("日付(&A):"), date_);
    row->addStretch(1);

    for (QComboBox* box : {doc_, paper_, orientation_})
        connect(box, &QComboBox::currentIndexChanged, this, &PaperOptionsBar::changed);
    for (QComboBox* box : {paper_, orientation_})
        connect(box, &QComboBox::activated, this, &PaperOptionsBar::paperChosen);
    for (QLineEdit* edit : {title_, date_})
        connect(edit, &QLineEdit::editingFinished, this, &PaperOptionsBar::changed);
}

PaperOptions PaperOptionsBar::options() const {
    PaperOptions o;
    o.doc = Docs[std::max(0, doc_->currentIndex())];
    o.setup.size = Sizes[std::max(0, paper_->currentIndex())];
    o.setup.landscape = orientation_->currentIndex() == 1;
    o.setup.title = title_->text();
    o.setup.date = date_->text();
    return o;
}

void PaperOptionsBar::setOptions(const PaperOptions& o) {
    const QSignalBlocker b1(doc_), b2(paper_), b3(orientation_), b4(title_), b5(date_);
    doc_->setCurrentIndex(
        static_cast<int>(std::find(std::begin(Docs), std::end(Docs), o.doc) - std::begin(Docs)));
    paper_->setCurrentIndex(static_cast<int>(
        std::find(std::begin(Sizes), std::end(Sizes), o.setup.size) - std::begin(Sizes)));
    orientation_->setCurrentIndex(o.setup.landscape ? 1 : 0);
    title_->setText(o.setup.title);
    date_->setText(o.setup.date);
}

PaperPreview::PaperPreview(const Session& session, const PaperOptions& options, QWidget* parent)
    : PaperPreview(std::make_unique<QPrinter>(QPrinter::HighResolution), session, options, parent) {
}

PaperPreview::PaperPreview(std::unique_ptr<QPrinter> printer, const Session& session,
                           const PaperOptions& options, QWidget* parent)
    : QPrintPreviewDialog(printer.get(), parent), printer_(std::move(printer)),
      day_(paperDayOf(session)), measure_(std::make_unique<PaperFontMeasure>()) {
    setObjectName(QStringLiteral("paperPreview"));
    setWindowTitle(QStringLiteral("印刷プレビュー"));
    resize(980, 720);
    bar_ = new PaperOptionsBar(this);
    bar_->setOptions(options);
    if (auto* box = qobject_cast<QVBoxLayout*>(layout()))
        box->insertWidget(0, bar_); // under the preview's tool bar
    view_ = findChild<QPrintPreviewWidget*>();
    // The paper comes from the choices above; the printer's own page set-up
    // would offer margins and sizes the sheets are not laid out for.
    if (QAction* setupAction = previewAction(*this, "Page setup"))
        setupAction->setVisible(false);
    if (QAction* print = previewAction(*this, "Print")) {
        disconnect(print, &QAction::triggered, nullptr, nullptr);
        connect(print, &QAction::triggered, this, &PaperPreview::printRequested);
    }
    connect(bar_, &PaperOptionsBar::changed, this, [this] {
        relayout();
        if (view_)
            view_->updatePreview();
    });
    connect(bar_, &PaperOptionsBar::paperChosen, this, [this] {
        const PaperOptions o = bar_->options();
        savePaperChoice(programSettings(), {o.setup.size, o.setup.landscape});
    });
    connect(this, &QPrintPreviewDialog::paintRequested, this, &PaperPreview::paint);
    relayout();
}

PaperPreview::~PaperPreview() = default;

PaperOptions PaperPreview::options() const {
    return bar_->options();
}

void PaperPreview::relayout() {
    laidOut_ = bar_->options();
    setUpPrinter(*printer(), laidOut_.setup);
    doc_ = layoutPaper(laidOut_.doc, day_, laidOut_.setup, *measure_);
}

void PaperPreview::followPrinter(QPrinter* printer) {
    const bool landscape = printer->pageLayout().orientation() == QPageLayout::Landscape;
    if (landscape == laidOut_.setup.landscape)
        return;
    PaperOptions o = bar_->options();
    o.setup.landscape = landscape;
    bar_->setOptions(o);
    savePaperChoice(programSettings(), {o.setup.size, o.setup.landscape});
    laidOut_ = o;
    doc_ = layoutPaper(o.doc, day_, o.setup, *measure_);
}

void PaperPreview::paint(QPrinter* printer) {
    followPrinter(printer);
    QPainter painter;
    if (!painter.begin(printer))
        return;
    const double dotsPerPoint = printer->resolution() / 72.0;
    for (int i = 0; i < static_cast<int>(doc_.pages.size()); ++i) {
        if (i > 0)
            printer->newPage();
        paintPaperPage(painter, doc_, i, dotsPerPoint);
    }
}

void PaperPreview::printRequested() {
    QPrintDialog dialog(printer(), this);
    dialog.setObjectName(QStringLiteral("paperPrintDialog"));
    dialog.setWindowTitle(QStringLiteral("印刷"));
    if (runModal(dialog) != QDialog::Accepted)
        return;
    // The printer dialog may have turned the paper.
    paint(printer());
    accept();
}

PaperPdfDialog::PaperPdfDialog(const PaperOptions& options, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("paperPdfDialog"));
    setWindowTitle(QStringLiteral("PDFに保存"));
    setFont(proportionalGothic(12));
    auto* layout = new QVBoxLayout(this);
    bar_ = new PaperOptionsBar(this);
    bar_->setOptions(options);
    layout->addWidget(bar_);
    const OkCancelRow buttons = makeOkCancelRow(this);
    layout->addLayout(buttons.layout);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace pf
