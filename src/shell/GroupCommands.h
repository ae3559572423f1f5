#pragma once

#include "shell/Services.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

class FileSession;
struct GreyPair;
struct GroupFile;
class GroupQuestions;
struct SessionOutcome;

// Group files in the editor: a picture opened from a group (the chooser when it holds
// several), and File > Add to Group.... The window shows what the session says through
// `apply`.
class GroupCommands
{
    Q_DECLARE_TR_FUNCTIONS(GroupCommands)

public:
    GroupCommands(Services services, FileSession &session, GroupQuestions &questions,
                  std::function<void(const SessionOutcome &)> apply);

    // Opens a picture of the group file at path: the only one, or the one the user chooses.
    void open(const QString &path, bool addToRecent);
    // Opens the picture file at path with the other plane's file as one grey picture, when
    // it is one of such a pair and the user says so; false otherwise (nothing opened).
    bool openPair(const QString &path, bool addToRecent);
    // The picture, its names taken and checked, into a group file the user names.
    void addToGroup();
    // Before a save into the group under names of another of its variables: whether the
    // user agrees to replace that variable (true when there is none).
    bool mayReplaceOnSave();

private:
    bool askToReplace(const QString &group, const QString &variable);
    bool askOpenGrey(const QString &path, const GroupFile &group, const GreyPair &pair);

    Services m_services;
    FileSession &m_session;
    GroupQuestions &m_questions;
    std::function<void(const SessionOutcome &)> m_apply;
};
