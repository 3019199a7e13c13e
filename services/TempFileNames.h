#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace trelink {

// The names of the temporary files of saves to one target: "." and the target's name, cut to
// fit the longest name the folder takes, then ".trelink-", six random letters or digits and
// ".tmp". Nothing else is named like that, so a clean-up can tell them from every other file.
class TempFileNames {
public:
    explicit TempFileNames(const std::filesystem::path& target);

    const std::string& Folder() const { return m_folder; }
    // The path of a fresh name.
    std::string Fresh() const;
    bool IsOurs(std::string_view fileName) const;

private:
    std::string m_folder;
    std::string m_prefix;
};

}  // namespace trelink
