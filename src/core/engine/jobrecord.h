#pragma once

// What a download job is, as a plain value: its address and options, its state, its folders and
// the tool's facts, read once when they arrived. A SniffTask holds one and only the engine
// changes it; the lists on disk are made of them (written off the GUI thread: the strings are
// shared with the job, so a copy costs a few reference counts).

#include "core/engine/downloadoptions.h"
#include "core/foundation/compacttext.h"
#include "core/foundation/rarepart.h"
#include "core/protocol/toolline.h"

#include <QSharedData>
#include <QString>

struct JobRecord
{
    // The address, the paths and the title (here and in `media`) are kept as UTF-8: a long list
    // holds them for every job and reads them seldom (the finished list keeps the titles it
    // searches lowered beside its rows). A record read from a list keeps them in one block.
    // The options and the progress of a running transfer are rare in a long list (most jobs
    // were made with the defaults, and a finished one read from a list seldom has its last
    // progress): each is a pointer until it holds something.
    CompactText url;
    qint32 state = 0; // SniffTask::State
    CompactText workDir;
    RarePart<DownloadOptions, DownloadOptions::blank> options;
    CompactText thumbnailPath;
    protocol::MediaInfo media;
    RarePart<protocol::Progress, protocol::Progress::blank> progress;
    protocol::Result result;
};

// A job's record as a job holds it: shared with the snapshots a save takes (a snapshot of 50,000
// jobs costs a pointer each) and copied only when the engine changes a job meanwhile.
struct JobRecordData : QSharedData, JobRecord
{
    JobRecordData() = default;
    explicit JobRecordData(const JobRecord &record)
        : JobRecord(record)
    {
    }
};
using SharedJobRecord = QSharedDataPointer<JobRecordData>;
