#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The tool's options: one table, read by the parser and by the help text.
struct OptionSpec
{
    QString name;      // "--folder"
    QString valueName; // "F"; empty for a flag
    QString help;
};
const std::vector<OptionSpec> &optionSpecs();

// A command line taken apart: the file arguments in order and the options given.
struct Invocation
{
    QStringList files;
    QMap<QString, QString> options; // flags map to an empty value
    bool has(const QString &option) const { return options.contains(option); }
};

struct ParsedArguments
{
    std::optional<Invocation> invocation;
    QString error; // why the arguments are not a command line, when invocation is empty
};

// Arguments without the program name. "--" ends the options.
ParsedArguments parseArguments(const QStringList &arguments);
