#include "services/FileVersion.h"

#include <elf.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "tests/common/TempDir.h"

namespace trelink {
namespace {

// Files the compiler and linker made, kept as the seeds of the file-version fuzzer.
std::string Seed(const std::string& name) {
    return test::ReadFile(TRELINK_ELF_SEEDS "/" + name);
}

template <typename T>
std::string Bytes(const T& value) {
    return {reinterpret_cast<const char*>(&value), sizeof value};
}

// Replaces the first occurrence of from by a text of the same length, so no offset moves.
std::string Patched(std::string bytes, const std::string& from, const std::string& to) {
    return bytes.replace(bytes.find(from), from.size(), to);
}

std::string Note(std::uint32_t type, const std::string& owner, const std::string& desc) {
    const auto padded = [](std::string text) {
        return text.resize((text.size() + 3) / 4 * 4), text;
    };
    return Bytes(std::uint32_t(owner.size() + 1)) + Bytes(std::uint32_t(desc.size())) +
           Bytes(type) + padded(owner + '\0') + padded(desc);
}

// A 64-bit file of nothing but a header and one note segment.
std::string NoteSegment(const std::string& notes) {
    Elf64_Ehdr header{};
    std::memcpy(header.e_ident, ELFMAG, SELFMAG);
    header.e_ident[EI_CLASS] = ELFCLASS64;
    header.e_ident[EI_DATA] = ELFDATA2LSB;
    header.e_phoff = sizeof header;
    header.e_phentsize = sizeof(Elf64_Phdr);
    header.e_phnum = 1;
    const Elf64_Phdr segment{PT_NOTE, 0, sizeof header + sizeof(Elf64_Phdr), 0, 0, notes.size(),
                             0,       4};
    return Bytes(header) + Bytes(segment) + notes;
}

std::string VersionText(const std::string& path) {
    const auto version = FileVersion::Read(path);
    return version ? version->ToText() : "-";
}

// The seed's note says 1.2.3; its ".comment" is made a ".modinfo" that says 9.9.
const std::string kNoted = Seed("package-note.so");
const std::string kBoth =
    Patched(Patched(kNoted, ".comment", ".modinfo"), "GCC: (Debia", "version=9.9");

class FileVersionTest : public ::testing::Test {
protected:
    // Rewriting one file over and over is slow where the file system flushes replaced files,
    // so loops give each file a name of its own.
    std::string Version(const std::string& name, const std::string& bytes) {
        return VersionText(m_dir.Write(name, bytes));
    }

    test::TempDir m_dir;
};

TEST_F(FileVersionTest, SourcesAreAskedNoteFirstThenModuleTagThenName) {
    std::string bare = "\177ELF\2\1\1";
    bare.resize(sizeof(Elf64_Ehdr));  // neither sections nor segments
    // Another value that looks like a version, and one that is "version", come before the key.
    const std::string json = R"({"name":"9","x":"version","version":"10.0.2-1"})";
    const struct {
        const char* name;
        std::string bytes;
        const char* version;
    } cases[] = {
        {"note", kNoted, "1.2.3.0"},
        {"stripped", Seed("package-note-without-sections.so"), "1.2.3.0"},
        {"big-endian", Seed("package-note-32-bit-big-endian.so"), "4.5.6.7"},
        {"notes",
         NoteSegment(Note(NT_GNU_BUILD_ID, "GNU", "\x01\x02\x03\x04\x05") +
                     Note(0xcafe1a7e, "FDO", json + '\0')),
         "10.0.2.0"},
        {"mod.ko", Patched(Seed("module-version.o"), "license=GPL", "xversion=77"), "2.0.1.0"},
        {"libboth.so.7", kBoth, "1.2.3.0"},
        // A note without a usable version gives way to the later sources.
        {"libnote.so.3.1", Patched(kBoth, "1.2.3", "none!"), "9.9.0.0"},
        {"libX.so.1.2.3", bare, "1.2.3.0"},
        {"plain", bare, "-"},
        {"libZ.so", bare, "-"},
        {"libZ.so.1.2-3", bare, "-"},
        {"libZ.so.1.2.3.4.5", bare, "-"},
        {"libW.so.65535", bare, "65535.0.0.0"},
        {"libZ.so.65536", bare, "-"},
        // Only ELF files have a version, whatever their name says.
        {"libText.so.1.2", "not an ELF file", "-"},
    };
    for (const auto& c : cases) EXPECT_EQ(Version(c.name, c.bytes), c.version) << c.name;

    // A link is read by the name of the file it leads to.
    std::filesystem::create_symlink(m_dir.File("libX.so.1.2.3"), m_dir.File("libX.so.1"));
    EXPECT_EQ(VersionText(m_dir.File("libX.so.1")), "1.2.3.0");
    std::filesystem::create_symlink(m_dir.File("plain"), m_dir.File("libY.so.4.5.6"));
    EXPECT_EQ(VersionText(m_dir.File("libY.so.4.5.6")), "4.5.6.0");
    // Opening a pipe for reading would wait for a writer forever.
    std::filesystem::create_directory(m_dir.File("libDir.so.1"));
    ASSERT_EQ(::mkfifo(m_dir.File("libPipe.so.1").c_str(), 0600), 0);
    for (const char* name : {"missing.so.1", "libDir.so.1", "libPipe.so.1"}) {
        EXPECT_EQ(VersionText(m_dir.File(name)), "-") << name;
    }
}

}  // namespace
}  // namespace trelink
