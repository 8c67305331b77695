#include "members/member_facts.h"

#include "files/atomic_save.h"
#include "files/file_access.h"
#include "model/name_rules.h"
#include "model/text_codec.h"
#include "model/texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <unordered_map>

namespace pf {

namespace {

const Name& maleMark() {
    return cp932Literal("男");
}
const Name& femaleMark() {
    return cp932Literal("女");
}

// CR LF, a lone CR and a lone LF each end a line; unlike the candidate list a
// NUL ends nothing, so a damaged line is kept whole.
std::vector<QByteArray> splitLines(const QByteArray& bytes) {
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char ch = bytes[i];
        if (ch != '\r' && ch != '\n')
            continue;
        lines.push_back(bytes.mid(start, i - start));
        if (ch == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.mid(start));
    return lines;
}

Name toName(const QByteArray& field) {
    return Name(field.constData(), static_cast<std::size_t>(field.size()));
}

QByteArray toBytes(const Name& name) {
    return QByteArray(name.data(), static_cast<qsizetype>(name.size()));
}

// Why `field` is no name of another member than `self`; empty when it is one.
std::string otherNameProblem(const Name& field, const Name& self) {
    if (std::string why = checkMemberName(field); !why.empty())
        return why;
    if (field == self)
        return "自分自身の名前です。";
    return {};
}

// The facts of one line, or the reason it cannot be read.
std::string readLine(const QByteArray& line, MemberFacts& facts) {
    if (line.size() > MaxFactsLineBytes)
        return "行が長すぎます。";
    const QList<QByteArray> fields = line.split(',');
    facts.name = toName(fields[0]);
    if (std::string why = checkMemberName(facts.name); !why.empty())
        return why;
    const Name gender = fields.size() > 1 ? toName(fields[1]) : Name();
    if (gender == maleMark())
        facts.gender = Gender::Male;
    else if (gender == femaleMark())
        facts.gender = Gender::Female;
    else if (!gender.empty())
        return "性別は「男」「女」か空欄です。";
    const QByteArray level = fields.size() > 2 ? fields[2] : QByteArray();
    if (level.size() == 1 && level[0] >= '0' + MinLevel && level[0] <= '0' + MaxLevel)
        facts.level = level[0] - '0';
    else if (!level.isEmpty())
        return "レベルは1から5か空欄です。";
    if (fields.size() > 3 && !fields[3].isEmpty()) {
        facts.fixedPartner = toName(fields[3]);
        if (std::string why = otherNameProblem(facts.fixedPartner, facts.name); !why.empty())
            return "固定ペア: " + why;
    }
    for (qsizetype i = 4; i < fields.size(); ++i) {
        if (fields[i].isEmpty())
            continue;
        const Name other = toName(fields[i]);
        if (std::string why = otherNameProblem(other, facts.name); !why.empty())
            return "別々にする: " + why;
        if (std::find(facts.keptApart.begin(), facts.keptApart.end(), other) ==
            facts.keptApart.end())
            facts.keptApart.push_back(other);
    }
    return {};
}

} // namespace

QString factsFilePathBeside(const QString& candidateFilePath) {
    return QFileInfo(candidateFilePath).dir().filePath(QString::fromLatin1(FactsFileBaseName));
}

FactsFileContent parseFactsFile(const QByteArray& bytes) {
    FactsFileContent content;
    const std::vector<QByteArray> lines = splitLines(bytes);
    if (lines.empty() || lines.front() != FactsFileHeader) {
        content.error =
            std::string("メンバー情報ファイルの1行目が「") + FactsFileHeader + "」ではありません。";
        return content;
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        MemberFacts facts;
        std::string why = readLine(lines[i], facts);
        if (why.empty() && findFacts(content.rows, facts.name))
            why = "同じ名前の行が前にあります。";
        if (!why.empty()) {
            content.lineProblems.push_back(QStringLiteral("メンバー情報ファイルの%1行目: %2")
                                               .arg(i + 1)
                                               .arg(QString::fromStdString(why))
                                               .toStdString());
            facts = MemberFacts{};
            facts.unreadLine = lines[i];
        }
        content.rows.push_back(std::move(facts));
    }
    return content;
}

FactsFileContent readFactsFile(const QString& path) {
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return {};
    FactsFileContent content;
    QFile file;
    if (Status opened = openForReading(file, path); !opened) {
        content.error = opened.error;
        return content;
    }
    const QByteArray bytes = file.read(MaxFactsFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        content.error = fileFailure(MsgReadFailed, path, file.errorString());
        return content;
    }
    if (bytes.size() > MaxFactsFileBytes) {
        content.error = fileFailure(MsgReadFailed, path,
                                    QStringLiteral("メンバー情報ファイルとしては大きすぎます。"));
        return content;
    }
    return parseFactsFile(bytes);
}

QByteArray factsFileBytes(const std::vector<MemberFacts>& rows) {
    QByteArray out(FactsFileHeader);
    out += "\r\n";
    for (const MemberFacts& row : rows) {
        if (row.unread()) {
            out += row.unreadLine + "\r\n";
            continue;
        }
        out += toBytes(row.name) + ',';
        if (row.gender != Gender::Unset)
            out += toBytes(row.gender == Gender::Male ? maleMark() : femaleMark());
        out += ',';
        if (row.level != UnsetLevel)
            out += QByteArray::number(row.level);
        out += ',' + toBytes(row.fixedPartner);
        for (const Name& other : row.keptApart)
            out += ',' + toBytes(other);
        out += "\r\n";
    }
    return out;
}

Status writeFactsFile(const QString& path, const std::vector<MemberFacts>& rows) {
    return saveFileAtomically(path, factsFileBytes(rows));
}

namespace {

std::ptrdiff_t factsIndex(const std::vector<MemberFacts>& rows, const Name& name) {
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const MemberFacts& row) {
        return !row.unread() && row.name == name;
    });
    return it == rows.end() ? -1 : it - rows.begin();
}

} // namespace

