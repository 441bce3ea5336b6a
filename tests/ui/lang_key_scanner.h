#pragma once

#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace quorvel::testing_support {

// One text lookup written in the sources with a literal key.
struct LangKeyUse {
    QString call;     // LangStr, LangFmt, Str or LangFileStr
    QString section;  // LangFileStr only: its literal section
    QString key;
    std::optional<QString> defaultText;  // when the default is a literal too
};

// C string literal body to text: the escapes sources use in messages.
inline QString UnescapeLiteral(const QString& body)
{
    QString text;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] != u'\\' || i + 1 == body.size()) {
            text += body[i];
            continue;
        }
        const QChar next = body[++i];
        text += next == u'n'   ? QChar(u'\n')
                : next == u'r' ? QChar(u'\r')
                : next == u't' ? QChar(u'\t')
                               : next;
    }
    return text;
}

// Adjacent literals ("abc" "def"), each possibly wrapped as QStringLiteral("...") or u"...".
inline const QString kLiteral = QStringLiteral(
    R"re((?:(?:QStringLiteral|QLatin1String|QString::fromUtf8)\s*\(\s*)?u?((?:"(?:[^"\\]|\\.)*"\s*)+)\)?)re");

inline QString JoinLiterals(const QString& adjacent)
{
    static const QRegularExpression part(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QString text;
    for (const auto& m : part.globalMatch(adjacent)) {
        text += UnescapeLiteral(m.captured(1));
    }
    return text;
}

// Every lookup in `source` whose key is a literal.
inline std::vector<LangKeyUse> ScanLangKeyUses(const QString& source)
{
    static const QRegularExpression call(QStringLiteral(R"re(\b(LangStr|LangFmt)\s*\(\s*)re") + kLiteral +
                                         QStringLiteral(R"re(\s*,\s*(?:)re") + kLiteral +
                                         QStringLiteral(")?"));
    static const QRegularExpression lookup(QStringLiteral(R"re((?:\.|->)(Str)\s*\(\s*)re") + kLiteral +
                                           QStringLiteral(R"re(\s*,\s*(?:)re") + kLiteral +
                                           QStringLiteral(")?"));
    static const QRegularExpression fileStr(
        QStringLiteral(R"re(\b(LangFileStr)\s*\(\s*)re") + kLiteral + QStringLiteral(R"re(\s*,\s*)re") +
        kLiteral + QStringLiteral(R"re(\s*,\s*(?:)re") + kLiteral + QStringLiteral(")?"));
    std::vector<LangKeyUse> uses;
    for (const auto* pattern : {&call, &lookup}) {
        for (const auto& m : pattern->globalMatch(source)) {
            LangKeyUse use{m.captured(1), {}, JoinLiterals(m.captured(2)), std::nullopt};
            if (m.capturedLength(3) > 0) {
                use.defaultText = JoinLiterals(m.captured(3));
            }
            uses.push_back(use);
        }
    }
    for (const auto& m : fileStr.globalMatch(source)) {
        LangKeyUse use{m.captured(1), JoinLiterals(m.captured(2)), JoinLiterals(m.captured(3)), std::nullopt};
        if (m.capturedLength(4) > 0) {
            use.defaultText = JoinLiterals(m.captured(4));
        }
        uses.push_back(use);
    }
    return uses;
}

// Window classes whose methods a source file defines ("TMainForm::FormCreate"): its lookups read
// those sections.
inline QSet<QString> ClassesDefinedIn(const QString& source)
{
    static const QRegularExpression qualifier(QStringLiteral(R"re(\b(T[A-Z]\w*)::)re"));
    QSet<QString> classes;
    for (const auto& m : qualifier.globalMatch(source)) {
        classes.insert(m.captured(1));
    }
    return classes;
}

}  // namespace quorvel::testing_support
