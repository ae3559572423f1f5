#include "CommandLine.h"

bool isOption(const QString &argument) { return argument.startsWith(u'-') && argument != u"-"; }

const OptionRule *findOption(const OptionTable &table, const QString &name)
{
    for (const OptionRule &rule : table)
        if (rule.name == name)
            return &rule;
    return nullptr;
}

ParsedArguments parseArguments(const QStringList &arguments, const OptionTable &table)
{
    Invocation invocation;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || !isOption(argument)) {
            invocation.files << argument;
            continue;
        }
        if (argument == u"--") {
            optionsEnded = true;
            continue;
        }
        const OptionRule *rule = findOption(table, argument);
        if (!rule)
            return {std::nullopt, Convert::tr("this command has no option %1").arg(argument)};
        if (invocation.has(argument))
            return {std::nullopt, Convert::tr("%1 given twice").arg(argument)};
        QString value;
        if (!rule->valueName.isEmpty()) {
            if (++i == arguments.size())
                return {std::nullopt, Convert::tr("%1 needs a value").arg(argument)};
            value = arguments[i];
        }
        invocation.options.insert(argument, value);
    }
    return {invocation, {}};
}

bool mentions(const QStringList &arguments, const QString &option)
{
    for (const QString &argument : arguments) {
        if (argument == u"--")
            return false;
        if (argument == option)
            return true;
    }
    return false;
}
