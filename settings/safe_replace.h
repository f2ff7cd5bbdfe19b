#pragma once

#include <QByteArray>
#include <QString>

class FileOps;

// What a careful replacement of a file did.
struct ReplaceOutcome {
    bool replaced = false;     // the file holds the new bytes, synced to disk
    bool originalKept = false; // the original content stands under a backup name
};

// Replaces the file at `path` with `bytes` so that at every moment `path`
// holds its old content or the whole new content, and a failed write or
// sync leaves the old content as it was and no temporary file behind.
//
// The new content is written and synced beside the file first. Only then,
// when `keepOriginal` is set, the original is kept under the first free name
// of path + ".bak", ".bak2", ... ".bak99": as a second link to it, which
// costs neither time nor space, or, where the file system has no links, as
// a copy of its first `keptBytes`. An existing backup is never replaced.
// Only then does the new file take the original's place.
//
// Where the folder refuses the new file (no permission, no room), the file
// is overwritten in place, unless its original must be kept: the room it
// needs is claimed before its old bytes are touched, so a full disk leaves
// the old content whole. A symbolic link at `path` is followed, and a file
// the user made read-only is left alone unless its original is kept.
ReplaceOutcome replaceFileSafely(FileOps& fs, const QString& path, const QByteArray& bytes,
                                 bool keepOriginal, qint64 keptBytes);
