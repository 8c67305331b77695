#pragma once
// Every message box, file choice and colour choice of the program goes through
// this interface, so that tests answer them without a modal loop.

#include <QColor>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QInputDialog;
class QWidget;

namespace pf {

enum class Answer { Ok, Cancel, Yes, No };
enum class Buttons { Ok, OkCancel, YesNo };

struct FileChoice {
    QString caption;
    QString filter; // Windows-style "説明(*.ext)|*.ext|…", one text for every platform's dialog
    QString defaultSuffix; // "pf1", "csv", "html"
    QString initialPath;
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // A box without icon. `defaultButton` is the answer Enter gives; questions
    // that can lose results pass the answer that keeps them.
    virtual Answer message(QWidget* parent, const QString& text, const QString& title,
                           Buttons buttons, std::optional<Answer> defaultButton = std::nullopt) = 0;
    // Only an existing file; empty when cancelled.
    virtual QString openFile(QWidget* parent, const FileChoice& choice) = 0;
    // Asks before overwriting; empty when cancelled.
    virtual QString saveFile(QWidget* parent, const FileChoice& choice) = 0;
    // nullopt when cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // Opens a local file or an address with the desktop's handler.
    virtual bool openUrl(const QString& target) = 0;
    // One of `items` picked from a list under `text`, as its index; `current`
    // is the one Enter picks. nullopt when cancelled.
    virtual std::optional<int> chooseItem(QWidget* parent, const QString& text,
                                          const QString& title, const QStringList& items,
                                          int current) = 0;
};

// The prompts the program uses; the real dialogs unless a test installed others.
Prompts& prompts();
// Installs `p` for the run (tests); pass nullptr to return to the real dialogs.
void setPrompts(std::unique_ptr<Prompts> p);

// The list question of chooseItem as the real prompts show it.
void prepareChoiceDialog(QInputDialog& dialog, const QString& text, const QString& title,
                         const QStringList& items, int current);

// "A|*.a|B|*.b" -> "A (*.a);;B (*.b)" for Qt's file dialogs.
QString qtFilterFromWindows(const QString& filter);

} // namespace pf
