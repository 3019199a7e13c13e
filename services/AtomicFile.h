#pragma once

#include <string>
#include <string_view>

#include "services/FileSystem.h"

namespace trelink {

enum class SaveError {
    None,
    CannotInspectTarget,  // the target could not be looked at (I/O error, no permission)
    ReadOnlyTarget,       // the target exists and may not be written; it was not touched
    NotAFile,             // the target is a folder, a device or a pipe; it was not touched
    CannotCreateTemp,     // the folder takes no new file
    CannotTakeOver,       // the new file could not get the old one's mode or owner
    WriteFailed,          // disk full, file size limit, I/O error
    RenameFailed,
};

// Unknown: the target could not be looked at for another reason than its absence.
enum class TargetState { Missing, Writable, ReadOnly, Unknown };

// What a save to path would meet: the file behind any symbolic links, and whether it may be
// written. A target without any write permission bit counts as read-only even for root.
TargetState ProbeSaveTarget(const std::string& path, FileSystem& system = DefaultFileSystem());

// Replaces the file at path with bytes so that a reader sees either the old file or the new
// one, never a part: the bytes go to a temporary file in the same folder, are flushed to disk
// and renamed over the target. A symbolic link at path stays and its target is replaced. The
// new file keeps the old one's permission bits (and, for root, its owner). A target without
// any write permission bit counts as read-only even for root. On failure no temporary file is
// left behind and the old file is whole. A save that is killed leaves at most its own
// temporary file, and the next save to the same file removes it, without ever touching the
// temporary file of a save that another process is making at the same moment.
SaveError WriteFileAtomically(const std::string& path, std::string_view bytes,
                              FileSystem& system = DefaultFileSystem());

}  // namespace trelink
