#pragma once
// Printing the day: the options every sheet takes (which document, paper,
// orientation, title, date), the print preview that prints through the
// printer dialog, and the options asked before a PDF is saved.

#include "model/session.h"
#include "paper/paper_layout.h"

#include <QDialog>
#include <QPrintPreviewDialog>
#include <QWidget>
#include <memory>

class QComboBox;
class QLineEdit;
class QPrintPreviewWidget;
class QPrinter;

namespace pf {

class PaperFontMeasure;

struct PaperOptions {
    PaperDoc doc = PaperDoc::Schedule;
    PaperSetup setup;
};

// A run's first options: the schedule, the paper and orientation last
// chosen, the title "ダブルス組合せ表" and today's date ("yyyy年M月d日").
PaperOptions initialPaperOptions();

// The row of choices above the preview and in the PDF options.
class PaperOptionsBar : public QWidget {
    Q_OBJECT
public:
    explicit PaperOptionsBar(QWidget* parent = nullptr);
    PaperOptions options() const;
    // Sets the choices without announcing them.
    void setOptions(const PaperOptions& options);

Q_SIGNALS:
    void changed();
    // The organiser picked a paper or an orientation (kept for the next run).
    void paperChosen();

private:
    QComboBox* doc_ = nullptr;
    QComboBox* paper_ = nullptr;
    QComboBox* orientation_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLineEdit* date_ = nullptr;
};

// The print preview of the open pairing's sheets. Printing asks the
// printer dialog through the modal seam.
class PaperPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    PaperPreview(const Session& session, const PaperOptions& options, QWidget* parent = nullptr);
    ~PaperPreview() override;

    PaperOptions options() const;
    PaperOptionsBar* optionsBar() const { return bar_; }
    const PaperDocument& document() const { return doc_; }

private:
    PaperPreview(std::unique_ptr<QPrinter> printer, const Session& session,
                 const PaperOptions& options, QWidget* parent);
    void relayout();
    void paint(QPrinter* printer);
    void printRequested();
    // The preview's own orientation buttons turned the paper.
    void followPrinter(QPrinter* printer);

    // A printer at its own full resolution, so that the preview draws the
    // type as finely as the printer will.
    std::unique_ptr<QPrinter> printer_;
    PaperDay day_;
    PaperOptionsBar* bar_ = nullptr;
    QPrintPreviewWidget* view_ = nullptr;
    std::unique_ptr<PaperFontMeasure> measure_;
    PaperDocument doc_;
    PaperOptions laidOut_;
};

// The options asked before a PDF is saved.
class PaperPdfDialog : public QDialog {
    Q_OBJECT
public:
    explicit PaperPdfDialog(const PaperOptions& options, QWidget* parent = nullptr);
    PaperOptionsBar* optionsBar() const { return bar_; }

private:
    PaperOptionsBar* bar_ = nullptr;
};

// The day of the open pairing, decoded for paper.
PaperDay paperDayOf(const Session& session);

} // namespace pf
