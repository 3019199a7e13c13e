#include "services/FileVersion.h"

#include <elf.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <vector>

#include <gtest/gtest.h>

#include "tests/store/TempDir.h"

namespace trelink {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;
using namespace std::string_literals;

struct ElfSection {
    std::string name;
    std::uint32_t type = SHT_PROGBITS;
    std::string data;
    std::uint64_t align = 4;
};

// Writes small ELF files of either class and byte order: a header, the sections' bytes, the
// section names and the section table, and optionally note segments instead of the table.
class ElfWriter {
public:
    ElfWriter(bool is64 = true, bool bigEndian = false) : m_is64(is64), m_big(bigEndian) {}

    std::string Build(const std::vector<ElfSection>& sections, bool withSectionTable = true) const {
        const std::size_t headerSize = m_is64 ? sizeof(Elf64_Ehdr) : sizeof(Elf32_Ehdr);
        const std::size_t programEntry = m_is64 ? sizeof(Elf64_Phdr) : sizeof(Elf32_Phdr);
        std::size_t notes = 0;
        for (const ElfSection& s : sections) notes += s.type == SHT_NOTE ? 1 : 0;
        const std::size_t programTable = withSectionTable ? 0 : headerSize;
        std::string out(headerSize + (withSectionTable ? 0 : notes * programEntry), '\0');
        std::vector<std::size_t> offsets;
        for (const ElfSection& s : sections) {
            out.resize((out.size() + s.align - 1) / s.align * s.align, '\0');
            offsets.push_back(out.size());
            out += s.data;
        }
        std::string names(1, '\0');
        std::vector<std::size_t> nameOffsets;
        for (const ElfSection& s : sections) {
            nameOffsets.push_back(names.size());
            names += s.name + '\0';
        }
        const std::size_t namesOffset = out.size();
        out += names;
        out.resize((out.size() + 7) / 8 * 8, '\0');
        const std::size_t table = out.size();
        PutHeader(out, withSectionTable ? table : 0, sections.size() + 2,
                  withSectionTable ? 0 : notes);
        if (withSectionTable) {
            out.resize(table + SectionEntrySize() * (sections.size() + 2), '\0');
            for (std::size_t i = 0; i < sections.size(); ++i) {
                PutSection(out, table + (i + 1) * SectionEntrySize(), nameOffsets[i],
                           sections[i].type, offsets[i], sections[i].data.size(),
                           sections[i].align);
            }
            PutSection(out, table + (sections.size() + 1) * SectionEntrySize(), 0, SHT_STRTAB,
                       namesOffset, names.size(), 1);
        }
        std::size_t entry = programTable;
        for (std::size_t i = 0; i < sections.size() && !withSectionTable; ++i) {
            if (sections[i].type != SHT_NOTE) continue;
            PutNoteSegment(out, entry, offsets[i], sections[i].data.size(), sections[i].align);
            entry += programEntry;
        }
        return out;
    }

    std::string Note(std::uint32_t type, const std::string& owner, const std::string& desc) const {
        std::string note(12, '\0');
        Put(note, 0, owner.size() + 1, 4);
        Put(note, 4, desc.size(), 4);
        Put(note, 8, type, 4);
        note += owner + '\0';
        note.resize((note.size() + 3) / 4 * 4, '\0');
        note += desc;
        note.resize((note.size() + 3) / 4 * 4, '\0');
        return note;
    }

    std::string PackageNote(const std::string& json) const {
        return Note(0xcafe1a7e, "FDO", json + '\0');
    }

