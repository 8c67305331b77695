#pragma once
// Pieces every command of the command-line tool shares: exit statuses,
// messages on standard error, one argument parser per command, the output to
// -o OUT or standard output, and the reading of a pairing data file.

#include "files/pairing_file.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>

namespace pf::cli {

inline constexpr int ExitOk = 0;
inline constexpr int ExitRefused = 1;
inline constexpr int ExitUsage = 2;

// Writes a UTF-8 message and a line break to standard error.
void printError(const std::string& message);
void printError(const QString& message);

// Writes to OUT by write-then-rename, or to standard output when OUT is empty.
// On failure prints the write-failure message and returns false.
bool emitOutput(const QString& out, const QByteArray& bytes);

// One command's arguments. The command adds its options to parser(), then
// calls parse(); every option takes at most one value, and --help prints the
// usage line with the options' descriptions.
//
//     CommandLine cmd("csv FILE [--layout old|new] [-o OUT]", 1);
//     cmd.parser().addOption({"layout", "…", "old|new"});
//     cmd.addOutputOption();
//     if (const auto done = cmd.parse(args))
//         return *done;
class CommandLine {
public:
    // `synopsis` is what follows "pairforge-cli " in the usage line;
    // `positionals` how many plain arguments the command takes.
    CommandLine(const char* synopsis, int positionals);

    QCommandLineParser& parser() { return parser_; }
    // -o OUT / --output OUT, written by writeOutput().
    void addOutputOption();
    // --seed S, read with parseSeed().
    void addSeedOption();

    // The arguments after the command name. nullopt when the command goes on;
    // otherwise its exit status, with the help or the error already printed.
    std::optional<int> parse(const QStringList& args);

    std::optional<QString> value(const QString& name) const;
    QString positional(int index) const { return parser_.positionalArguments().value(index); }

    // Prints `message` and the usage line; returns ExitUsage.
    int usageError(const QString& message) const;
    // The bytes to -o OUT or to standard output: ExitOk, or ExitRefused with
    // the message printed.
    int writeOutput(const QByteArray& bytes) const;

private:
    QString usageLine() const;

    QCommandLineParser parser_;
    QString synopsis_;
    int positionals_;
};

// --courts N, when given: 1, 2 or 3 into `courts`. nullopt when the command
// goes on; otherwise ExitUsage with the message and usage line printed.
std::optional<int> readCourtsOption(const CommandLine& cmd, std::optional<int>& courts);

// --seed S: a whole number from 0 to 4294967295; nullopt for anything else.
std::optional<std::uint32_t> parseSeed(const QString& text);

// The pairing data file at `path`, or nullopt with the reader's message
// printed (the command then exits with ExitRefused).
std::optional<PairingFileContent> readPairingInput(const QString& path);

// The court count guessed from the rounds of `table` (the largest that puts
// nobody on two courts at once), with a note on standard error that it is a
// guess and which other counts fit as well: --courts settles it.
int guessCourtsNoted(const MatchTable& table);

} // namespace pf::cli
