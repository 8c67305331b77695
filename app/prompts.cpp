#include "app/prompts.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace pf {
namespace {

QString withSuffix(const QString& path, const QString& suffix) {
    if (path.isEmpty() || suffix.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

class DialogPrompts : public Prompts {
public:
    Answer message(QWidget* parent, const QString& text, const QString& title,
                   Buttons buttons) override {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
        switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
        }
    }

    QString openFile(QWidget* parent, const FileChoice& c) override {
        QFileDialog dialog(parent, c.caption, c.initialPath, qtFilterFromWindows(c.filter));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(c.defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QString saveFile(QWidget* parent, const FileChoice& c) override {
        QFileDialog dialog(parent, c.caption, c.initialPath, qtFilterFromWindows(c.filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(c.defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return withSuffix(dialog.selectedFiles().constFirst(), c.defaultSuffix);
    }

    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override {
        const QColor c = QColorDialog::getColor(initial, parent);
        if (!c.isValid())
            return std::nullopt;
        return c;
    }

    bool openUrl(const QString& target) override {
        const QUrl url =
            target.contains(QStringLiteral("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
        return QDesktopServices::openUrl(url);
    }
};

std::unique_ptr<Prompts>& installed() {
    static std::unique_ptr<Prompts> p;
    return p;
}

} // namespace

Prompts& prompts() {
    auto& p = installed();
    if (!p)
        p = std::make_unique<DialogPrompts>();
    return *p;
}

void setPrompts(std::unique_ptr<Prompts> p) {
    installed() = std::move(p);
}

QString qtFilterFromWindows(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString pattern = parts[i + 1];
        // Qt reads the patterns from the parentheses of the description.
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") + pattern + QLatin1Char(')');
        out << description;
    }
    return out.join(QStringLiteral(";;"));
}

} // namespace pf
