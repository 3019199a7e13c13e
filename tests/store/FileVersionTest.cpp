#include "services/FileVersion.h"

#include <elf.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "tests/common/TempDir.h"

namespace trelink {
namespace {

using namespace std::string_literals;

struct ElfSection {
    std::string name;
    std::uint32_t type = SHT_PROGBITS;
    std::string data;
    std::uint64_t align = 4;
};

template <typename T>
void Append(std::string& out, const T& value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void PadTo(std::string& out, std::uint64_t align) {
    out.resize((out.size() + align - 1) / align * align, '\0');
}

// Overwrites a little-endian field, as a damaged or hostile file would have it.
void Put(std::string& bytes, std::size_t at, std::uint64_t value, std::size_t width) {
    std::memcpy(&bytes[at], &value, width);
}

// A small 64-bit ELF file: header, a note segment for each note section, the sections' bytes,
// their names and, last, the section table.
std::string BuildElf(const std::vector<ElfSection>& sections) {
    std::vector<Elf64_Shdr> table(1);
    std::vector<Elf64_Phdr> segments;
    std::string names(1, '\0');
    const auto notes = std::count_if(sections.begin(), sections.end(),
                                     [](const ElfSection& s) { return s.type == SHT_NOTE; });
    std::string out(sizeof(Elf64_Ehdr) + notes * sizeof(Elf64_Phdr), '\0');
    for (const ElfSection& s : sections) {
        PadTo(out, s.align);
        table.push_back(
            {Elf64_Word(names.size()), s.type, 0, 0, out.size(), s.data.size(), 0, 0, s.align, 0});
        if (s.type == SHT_NOTE) {
            segments.push_back({PT_NOTE, 0, out.size(), 0, 0, s.data.size(), 0, s.align});
        }
        names += s.name + '\0';
        out += s.data;
    }
    table.push_back({0, SHT_STRTAB, 0, 0, out.size(), names.size(), 0, 0, 1, 0});
    out += names;
    PadTo(out, 8);
    Elf64_Ehdr header{};
    std::memcpy(header.e_ident, ELFMAG, SELFMAG);
    header.e_ident[EI_CLASS] = ELFCLASS64;
    header.e_ident[EI_DATA] = ELFDATA2LSB;
    header.e_phoff = sizeof header;
    header.e_phentsize = sizeof(Elf64_Phdr);
    header.e_phnum = Elf64_Half(segments.size());
    header.e_shoff = out.size();
    header.e_shentsize = sizeof(Elf64_Shdr);
    header.e_shnum = Elf64_Half(table.size());
    header.e_shstrndx = Elf64_Half(table.size() - 1);
    for (const Elf64_Shdr& entry : table) Append(out, entry);
    std::memcpy(out.data(), &header, sizeof header);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        std::memcpy(&out[sizeof header + i * sizeof(Elf64_Phdr)], &segments[i], sizeof(Elf64_Phdr));
    }
    return out;
}

std::string Note(std::uint32_t type, const std::string& owner, const std::string& desc) {
    std::string note;
    Append(note, static_cast<std::uint32_t>(owner.size() + 1));
    Append(note, static_cast<std::uint32_t>(desc.size()));
    Append(note, type);
    note += owner + '\0';
    PadTo(note, 4);
    note += desc;
    PadTo(note, 4);
    return note;
}

std::string PackageNote(const std::string& json) {
    return Note(0xcafe1a7e, "FDO", json + '\0');
}

std::string VersionText(const std::string& path) {
    const auto version = FileVersion::Read(path);
    return version ? version->ToText() : "-";
}

// Another value that looks like a version comes before the key "version".
const std::string kJson = R"({"type":"deb","os":"debian","name":"9","version":"1.2.3.4"})";

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
    const std::string note = PackageNote(kJson);
    const std::string gnu = Note(NT_GNU_BUILD_ID, "GNU", "\x01\x02\x03\x04\x05");
    const std::string modinfo("license=GPL\0srcversion=9.9.9\0version=2.5\0"s);
    std::string stripped = BuildElf({{".note.package", SHT_NOTE, note}});
    Put(stripped, offsetof(Elf64_Ehdr, e_shoff), 0, 8);  // only the note segment is left
    const struct {
        const char* name;
        std::string bytes;
        const char* version;
    } cases[] = {
        {"note", BuildElf({{".note.package", SHT_NOTE, note}}), "1.2.3.4"},
        {"stripped", stripped, "1.2.3.4"},
        {"notes",
         BuildElf({{".note.gnu.build-id", SHT_NOTE, gnu},
                   {".note.package", SHT_NOTE,
                    gnu + PackageNote(R"({ "name" : "version", "version" : "10.0.2-1" })")}}),
         "10.0.2.0"},
        {"mod.ko", BuildElf({{".modinfo", SHT_PROGBITS, modinfo, 1}}), "2.5.0.0"},
        {"libboth.so.7",
         BuildElf({{".modinfo", SHT_PROGBITS, modinfo, 1}, {".note.package", SHT_NOTE, note}}),
         "1.2.3.4"},
        // A note without a usable version gives way to the later sources.
        {"libnote.so.3.1",
         BuildElf({{".note.package", SHT_NOTE, PackageNote(R"({"version":"none"})")},
                   {".modinfo", SHT_PROGBITS, "srcversion=4.4"}}),
         "3.1.0.0"},
        {"libX.so.1.2.3", BuildElf({}), "1.2.3.0"},
        {"plain", BuildElf({}), "-"},
        {"libZ.so", BuildElf({}), "-"},
        {"libZ.so.1.2-3", BuildElf({}), "-"},
        {"libZ.so.1.2.3.4.5", BuildElf({}), "-"},
        {"libW.so.65535", BuildElf({}), "65535.0.0.0"},
        {"libZ.so.65536", BuildElf({}), "-"},
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

// Fields set to extreme values or the file cut anywhere: nothing may crash, read out of bounds
// (the sanitizer build tells) or allocate what a field claims. Random damage is the fuzzer's.
TEST_F(FileVersionTest, DamagedFilesGiveTheirVersionOrNoneAndDoNoHarm) {
    const std::string whole = BuildElf({{".modinfo", SHT_PROGBITS, "version=5.6", 1},
                                        {".note.package", SHT_NOTE, PackageNote(kJson)}});
    const auto harmless = [this](const std::string& name, const std::string& bytes) {
        const std::string text = Version(name, bytes);
        return text == "-" || text == "1.2.3.4" || text == "5.6.0.0";
    };
    const std::size_t table = whole.size() - 4 * sizeof(Elf64_Shdr);
    const std::size_t note = table + 2 * sizeof(Elf64_Shdr);
    const std::size_t names = table + 3 * sizeof(Elf64_Shdr);
    const std::size_t noteData = whole.find("FDO") - 12;  // the note's name and data sizes
    const std::pair<std::size_t, std::size_t> fields[] = {
        {offsetof(Elf64_Ehdr, e_phoff), 8},
        {offsetof(Elf64_Ehdr, e_shoff), 8},
        {offsetof(Elf64_Ehdr, e_phentsize), 2},
        {offsetof(Elf64_Ehdr, e_phnum), 2},
        {offsetof(Elf64_Ehdr, e_shentsize), 2},
        {offsetof(Elf64_Ehdr, e_shnum), 2},
        {offsetof(Elf64_Ehdr, e_shstrndx), 2},
        {note + offsetof(Elf64_Shdr, sh_offset), 8},
        {note + offsetof(Elf64_Shdr, sh_size), 8},
        {names + offsetof(Elf64_Shdr, sh_name), 4},
        {names + offsetof(Elf64_Shdr, sh_offset), 8},
        {noteData, 4},
        {noteData + 4, 4}};
    for (const auto& [at, width] : fields) {
        for (const std::uint64_t value : {0ULL, 1ULL, 1ULL << 40, ~0ULL - 10, ~0ULL}) {
            std::string bytes = whole;
            Put(bytes, at, value, width);
            EXPECT_TRUE(harmless("damaged", bytes)) << at << " " << value;
        }
    }
    // An absurd count in the extended numbering of entry 0, and no note segment to fall back on.
    std::string extended = whole;
    Put(extended, offsetof(Elf64_Ehdr, e_phnum), 0, 2);
    Put(extended, offsetof(Elf64_Ehdr, e_shnum), 0, 2);
    Put(extended, table + offsetof(Elf64_Shdr, sh_size), ~0ULL, 8);
    EXPECT_EQ(Version("damaged", extended), "-");

    for (std::size_t length = 0; length < whole.size(); ++length) {
        EXPECT_TRUE(harmless("cut" + std::to_string(length), whole.substr(0, length))) << length;
    }
}

}  // namespace
}  // namespace trelink
