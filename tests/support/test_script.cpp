#include "test_script.h"

#include "app/main_window.h"
#include "files/atomic_save.h"
#include "files/file_access.h"
#include "files/pairing_file.h"
#include "widgets/prompts.h"
#include "widgets/up_down.h"

#include <QAction>
#include <QFile>
#include <deque>

namespace pf {
namespace {

// Answers from the script; when it runs out, every box is declined, so that
// a run never waits for a person.
class ScriptPrompts : public Prompts {
public:
    std::deque<Answer> answers;
    std::deque<QString> files;
    QStringList asked;

    Answer message(QWidget*, const QString& text, const QString& title, Buttons buttons,
                   std::optional<Answer> = std::nullopt) override {
        asked << title + QLatin1Char('|') +
                     QString(text).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    QString openFile(QWidget*, const FileChoice&) override { return next(); }
    QString saveFile(QWidget*, const FileChoice&) override { return next(); }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return std::nullopt; }
    bool openUrl(const QString&) override { return false; }
    std::optional<int> chooseItem(QWidget*, const QString&, const QString&, const QStringList&,
                                  int current) override {
        return current;
    }

private:
    QString next() {
        if (files.empty())
            return {};
        const QString f = files.front();
        files.pop_front();
        return f;
    }
};

ScriptPrompts* scriptPrompts = nullptr; // owned by prompts() once installed

void dump(const TForm1& window, const QString& path) {
    const Session& s = window.session();
    QByteArray out = window.shownCaption().toUtf8() + '\n';
    out += "courts=" + QByteArray::number(s.CourtCount) + '\n';
    out += "modified=" + QByteArray::number(s.Modified ? 1 : 0) + '\n';
    for (const QString& q : scriptPrompts->asked)
        out += "asked=" + q.toUtf8() + '\n';
    out += pairingFileBytes(s.Roster, s.Matches);
    saveFileAtomically(path, out);
}

} // namespace

QStringList loadTestScript() {
    const QString path = qEnvironmentVariable(TestScriptVariable);
    if (path.isEmpty())
        return {};
    QFile file;
    if (!openForReading(file, path))
        return {};
    const QStringList lines =
        QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    auto prompts = std::make_unique<ScriptPrompts>();
    for (const QString& line : lines) {
        const QString arg = line.section(QLatin1Char(' '), 1).trimmed();
        if (line.startsWith(QLatin1String("answer "))) {
            prompts->answers.push_back(arg == QLatin1String("yes")  ? Answer::Yes
                                       : arg == QLatin1String("no") ? Answer::No
                                       : arg == QLatin1String("ok") ? Answer::Ok
                                                                    : Answer::Cancel);
        } else if (line.startsWith(QLatin1String("file "))) {
            prompts->files.push_back(arg);
        }
    }
    scriptPrompts = prompts.get();
    setPrompts(std::move(prompts));
    return lines;
}

void runTestScript(TForm1& window, const QStringList& lines) {
    for (const QString& line : lines) {
        const QStringList words = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() >= 2 && words[0] == QLatin1String("trigger")) {
            if (auto* action = window.findChild<QAction*>(words[1]))
                action->trigger();
        } else if (words.size() >= 3 && words[0] == QLatin1String("step")) {
            if (auto* arrows = window.findChild<UpDown*>(words[1]))
                arrows->step(words[2].toInt());
        } else if (words.size() >= 2 && words[0] == QLatin1String("dump")) {
            dump(window, line.section(QLatin1Char(' '), 1).trimmed());
        }
    }
}

} // namespace pf
