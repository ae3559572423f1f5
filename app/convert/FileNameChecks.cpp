#include "FileNameChecks.h"

#include "ToolSupport.h"
#include "platform/ShownNames.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

struct NamedFile
{
    QString name;
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
};

// An argument that is not text, in a message of its own (not a file's, which refuse() shortens).
QString shownArgument(const QByteArray &argument) { return shownName(shownBytes(argument), kMessageNameLength); }

QStringList fileNames(const Invocation &call, const OptionTable &options)
{
    QStringList names = call.files;
    for (const OptionRule &rule : options)
        if (rule.valueName.startsWith(QStringLiteral("OUT")) && call.has(rule.name))
            names << call.value(rule.name);
    return names;
}

} // namespace

int checkFileNames(const Invocation &call, const OptionTable &options)
{
    std::vector<NamedFile> seen;
    for (const QString &name : fileNames(call, options)) {
        struct stat status {};
        NamedFile file{name};
        if (::stat(QFile::encodeName(name).constData(), &status) == 0) {
            if (S_ISDIR(status.st_mode)) // neither read nor written by any command
                return refuse(Failure{Failure::What::Folder, name, {}});
            file = {name, true, status.st_dev, status.st_ino};
        } else if (errno == ENAMETOOLONG) {
            return refuse(Failure{Failure::What::CannotRead, name, QString::fromLocal8Bit(std::strerror(errno))});
        }
        for (const NamedFile &earlier : seen)
            if (file.exists && earlier.exists && earlier.device == file.device && earlier.inode == file.inode)
                return refuse(name,
                              Convert::tr("is the same file as %1; an output never replaces its input").arg(earlier.name));
        seen.push_back(file);
    }
    return kExitOk;
}

int checkArgumentsCarry(const QList<QByteArray> &arguments, const OptionTable &options)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString text = QFile::decodeName(arguments[i]);
        const bool option = !optionsEnded && isOption(text);
        if (option && !carriesAsText(arguments[i]))
            return usageError(Convert::tr("this command has no option %1").arg(shownArgument(arguments[i])));
        optionsEnded = optionsEnded || (option && text == u"--");
        const OptionRule *rule = option ? findOption(options, text) : nullptr;
        if (rule && !rule->valueName.isEmpty() && i + 1 < arguments.size()) {
            ++i; // the value, whatever it looks like, as parseArguments takes it
            if (!carriesAsText(arguments[i]) && !rule->valueName.startsWith(QStringLiteral("OUT")))
                return usageError(Convert::tr("the value of %1 is not valid UTF-8 text: \"%2\"")
                                      .arg(rule->name, shownArgument(arguments[i])));
        }
        if (!carriesAsText(arguments[i])) // a file's name, or an OUT option's value
            return refuse(shownBytes(arguments[i]), uncarriedNameReason());
    }
    return kExitOk;
}
