#pragma once

#include <optional>
#include <string>

namespace trelink {

// A calendar day in UTC.
struct FileDate {
    int day = 1;
    int month = 1;
    int year = 1970;

    // The day a file came into being: its birth time where the file system records one, else
    // its last modification. Symbolic links are followed. Empty when there is no such file.
    static std::optional<FileDate> CreationDateOf(const std::string& path);
    // The UTC day of a time in seconds since 1970, clamped to the years 1 to 9999.
    static FileDate FromUnixSeconds(long long seconds);

    // "%02i.%02i.%04i": day, month, year.
    std::string ToText() const;
};

}  // namespace trelink
