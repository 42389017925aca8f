#include "app/learner_option.h"

LearnerArgument learner_argument(const QStringList& arguments)
{
    const QString option = QStringLiteral("--learner");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.startsWith(option + u'='))
            return {argument.mid(option.size() + 1), {}};
        if (argument != option)
            continue;
        if (i + 1 < arguments.size())
            return {arguments[i + 1], {}};
        return {{},
                QStringLiteral(
                    "--learner needs the learner's name, for example: flickerbox --learner \"Anna B.\"")};
    }
    return {};
}
