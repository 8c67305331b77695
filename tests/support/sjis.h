#pragma once
// Names and file texts that the tests write in readable UTF-8, as the
// Shift-JIS bytes the program holds. A text without a Shift-JIS form is a
// mistake in the test and throws.

#include "model/session.h"

#include <QByteArray>
#include <QString>

namespace pf::test {

Name sjis(const QString& text);
inline Name sjis(const char* utf8) {
    return sjis(QString::fromUtf8(utf8));
}
// The same bytes, for file contents.
QByteArray sjisBytes(const char* utf8);

} // namespace pf::test
