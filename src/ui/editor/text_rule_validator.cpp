#include "ui/editor/text_rule_validator.h"

#include <QApplication>

#include "core/tasks/storable_text.h"

namespace quorvel {

TextRuleValidator::TextRuleValidator(Rule rule, QObject* parent) : QValidator(parent), m_rule(std::move(rule))
{
}

QValidator::State TextRuleValidator::validate(QString& input, int& /*pos*/) const
{
    const State state = m_rule(input);
    if (state == Invalid) {
        QApplication::beep();
    }
    return state;
}

TextRuleValidator* TextRuleValidator::ForTaskField(std::size_t number, QObject* parent)
{
    return new TextRuleValidator(
        [number](const QString& text) {
            return StorableInField(number, text.toUtf8().toStdString()) ? Acceptable : Invalid;
        },
        parent);
}

}  // namespace quorvel