    void Put(std::string& out, std::size_t at, std::uint64_t value, std::size_t width) const {
        for (std::size_t i = 0; i < width; ++i) {
            const std::size_t index = m_big ? at + width - 1 - i : at + i;
            out[index] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    }

private:
    std::size_t Word() const { return m_is64 ? 8 : 4; }
    std::size_t SectionEntrySize() const {
        return m_is64 ? sizeof(Elf64_Shdr) : sizeof(Elf32_Shdr);
    }

    void PutHeader(std::string& out, std::size_t table, std::size_t count,
                   std::size_t notes) const {
        std::memcpy(out.data(), ELFMAG, SELFMAG);
        out[EI_CLASS] = static_cast<char>(m_is64 ? ELFCLASS64 : ELFCLASS32);
        out[EI_DATA] = static_cast<char>(m_big ? ELFDATA2MSB : ELFDATA2LSB);
        out[EI_VERSION] = EV_CURRENT;
        if (m_is64) {
            Put(out, offsetof(Elf64_Ehdr, e_type), ET_DYN, 2);
            Put(out, offsetof(Elf64_Ehdr, e_phoff), notes ? sizeof(Elf64_Ehdr) : 0, 8);
            Put(out, offsetof(Elf64_Ehdr, e_shoff), table, 8);
            Put(out, offsetof(Elf64_Ehdr, e_phentsize), sizeof(Elf64_Phdr), 2);
            Put(out, offsetof(Elf64_Ehdr, e_phnum), notes, 2);
            Put(out, offsetof(Elf64_Ehdr, e_shentsize), sizeof(Elf64_Shdr), 2);
            Put(out, offsetof(Elf64_Ehdr, e_shnum), table ? count : 0, 2);
            Put(out, offsetof(Elf64_Ehdr, e_shstrndx), table ? count - 1 : 0, 2);
        } else {
            Put(out, offsetof(Elf32_Ehdr, e_type), ET_DYN, 2);
            Put(out, offsetof(Elf32_Ehdr, e_phoff), notes ? sizeof(Elf32_Ehdr) : 0, 4);
            Put(out, offsetof(Elf32_Ehdr, e_shoff), table, 4);
            Put(out, offsetof(Elf32_Ehdr, e_phentsize), sizeof(Elf32_Phdr), 2);
            Put(out, offsetof(Elf32_Ehdr, e_phnum), notes, 2);
            Put(out, offsetof(Elf32_Ehdr, e_shentsize), sizeof(Elf32_Shdr), 2);
            Put(out, offsetof(Elf32_Ehdr, e_shnum), table ? count : 0, 2);
            Put(out, offsetof(Elf32_Ehdr, e_shstrndx), table ? count - 1 : 0, 2);
        }
    }

    void PutSection(std::string& out, std::size_t at, std::size_t name, std::uint32_t type,
                    std::size_t offset, std::size_t size, std::uint64_t align) const {
        Put(out, at + (m_is64 ? offsetof(Elf64_Shdr, sh_name) : offsetof(Elf32_Shdr, sh_name)),
            name, 4);
        Put(out, at + (m_is64 ? offsetof(Elf64_Shdr, sh_type) : offsetof(Elf32_Shdr, sh_type)),
            type, 4);
        Put(out, at + (m_is64 ? offsetof(Elf64_Shdr, sh_offset) : offsetof(Elf32_Shdr, sh_offset)),
            offset, Word());
        Put(out, at + (m_is64 ? offsetof(Elf64_Shdr, sh_size) : offsetof(Elf32_Shdr, sh_size)),
            size, Word());
        Put(out,
            at + (m_is64 ? offsetof(Elf64_Shdr, sh_addralign) : offsetof(Elf32_Shdr, sh_addralign)),
            align, Word());
    }

    void PutNoteSegment(std::string& out, std::size_t at, std::size_t offset, std::size_t size,
                        std::uint64_t align) const {
        Put(out, at + (m_is64 ? offsetof(Elf64_Phdr, p_type) : offsetof(Elf32_Phdr, p_type)),
            PT_NOTE, 4);
        Put(out, at + (m_is64 ? offsetof(Elf64_Phdr, p_offset) : offsetof(Elf32_Phdr, p_offset)),
            offset, Word());
        Put(out, at + (m_is64 ? offsetof(Elf64_Phdr, p_filesz) : offsetof(Elf32_Phdr, p_filesz)),
            size, Word());
        Put(out, at + (m_is64 ? offsetof(Elf64_Phdr, p_align) : offsetof(Elf32_Phdr, p_align)),
            align, Word());
    }

    bool m_is64;
    bool m_big;
};

std::string VersionText(const std::string& path) {
    const auto version = FileVersion::Read(path);
    return version ? version->ToText() : "-";
}

const std::string kJson = R"({"type":"deb","os":"debian","name":"x","version":"1.2.3.4"})";

class FileVersionTest : public ::testing::Test {
protected:
    // Rewriting one file over and over is slow where the file system flushes replaced files,
    // so loops give each file a name of its own.
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = m_dir.File(name);
        WriteFile(path, bytes);
        return path;
    }

