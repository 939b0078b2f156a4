#pragma once

// File chores done off the GUI thread: hashing archives and removing old builds.

#include <QDir>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class FileAssitant : public QObject
{
    Q_OBJECT
public:
    enum HashKind
    {
        Md5 = 0,
        Sha1 = 1
    };

    explicit FileAssitant(QObject *parent = nullptr);
    ~FileAssitant() override;

    // Hashes the file on the thread pool; hashFinised carries the lower-case hex digest (empty
    // when the file cannot be read).
    void hash(const QString &path, int kind);
    void cancel() { cancelled->store(true); }
    void clearCancel() { cancelled->store(false); }

    // Renames the file or folder out of the way at once, then deletes it on the thread pool.
    // Deleting happens in-process: no shell is involved.
    static void remove(const QString &path);
    // Removes every entry of the folder (of the given kinds) whose name ends in ".zip" or does
    // not occur in `inUse`: old unpacked builds and archives.
    static void removeStaleEntries(const QString &folder, QDir::Filters kinds,
                                   const QString &inUse);

Q_SIGNALS:
    void hashFinised(const QString &digest);

private:
    // Shared with the pool job, which may outlive this object.
    std::shared_ptr<std::atomic_bool> cancelled;
};
