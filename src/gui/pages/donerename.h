#pragma once

// Renaming a finished download's file in place: the checks of the typed name and the question
// when the name is taken; the engine then renames the file (SniffMgr::renameFile).

#include <QCoreApplication>
#include <QString>

class SniffTask;

class DoneRename
{
public:
    // The texts keep the context they have always been translated in.
    Q_DECLARE_TR_FUNCTIONS(DoneTaskWidget)

public:
    enum class Outcome
    {
        Unchanged, // the same name, an empty one (the user was told), or a taken name declined
        Renamed,
        Failed, // an invalid name, or the file could not be renamed
    };

    // Renames the task's file to the typed name (leading spaces dropped, the old suffix kept).
    static Outcome rename(SniffTask *task, const QString &typed);
};
