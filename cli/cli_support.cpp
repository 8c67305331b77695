#include "cli/cli_support.h"

#include "files/atomic_save.h"
#include "pairing/court_guess.h"

#include <cstdio>

namespace pf::cli {

void printError(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
}

void printError(const QString& message) {
    printError(message.toStdString());
}

bool emitOutput(const QString& out, const QByteArray& bytes) {
    if (out.isEmpty()) {
        const std::size_t n =
            std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
        if (n != static_cast<std::size_t>(bytes.size()) || std::fflush(stdout) != 0) {
            printError(std::string(MsgWriteFailed));
            return false;
        }
        return true;
    }
    // The message names the file and says why on its second line.
    if (const Status saved = saveFileAtomically(out, bytes); !saved) {
        printError(saved.error);
        return false;
    }
    return true;
}

CommandLine::CommandLine(const char* synopsis, int positionals)
    : synopsis_(QString::fromUtf8(synopsis)), positionals_(positionals) {
    // Not addHelpOption(): its --help-all would offer Qt's own options, which
    // the tool does not take.
    parser_.addOption(
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help.")});
}

void CommandLine::addOutputOption() {
    parser_.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                       QStringLiteral("Write to OUT, replacing it only when the whole output "
                                      "could be written, instead of to standard output."),
                       QStringLiteral("OUT")});
}

void CommandLine::addSeedOption() {
    parser_.addOption({QStringLiteral("seed"),
                       QStringLiteral("Seed from 0 to 4294967295, for a repeatable schedule "
                                      "(default: from the clock)."),
                       QStringLiteral("S")});
}

QString CommandLine::usageLine() const {
    return QStringLiteral("usage: pairforge-cli ") + synopsis_;
}

std::optional<int> CommandLine::parse(const QStringList& args) {
    // The parser takes the first argument as the program's name.
    if (!parser_.parse(QStringList{QStringLiteral("pairforge-cli")} + args))
        return usageError(parser_.errorText());
    if (parser_.isSet(QStringLiteral("help"))) {
        // Qt's usage line names the program as it was started; ours names
        // the command as well.
        const QString help = parser_.helpText();
        const QString text = usageLine() + help.mid(help.indexOf(QLatin1Char('\n')));
        std::fputs(text.toUtf8().constData(), stdout);
        return ExitOk;
    }
    for (const QString& name : parser_.optionNames()) {
        if (parser_.values(name).size() > 1)
            return usageError(QStringLiteral("option '%1' is given twice").arg(name));
    }
    if (parser_.positionalArguments().size() != positionals_) {
        printError(usageLine());
        return ExitUsage;
    }
    return std::nullopt;
}

std::optional<QString> CommandLine::value(const QString& name) const {
    if (!parser_.isSet(name))
        return std::nullopt;
    return parser_.value(name);
}

int CommandLine::usageError(const QString& message) const {
    printError(message);
    printError(usageLine());
    return ExitUsage;
}

int CommandLine::writeOutput(const QByteArray& bytes) const {
    return emitOutput(value(QStringLiteral("output")).value_or(QString()), bytes) ? ExitOk
                                                                                  : ExitRefused;
}

std::optional<PairingFileContent> readPairingInput(const QString& path) {
    PairingFileContent content = readPairingFile(path);
    if (!content.ok()) {
        printError(content.error);
        return std::nullopt;
    }
    return content;
}

int guessCourtsNoted(const MatchTable& table) {
    const int guess = guessCourtCount(table);
    std::string note = "courts: " + std::to_string(guess) + " (guessed from the rounds";
    std::string others;
    for (const int c : fittingCourtCounts(table)) {
        if (c != guess)
            others += (others.empty() ? "" : ", ") + std::to_string(c);
    }
    note += others.empty() ? "; no other count fits)" : "; also fit: " + others + "; see --courts)";
    printError(note);
    return guess;
}

std::optional<std::uint32_t> parseSeed(const QString& text) {
    bool ok = false;
    const qulonglong v = text.toULongLong(&ok, 10);
    if (!ok || v > 0xffffffffull || text.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return static_cast<std::uint32_t>(v);
}

std::optional<int> readCourtsOption(const CommandLine& cmd, std::optional<int>& courts) {
    const auto text = cmd.value(QStringLiteral("courts"));
    if (!text)
        return std::nullopt;
    bool ok = false;
    courts = text->toInt(&ok);
    if (!ok || *courts < MinCourts || *courts > MaxCourts)
        return cmd.usageError(QStringLiteral("--courts takes 1, 2 or 3"));
    return std::nullopt;
}

} // namespace pf::cli
