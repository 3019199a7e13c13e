#pragma once

#include <string>

#include "services/FileSystem.h"
#include "services/TempFileNames.h"

namespace trelink {

// The new content of a save on its way to the target. It is locked (flock) from before anyone
// can see it until after it has replaced the target, so a clean-up that removes only the
// temporary files no process holds locked removes only those of saves that were killed, never
// one that another process is saving through. Removed again when it does not get that far.
class TempFile {
public:
    TempFile(const TempFileNames& names, FileSystem& system) : m_names(names), m_system(system) {}
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // Without a name where the file system allows it: a save killed before the rename then
    // leaves nothing at all. Otherwise under a fresh name.
    bool Create(bool unnamed);
    int Fd() const { return m_fd; }
    // Gives a file created without a name a fresh one, which the rename needs.
    bool GiveName();
    bool Replace(const std::string& target);

    // Removes every temporary file of ours that no process holds locked: what saves that were
    // killed left behind.
    static void RemoveStrays(const TempFileNames& names, FileSystem& system);

private:
    bool CreateNamed();
    bool Lock();
    bool HoldsFileNamed(const std::string& path);
    static void RemoveIfStray(const std::string& path, FileSystem& system);

    const TempFileNames& m_names;
    FileSystem& m_system;
    int m_fd = -1;
    std::string m_path;  // empty while the file has no name, and once it replaced the target
};

}  // namespace trelink
