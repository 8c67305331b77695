#include "scripted_prompts.h"

namespace pf {

Answer ScriptedPrompts::message(QWidget*, const QString& text, const QString& title,
                                Buttons buttons, std::optional<Answer> defaultButton) {
    asked.push_back({text, title, buttons, defaultButton});
    if (answers.empty() && defaultButton)
        return *defaultButton; // as if Enter was pressed
    if (answers.empty())
        return buttons == Buttons::YesNo ? Answer::No
                                         : (buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel);
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

QString ScriptedPrompts::openFile(QWidget*, const FileChoice& choice) {
    fileChoices.push_back(choice);
    if (files.empty())
        return {};
    QString f = files.front();
    files.pop_front();
    return f;
}

QString ScriptedPrompts::saveFile(QWidget* parent, const FileChoice& choice) {
    return openFile(parent, choice);
}

std::optional<QColor> ScriptedPrompts::chooseColor(QWidget*, const QColor&) {
    if (colors.empty())
        return std::nullopt;
    auto c = colors.front();
    colors.pop_front();
    return c;
}

std::optional<int> ScriptedPrompts::chooseItem(QWidget*, const QString& text, const QString& title,
                                               const QStringList& items, int current) {
    choiceAsked.push_back({text, title, items, current});
    if (choices.empty())
        return current;
    const auto c = choices.front();
    choices.pop_front();
    return c;
}

bool ScriptedPrompts::openUrl(const QString& target) {
    opened.push_back(target);
    return openUrlResult;
}

} // namespace pf