    TempDir m_dir;
    ElfWriter m_elf;
};

TEST_F(FileVersionTest, PackageNoteIsReadInEveryClassAndByteOrder) {
    for (bool is64 : {true, false}) {
        for (bool big : {false, true}) {
            const ElfWriter elf(is64, big);
            const std::string path =
                Write("note", elf.Build({{".note.package", SHT_NOTE, elf.PackageNote(kJson)}}));
            EXPECT_EQ(VersionText(path), "1.2.3.4") << is64 << big;
        }
    }
    // Without a section table the loader's note segment still carries it.
    const std::string stripped = Write(
        "stripped", m_elf.Build({{".note.package", SHT_NOTE, m_elf.PackageNote(kJson)}}, false));
    EXPECT_EQ(VersionText(stripped), "1.2.3.4");
}

TEST_F(FileVersionTest, NoteFindsVersionAmongOtherNotesAndKeys) {
    const std::string gnu = m_elf.Note(NT_GNU_BUILD_ID, "GNU", "\x01\x02\x03\x04\x05");
    const std::string json = R"({ "name" : "version", "version" : "10.0.2-1", "x": "y" })";
    const std::string path =
        Write("notes", m_elf.Build({{".note.gnu.build-id", SHT_NOTE, gnu},
                                    {".note.package", SHT_NOTE, gnu + m_elf.PackageNote(json)}}));
    EXPECT_EQ(VersionText(path), "10.0.2.0");
}

TEST_F(FileVersionTest, SourcesAreAskedNoteFirstThenModuleTagThenName) {
    const std::string modinfo("license=GPL\0srcversion=9.9.9\0version=2.5\0"s);
    EXPECT_EQ(VersionText(Write("mod.ko", m_elf.Build({{".modinfo", SHT_PROGBITS, modinfo, 1}}))),
              "2.5.0.0");
    const std::string both = m_elf.Build({{".modinfo", SHT_PROGBITS, modinfo, 1},
                                          {".note.package", SHT_NOTE, m_elf.PackageNote(kJson)}});
    EXPECT_EQ(VersionText(Write("libboth.so.7", both)), "1.2.3.4");
    // A note without a usable version gives way to the later sources.
    const std::string noVersion = m_elf.PackageNote(R"({"version":"none"})");
    EXPECT_EQ(VersionText(Write("libnote.so.3.1",
                                m_elf.Build({{".note.package", SHT_NOTE, noVersion},
                                             {".modinfo", SHT_PROGBITS, "srcversion=4.4"}}))),
              "3.1.0.0");
}

TEST_F(FileVersionTest, LibraryRealNameGivesTheVersionAlsoThroughLinks) {
    const std::string plain = Write("plain", m_elf.Build({}));
    EXPECT_EQ(VersionText(plain), "-");
    const std::string real = Write("libX.so.1.2.3", m_elf.Build({}));
    EXPECT_EQ(VersionText(real), "1.2.3.0");
    std::filesystem::create_symlink(real, m_dir.File("libX.so.1"));
    EXPECT_EQ(VersionText(m_dir.File("libX.so.1")), "1.2.3.0");
    std::filesystem::create_symlink(plain, m_dir.File("libY.so.4.5.6"));
    EXPECT_EQ(VersionText(m_dir.File("libY.so.4.5.6")), "4.5.6.0");
    EXPECT_EQ(VersionText(Write("libZ.so", m_elf.Build({}))), "-");
    EXPECT_EQ(VersionText(Write("libZ.so.1.2-3", m_elf.Build({}))), "-");
    // Only ELF files have a version, whatever their name says.
    EXPECT_EQ(VersionText(Write("libText.so.1.2", "not an ELF file")), "-");
}

TEST_F(FileVersionTest, NoVersionForMissingFilesDirectoriesAndPipes) {
    EXPECT_EQ(VersionText(m_dir.File("missing.so.1")), "-");
    std::filesystem::create_directory(m_dir.File("libDir.so.1"));
    EXPECT_EQ(VersionText(m_dir.File("libDir.so.1")), "-");
    // Opening a pipe for reading would wait for a writer forever.
    ASSERT_EQ(mkfifo(m_dir.File("libPipe.so.1").c_str(), 0600), 0);
    EXPECT_EQ(VersionText(m_dir.File("libPipe.so.1")), "-");
}

TEST_F(FileVersionTest, TruncatedFilesGiveNoVersionOrTheRightOne) {
    const std::string whole = m_elf.Build({{".modinfo", SHT_PROGBITS, "version=5.6", 1},
                                           {".note.package", SHT_NOTE, m_elf.PackageNote(kJson)}});
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        const std::string text =
            VersionText(Write("cut" + std::to_string(length), whole.substr(0, length)));
        EXPECT_TRUE(text == "-" || text == "1.2.3.4" || text == "5.6.0.0") << length << text;
    }
    EXPECT_EQ(VersionText(Write("cut", whole)), "1.2.3.4");
}

