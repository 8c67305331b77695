#pragma once
// Prompts for tests: answers queued by the test are consumed in order, and
// every question is recorded. Installed with setPrompts().

#include "widgets/prompts.h"

#include <deque>

namespace pf {

class ScriptedPrompts : public Prompts {
public:
    struct Asked {
        QString text;
        QString title;
        Buttons buttons;
        std::optional<Answer> defaultButton;
    };
    std::deque<Answer> answers;
    std::deque<QString> files;
    std::deque<std::optional<QColor>> colors;
    std::deque<Asked> asked;
    std::deque<FileChoice> fileChoices;
    std::deque<QString> opened;
    bool openUrlResult = true;

    // With no answer queued, what Enter would give (the default button), or
    // else the box's safe choice: OK for an OK box, otherwise No or Cancel.
    Answer message(QWidget*, const QString& text, const QString& title, Buttons buttons,
                   std::optional<Answer> defaultButton = std::nullopt) override;
    QString openFile(QWidget*, const FileChoice& choice) override;
    QString saveFile(QWidget*, const FileChoice& choice) override;
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override;
    bool openUrl(const QString& target) override;
    // Records the question; answers with the next of `choices` (an index, or
    // nullopt for Cancel), or with `current` when none is queued.
    struct Choice {
        QString text;
        QString title;
        QStringList items;
        int current = 0;
    };
    std::deque<Choice> choiceAsked;
    std::deque<std::optional<int>> choices;
    std::optional<int> chooseItem(QWidget*, const QString& text, const QString& title,
                                  const QStringList& items, int current) override;
};

} // namespace pf
