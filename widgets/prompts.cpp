#include "widgets/prompts.h"

#include "widgets/dialog_start.h"
#include "widgets/name_only_icons.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace pf {
namespace {

// Qt's own dialog everywhere but Windows, whose system dialog reads no file:
// only Qt's dialog takes the icon provider that never opens the listed files.
QFileDialog::Options dialogOptions() {
#ifdef Q_OS_WIN
    return QFileDialog::Options();
#else
    return QFileDialog::DontUseNativeDialog;
#endif
}

// Made in a folder that is safe to list (it starts listing before any
// provider can be set); the name-only provider is in place before the file
// is selected or the organiser moves on.
class FileDialog : public QFileDialog {
public:
    FileDialog(QWidget* parent, const FileChoice& c, const QString& start)
        : QFileDialog(parent, c.caption,
                      QFileInfo(start).isDir() ? start : QFileInfo(start).absolutePath()) {
        setOptions(dialogOptions());
        setIconProvider(&nameOnlyIconProvider());
        setNameFilter(qtFilterFromWindows(c.filter));
        setDefaultSuffix(c.defaultSuffix);
        if (!QFileInfo(start).isDir())
            selectFile(QFileInfo(start).fileName());
    }
};

QString startPath(const FileChoice& c) {
    return dialogStartPath(c.initialPath, defaultDialogFolder());
}

QMessageBox::StandardButton standardButton(Answer answer) {
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

QString withSuffix(const QString& path, const QString& suffix) {
    if (path.isEmpty() || suffix.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

class DialogPrompts : public Prompts {
public:
    Answer message(QWidget* parent, const QString& text, const QString& title, Buttons buttons,
                   std::optional<Answer> defaultButton = std::nullopt) override {
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
        if (defaultButton)
            box.setDefaultButton(standardButton(*defaultButton));
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
        FileDialog dialog(parent, c, startPath(c));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QString saveFile(QWidget* parent, const FileChoice& c) override {
        FileDialog dialog(parent, c, startPath(c));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
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

    std::optional<int> chooseItem(QWidget* parent, const QString& text, const QString& title,
                                  const QStringList& items, int current) override {
        QInputDialog dialog(parent);
        prepareChoiceDialog(dialog, text, title, items, current);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        const auto index = items.indexOf(dialog.textValue());
        return index < 0 ? std::nullopt : std::optional<int>(static_cast<int>(index));
    }
};

} // namespace

void prepareChoiceDialog(QInputDialog& dialog, const QString& text, const QString& title,
                         const QStringList& items, int current) {
    dialog.setWindowTitle(title);
    dialog.setLabelText(text);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    dialog.setTextValue(items.value(current));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
}

namespace {

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
