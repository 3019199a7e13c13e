#pragma once

#include <cstdint>
#include <string>

namespace trelink {

// The program's settings file in the common INI form ("[Section]", then "Key=Value" lines).
// Every call reads the file anew, since a person or another program may edit it meanwhile.
// Section and key names match without regard to case or the blanks around them, and the first
// match wins; a value is the raw text after "=" with the blanks around it removed. A missing
// file, and anything at the path that is no regular file of at most 1 MiB, reads as the defaults.
class IniFile {
public:
    explicit IniFile(std::string path) : m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // The value's leading decimal digits with their sign; the default when there are none.
    std::int32_t ReadInt(const std::string& section, const std::string& key,
                         std::int32_t defaultValue) const;
    // Rewrites that one line, or adds the key (and its section), keeping every other line as it
    // was; creates the file when there is none. False when the file could not be read or saved,
    // in which case it is left as it was.
    bool WriteInt(const std::string& section, const std::string& key, std::int32_t value) const;

private:
    std::string m_path;
};

// The settings file of a program: its path with the extension replaced by ".ini", or ".ini"
// appended when the program file has none.
std::string SettingsPathFor(const std::string& programPath);

}  // namespace trelink