TEST_F(FileVersionTest, HostileHeadersAndSizesGiveNoVersion) {
    const std::string whole = m_elf.Build({{".note.package", SHT_NOTE, m_elf.PackageNote(kJson)}});
    const std::size_t table = whole.size() - 3 * sizeof(Elf64_Shdr);
    const std::size_t note = table + sizeof(Elf64_Shdr);
    const std::size_t names = table + 2 * sizeof(Elf64_Shdr);
    struct Damage {
        std::size_t at;
        std::uint64_t value;
        std::size_t width;
    };
    const std::vector<Damage> damages = {
        {offsetof(Elf64_Ehdr, e_shoff), ~0ULL, 8},
        {offsetof(Elf64_Ehdr, e_shoff), ~0ULL - 10, 8},
        {offsetof(Elf64_Ehdr, e_shnum), 0xFFFF, 2},
        {offsetof(Elf64_Ehdr, e_shnum), 0, 2},  // "extended" count read from entry 0
        {offsetof(Elf64_Ehdr, e_shentsize), 0, 2},
        {offsetof(Elf64_Ehdr, e_shentsize), 1, 2},
        {offsetof(Elf64_Ehdr, e_shstrndx), 0xFFFF, 2},
        {note + offsetof(Elf64_Shdr, sh_offset), ~0ULL - 3, 8},
        {note + offsetof(Elf64_Shdr, sh_size), ~0ULL, 8},
        {note + offsetof(Elf64_Shdr, sh_size), 1ULL << 40, 8},
        {names + offsetof(Elf64_Shdr, sh_name), 0xFFFFFFFF, 4},
        {names + offsetof(Elf64_Shdr, sh_offset), whole.size(), 8},
    };
    for (const Damage& damage : damages) {
        std::string bytes = whole;
        m_elf.Put(bytes, damage.at, damage.value, damage.width);
        const std::string text = VersionText(Write("damaged", bytes));
        EXPECT_TRUE(text == "-" || text == "1.2.3.4") << damage.at;
    }
    // An absurd count in the extended numbering of entry 0.
    std::string extended = whole;
    m_elf.Put(extended, offsetof(Elf64_Ehdr, e_shnum), 0, 2);
    m_elf.Put(extended, table + offsetof(Elf64_Shdr, sh_size), ~0ULL, 8);
    EXPECT_EQ(VersionText(Write("damaged", extended)), "-");
    // Note sizes that point past the note's end.
    for (std::size_t field : {0, 4}) {
        std::string bytes = whole;
        const std::size_t noteData = whole.find("FDO") - 12;
        m_elf.Put(bytes, noteData + field, 0xFFFFFFFF, 4);
        EXPECT_EQ(VersionText(Write("damaged", bytes)), "-") << field;
    }
}

