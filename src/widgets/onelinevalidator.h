#pragma once

#include <QValidator>

// A one-line field holds no line break: one that comes in with pasted or dropped text is left
// out, so that each value stays on its own key's line in NET.CFG. Every other text is
// acceptable as it is.
class OneLineValidator final : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override;
};
