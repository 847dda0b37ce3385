#pragma once

#include <QValidator>

// Lets a field take ASCII digits only; the field's maximum length bounds how many. A plain loop
// rather than a regular expression: a pattern is compiled the first time a field is given text,
// which at start-up, for a window holding saved addresses, loaded and compiled PCRE2 for nothing
// more than this.
class CDigitsValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        for (const QChar c : std::as_const(input)) {
            if (c < u'0' || c > u'9')
                return Invalid;
        }
        return Acceptable;
    }
};
