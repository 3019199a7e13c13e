#pragma once

#include <string>
#include <string_view>

namespace trelink {

// Where the bytes of a save go. The default writes them with write(2); a test replaces it to
// fail half-way, the way a full disk would.
class FileSink {
public:
    virtual ~FileSink() = default;
    // Writes all bytes to fd; false on any failure (errno as the failing call left it).
    virtual bool Write(int fd, std::string_view bytes);
};

FileSink& DefaultFileSink();

enum class SaveError {
    None,
    ReadOnlyTarget,    // the target exists and may not be written; it was not touched
    CannotCreateTemp,  // the folder takes no new file
    WriteFailed,       // disk full, file size limit, I/O error
    RenameFailed,
};

enum class TargetState { Missing, Writable, ReadOnly };

// What a save to path would meet: the file behind any symbolic links, and whether it may be
// written. A target without any write permission bit counts as read-only even for root.
TargetState ProbeSaveTarget(const std::string& path);

// Replaces the file at path with bytes so that a reader sees either the old file or the new
// one, never a part: the bytes go to a temporary file in the same folder, are flushed to disk
// and renamed over the target. A symbolic link at path stays and its target is replaced. The
// new file keeps the old one's permission bits (and, for root, its owner). A target without
// any write permission bit counts as read-only even for root. On failure no temporary file is
// left behind and the old file is whole.
SaveError WriteFileAtomically(const std::string& path, std::string_view bytes,
                              FileSink& sink = DefaultFileSink());

}  // namespace trelink
