#pragma once
// Small pieces shared by the command-line tool's commands.

#include <QByteArray>
#include <QString>
#include <QStringList>
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

// Options of the form "--name value" / "-o value" after the positional ones.
class ArgReader {
public:
    explicit ArgReader(QStringList args) : args_(std::move(args)) {}
    // Takes the value of `name` (or of its short form); error set when the
    // option is given without a value or twice.
    std::optional<QString> take(const QString& name, const QString& shortName = {});
    // Positional arguments left after the options were taken.
    QStringList rest() const;
    const QString& error() const { return error_; }

private:
    QStringList args_;
    QString error_;
};

} // namespace pf::cli
