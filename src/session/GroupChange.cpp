#include "session/GroupChange.h"

#include "calc/DocumentWords.h"
#include "session/TiGroup.h"

void putInPlaceOf(GroupFile &group, const std::string &folder, const std::string &name, GroupEntry variable)
{
    const int old = findVariable(group, folder, name);
    const bool renamedInFolder = old >= 0 && variable.folder == folder && findVariable(group, variable.folder, variable.name) < 0;
    if (renamedInFolder) {
        variable.attribute = group.entries[size_t(old)].attribute;
        group.entries[size_t(old)] = std::move(variable);
        return;
    }
    if (old >= 0 && (variable.folder != folder || variable.name != name))
        removeVariable(group, folder, name);
    putVariable(group, std::move(variable));
}

namespace {
void apply(GroupFile &group, const GroupChange &change)
{
    for (size_t i = 0; i < change.variables.size(); ++i) {
        if (i < change.oldNames.size())
            putInPlaceOf(group, change.folder, change.oldNames[i], change.variables[i]);
        else
            putVariable(group, change.variables[i]);
    }
    if (change.comment)
        group.comment = *change.comment;
}
} // namespace

Outcome<QByteArray> changedGroup(const QString &path, const QByteArray &bytes, const GroupChange &change)
{
    if (isTiGroup(bytes))
        return changedTiGroup(path, bytes, change);
    Outcome<GroupFile> group = decodeGroupFile(path, bytes);
    if (!group)
        return group.failure();
    apply(*group, change);
    const std::optional<std::vector<uint8_t>> written = writeGroup(*group);
    if (!written)
        return Failure{Failure::What::CannotEncode, path, groupReason(groupWriteError(*group))};
    return QByteArray(reinterpret_cast<const char *>(written->data()), qsizetype(written->size()));
}

Outcome<QByteArray> freshGroup(const QString &path, CalcKind kind, const std::string &comment,
                               const std::vector<GroupEntry> &variables)
{
    GroupFile group;
    group.kind = kind;
    group.comment = comment;
    for (const GroupEntry &variable : variables)
        putVariable(group, variable);
    return encodeGroupFile(path, group);
}
