#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The tool's words: Convert::tr("...") gives them in the user's language once main() has
// installed the translations (option names, file names and file contents stay as they are).
struct Convert
{
    Q_DECLARE_TR_FUNCTIONS(Convert)
};

// One option a command knows; the parser reads by it and the help text lists it.
struct OptionRule
{
    QString name;      // "--folder"
    QString valueName; // "F"; empty for a flag
    QString help;
};
using OptionTable = std::vector<OptionRule>;

// A command line taken apart: the file arguments in order and the options given.
struct Invocation
{
    QStringList files;
    QMap<QString, QString> options; // flags map to an empty value
    bool has(const QString &option) const { return options.contains(option); }
    QString value(const QString &option) const { return options.value(option); }
};

struct ParsedArguments
{
    std::optional<Invocation> invocation;
    QString error; // why the arguments are not a command line, when invocation is empty
};

// Arguments without the program name, read against the options in `table` (the same
// option may take a value in one command and be a flag in another). "--" ends the options.
ParsedArguments parseArguments(const QStringList &arguments, const OptionTable &table);

// Whether an argument before "--" is read as an option (a lone "-" is a file named -).
bool isOption(const QString &argument);
// The rule of the option named `name` in `table`, or nothing.
const OptionRule *findOption(const OptionTable &table, const QString &name);

// Whether `option` is among the arguments before any "--".
bool mentions(const QStringList &arguments, const QString &option);
