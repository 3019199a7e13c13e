#pragma once

#include <filesystem>
#include <string>

namespace trelink::test {

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    // Writes text into the named file and gives its full path.
    std::string Write(const std::string& name, const std::string& text) const;
    static std::string Read(const std::string& path);

private:
    std::filesystem::path m_path;
};

}  // namespace trelink::test
