#include "cli/cli_support.h"

#include "files/atomic_save.h"

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
    if (const Status saved = saveFileAtomically(out, bytes); !saved) {
        printError(saved.error + " (" + out.toStdString() + ")");
        return false;
    }
    return true;
}

std::optional<QString> ArgReader::take(const QString& name, const QString& shortName) {
    std::optional<QString> value;
    for (int i = 0; i < args_.size();) {
        const QString& a = args_[i];
        if (a == name || (!shortName.isEmpty() && a == shortName)) {
            if (i + 1 >= args_.size()) {
                error_ = a + QStringLiteral(" needs a value");
                args_.removeAt(i);
                return std::nullopt;
            }
            if (value)
                error_ = a + QStringLiteral(" is given twice");
            value = args_[i + 1];
            args_.remove(i, 2);
            continue;
        }
        if (a.startsWith(name + QLatin1Char('='))) {
            if (value)
                error_ = name + QStringLiteral(" is given twice");
            value = a.mid(name.size() + 1);
            args_.removeAt(i);
            continue;
        }
        ++i;
    }
    return value;
}

QStringList ArgReader::rest() const {
    return args_;
}

} // namespace pf::cli