const MemberFacts* findFacts(const std::vector<MemberFacts>& rows, const Name& name) {
    const std::ptrdiff_t i = factsIndex(rows, name);
    return i < 0 ? nullptr : &rows[static_cast<std::size_t>(i)];
}

MemberFacts& factsOf(std::vector<MemberFacts>& rows, const Name& name) {
    if (const std::ptrdiff_t i = factsIndex(rows, name); i >= 0)
        return rows[static_cast<std::size_t>(i)];
    MemberFacts added;
    added.name = name;
    rows.push_back(std::move(added));
    return rows.back();
}

void setFixedPartner(std::vector<MemberFacts>& rows, const Name& a, const Name& b) {
    const auto release = [&rows](const Name& member) {
        if (const MemberFacts* found = findFacts(rows, member);
            found && !found->fixedPartner.empty()) {
            const Name former = found->fixedPartner;
            factsOf(rows, member).fixedPartner.clear();
            if (const MemberFacts* other = findFacts(rows, former);
                other && other->fixedPartner == member)
                factsOf(rows, former).fixedPartner.clear();
        }
    };
    release(a);
    if (b.empty() || b == a)
        return;
    release(b);
    factsOf(rows, a).fixedPartner = b;
    factsOf(rows, b).fixedPartner = a;
}

DayFacts dayFactsOf(const std::vector<Name>& names, const std::vector<MemberFacts>& rows) {
    DayFacts facts(static_cast<int>(names.size()));
    const NameIndex at(names);
    std::vector<int> named(names.size(), -1); // the partner each names, here today
    for (std::size_t i = 0; i < names.size(); ++i) {
        const MemberFacts* row = findFacts(rows, names[i]);
        if (!row)
            continue;
        facts.gender[i] = row->gender;
        facts.level[i] = row->level;
        named[i] = row->fixedPartner.empty() ? -1 : at(row->fixedPartner);
        for (const Name& other : row->keptApart) {
            if (const int j = at(other); j >= 0 && j != static_cast<int>(i)) {
                facts.keptApart[i].push_back(j);
                facts.keptApart[static_cast<std::size_t>(j)].push_back(static_cast<int>(i));
            }
        }
    }
    for (std::vector<int>& list : facts.keptApart) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int p = named[i];
        if (p < 0)
            continue;
        int back = named[static_cast<std::size_t>(p)];
        if (back < 0)
            back = facts.fixedPartner[static_cast<std::size_t>(p)]; // taken by a third
        if (back >= 0 && back != static_cast<int>(i)) {
            if (facts.conflict.empty())
                facts.conflict =
                    QStringLiteral("固定ペアの指定が食い違っています（%1、%2、%3）。")
                        .arg(decodeCp932(names[i]), decodeCp932(names[static_cast<std::size_t>(p)]),
                             decodeCp932(names[static_cast<std::size_t>(back)]))
                        .toStdString();
            continue;
        }
        facts.fixedPartner[i] = p;
        facts.fixedPartner[static_cast<std::size_t>(p)] = static_cast<int>(i);
    }
    return facts;
}

FactsForDay readFactsForDay(const QString& path) {
    FactsFileContent file = readFactsFile(path);
    if (!file.ok())
        return {{}, file.error + "\n今日のルールにはメンバー情報が必要です。"};
    return {std::move(file.rows), {}};
}

} // namespace pf
