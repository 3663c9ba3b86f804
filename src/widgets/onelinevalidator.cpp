#include "widgets/onelinevalidator.h"

QValidator::State OneLineValidator::validate(QString &input, int &position) const
{
    for (qsizetype i = input.size() - 1; i >= 0; --i) {
        if (input[i] == u'\r' || input[i] == u'\n') {
            input.remove(i, 1);
            if (i < position)
                --position;
        }
    }
    return Acceptable;
}
