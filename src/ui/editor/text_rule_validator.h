#pragma once

#include <QValidator>
#include <functional>

namespace quorvel {

// A validator that follows one rule and beeps at what it refuses, so a refused key or paste is
// heard and not just lost.
class TextRuleValidator final : public QValidator {
    Q_OBJECT

public:
    using Rule = std::function<State(const QString& text)>;

    TextRuleValidator(Rule rule, QObject* parent);

    State validate(QString& input, int& pos) const override;

    // Refuses a text that field `number` (1 to 26) of a task line cannot hold.
    static TextRuleValidator* ForTaskField(std::size_t number, QObject* parent);

private:
    Rule m_rule;
};

}  // namespace quorvel