TEST_F(FileVersionTest, RandomlyDamagedFilesAreReadWithoutHarm) {
    const std::string whole = m_elf.Build({{".modinfo", SHT_PROGBITS, "version=5.6", 1},
                                           {".note.package", SHT_NOTE, m_elf.PackageNote(kJson)}});
    std::mt19937 random(20240229);
    std::uniform_int_distribution<std::size_t> position(0, whole.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 1000; ++round) {
        std::string bytes = whole;
        for (int flips = 1 + round % 4; flips > 0; --flips) {
            bytes[position(random)] = static_cast<char>(byte(random));
        }
        (void)VersionText(Write("random" + std::to_string(round),
                                bytes));  // must neither crash nor read out of bounds
    }
}

TEST(FileVersionTextTest, VersionTextsAndLibraryNames) {
    EXPECT_EQ(FileVersion::FromText("1.2.3.4")->ToText(), "1.2.3.4");
    EXPECT_EQ(FileVersion::FromText("1.2.3-1")->ToText(), "1.2.3.0");
    EXPECT_EQ(FileVersion::FromText("7")->ToText(), "7.0.0.0");
    EXPECT_EQ(FileVersion::FromText("1.2.3.4.5")->ToText(), "1.2.3.4");
    EXPECT_EQ(FileVersion::FromText("65535.0")->ToText(), "65535.0.0.0");
    EXPECT_FALSE(FileVersion::FromText("65536.0"));
    EXPECT_FALSE(FileVersion::FromText("v1.2"));
    EXPECT_FALSE(FileVersion::FromText(""));
    EXPECT_EQ(FileVersion::FromLibraryName("libc.so.6")->ToText(), "6.0.0.0");
    EXPECT_EQ(FileVersion::FromLibraryName("libstdc++.so.6.0.30")->ToText(), "6.0.30.0");
    EXPECT_FALSE(FileVersion::FromLibraryName("libX.so"));
    EXPECT_FALSE(FileVersion::FromLibraryName("libX.so."));
    EXPECT_FALSE(FileVersion::FromLibraryName("libX.so.1.2.3.4.5"));
    EXPECT_FALSE(FileVersion::FromLibraryName("libX.so.1.x"));
    EXPECT_EQ((FileVersion{{1, 2, 3, 4}}.ToText()), "1.2.3.4");
}

// The build writes the project's version into the stand-in library beside the test program.
TEST(FileVersionBuildTest, StandInLibraryCarriesTheProjectVersion) {
    const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::string library = (folder / "libMTrelinkL1.so").string();
    if (!std::filesystem::exists(library)) GTEST_SKIP() << "not built: " << library;
    const std::string cmake = ReadFile(std::string(TRELINK_TEST_DATA) + "/../../CMakeLists.txt");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(cmake, match, std::regex(R"(project\([^)]*VERSION ([0-9.]+))")));
    const auto expected = FileVersion::FromExactText(match[1].str());
    ASSERT_TRUE(expected);
    EXPECT_EQ(VersionText(library), expected->ToText());
}

}  // namespace
}  // namespace trelink
