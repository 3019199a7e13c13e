#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <optional>
#include <string>

namespace trelink::sim {

// What tells one version of a file from the next without reading it: the file behind the name
// (device and inode), its size and the nanoseconds of its last modification.
class FileStamp {
public:
    // Empty when the file cannot be looked at.
    static std::optional<FileStamp> Of(const std::string& path);

    bool operator==(const FileStamp& other) const;
    // Whether the file was changed long enough ago that a later change must show in the stamp:
    // a file system stamps with the coarse clock of its own granularity, so two changes within
    // one tick can carry the same time.
    bool IsSettled() const;

private:
    explicit FileStamp(const struct stat& status) : m_status(status) {}

    struct stat m_status;
};

}  // namespace trelink::sim
