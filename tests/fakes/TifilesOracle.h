#pragma once

// libtifiles2 as the oracle of group and TIGroup files, for the tests that link it
// (PkgConfig::TIFILES). HAVE_TIFILES is defined when its header is there.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstring>
#include <vector>

#if __has_include(<tilp2/tifiles.h>)
#define restrict __restrict
#include <tilp2/tifiles.h>
#undef restrict
#define HAVE_TIFILES 1

// One variable as the oracle sees it.
struct OracleVariable
{
    QByteArray folder, name;
    int type = 0, attribute = 0;
    QByteArray data;
    bool operator==(const OracleVariable &) const = default;
};

inline FileContent *oracleContent(CalcModel model, const std::vector<OracleVariable> &variables)
{
    tifiles_library_init();
    FileContent *content = tifiles_content_create_regular(model);
    std::strcpy(content->default_folder, "main");
    std::strcpy(content->comment, "made by the oracle");
    for (const OracleVariable &v : variables) {
        VarEntry *entry = tifiles_ve_create_alloc_data(uint32_t(v.data.size()));
        std::strncpy(entry->folder, v.folder.constData(), 8);
        std::strncpy(entry->name, v.name.constData(), 8);
        entry->type = uint8_t(v.type);
        entry->attr = uint8_t(v.attribute);
        entry->size = uint32_t(v.data.size());
        std::memcpy(entry->data, v.data.constData(), size_t(v.data.size()));
        tifiles_content_add_entry(content, entry);
    }
    return content;
}

inline std::vector<OracleVariable> oracleVariables(const FileContent *content)
{
    std::vector<OracleVariable> variables;
    for (unsigned i = 0; i < content->num_entries; ++i) {
        const VarEntry *e = content->entries[i];
        variables.push_back({e->folder, e->name, e->type, e->attr,
                             QByteArray(reinterpret_cast<const char *>(e->data), qsizetype(e->size))});
    }
    return variables;
}

// Writes the variables as one file (a group when there are several); whether it went.
inline bool oracleWriteGroup(const QString &path, CalcModel model, const std::vector<OracleVariable> &variables)
{
    FileContent *content = oracleContent(model, variables);
    const int error = tifiles_file_write_regular(path.toLocal8Bit().constData(), content, nullptr);
    tifiles_content_delete_regular(content);
    return error == 0;
}

// The variables of a group or single file; ok false when the oracle refuses it.
inline std::vector<OracleVariable> oracleReadGroup(const QString &path, bool &ok)
{
    tifiles_library_init();
    FileContent *content = tifiles_content_create_regular(CALC_NONE);
    ok = tifiles_file_read_regular(path.toLocal8Bit().constData(), content) == 0;
    std::vector<OracleVariable> variables = ok ? oracleVariables(content) : std::vector<OracleVariable>();
    tifiles_content_delete_regular(content);
    return variables;
}

// A TI-92 backup of these data bytes (for the TI-92 the library writes one); whether it went.
inline bool oracleWriteBackup(const QString &path, const QByteArray &data)
{
    tifiles_library_init();
    BackupContent *content = tifiles_content_create_backup(CALC_TI92);
    std::strcpy(content->rom_version, "2.1");
    content->type = 0x1D;
    content->data_length = uint32_t(data.size());
    content->data_part = static_cast<uint8_t *>(tifiles_ve_alloc_data(size_t(data.size())));
    std::memcpy(content->data_part, data.constData(), size_t(data.size()));
    const int error = tifiles_file_write_backup(path.toLocal8Bit().constData(), content);
    tifiles_content_delete_backup(content);
    return error == 0;
}

// A TIGroup of the single-variable files given; whether it went.
inline bool oracleWriteTig(const QString &path, const QStringList &files)
{
    tifiles_library_init();
    std::vector<QByteArray> names;
    for (const QString &file : files)
        names.push_back(file.toLocal8Bit());
    std::vector<char *> list;
    for (QByteArray &name : names)
        list.push_back(name.data());
    list.push_back(nullptr);
    return tifiles_tigroup_files(list.data(), path.toLocal8Bit().constData()) == 0;
}

// The variables of a TIGroup, with the names of their files; ok false when refused.
inline std::vector<OracleVariable> oracleReadTig(const QString &path, bool &ok, QStringList *files = nullptr)
{
    tifiles_library_init();
    TigContent *content = tifiles_content_create_tigroup(CALC_NONE, 0);
    ok = tifiles_file_read_tigroup(path.toLocal8Bit().constData(), content) == 0;
    std::vector<OracleVariable> variables;
    for (unsigned i = 0; ok && i < content->n_vars; ++i) {
        if (files)
            *files << QString::fromLocal8Bit(content->var_entries[i]->filename);
        for (const OracleVariable &v : oracleVariables(content->var_entries[i]->content.regular))
            variables.push_back(v);
    }
    tifiles_content_delete_tigroup(content);
    return variables;
}
#endif
