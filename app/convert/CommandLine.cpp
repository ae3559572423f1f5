#include "CommandLine.h"

const std::vector<OptionSpec> &optionSpecs()
{
    static const std::vector<OptionSpec> specs{
        {"--folder", "F", "calculator folder name (default \"main\")"},
        {"--name", "N", "picture variable name (default \"picture\")"},
        {"--comment", "C", "comment stored in the file (default \"made with DOTLARK\")"},
        {"--info", {}, "describe a .89i file instead of converting"},
        {"--help", {}, "show this help"},
    };
    return specs;
}

namespace {

const OptionSpec *findSpec(const QString &name)
{
    for (const OptionSpec &spec : optionSpecs())
        if (spec.name == name)
            return &spec;
    return nullptr;
}

} // namespace

ParsedArguments parseArguments(const QStringList &arguments)
{
    Invocation invocation;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || !argument.startsWith(u'-') || argument == u"-") {
            invocation.files << argument;
            continue;
        }
        if (argument == u"--") {
            optionsEnded = true;
            continue;
        }
        const OptionSpec *spec = findSpec(argument);
        if (!spec)
            return {std::nullopt, QStringLiteral("unknown option %1").arg(argument)};
        if (invocation.has(argument))
            return {std::nullopt, QStringLiteral("%1 given twice").arg(argument)};
        QString value;
        if (!spec->valueName.isEmpty()) {
            if (++i == arguments.size())
                return {std::nullopt, QStringLiteral("%1 needs a value").arg(argument)};
            value = arguments[i];
        }
        invocation.options.insert(argument, value);
    }
    return {invocation, {}};
}
