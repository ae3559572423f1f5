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

int checkArgumentsCarry(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (!carriesAsText(QByteArray(argv[i])))
            return refuse(shownBytes(QByteArray(argv[i])), uncarriedNameReason());
    return kExitOk;
}
