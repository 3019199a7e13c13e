#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelink {

struct ElfLayout;

// Read-only view of one ELF file, 32- or 64-bit, either byte order. Any file may be given:
// every offset and size in it is checked against the file's length before it is used, so a
// damaged or hostile file only yields "nothing found".
class ElfImage {
public:
    ElfImage();
    ~ElfImage();
    ElfImage(const ElfImage&) = delete;
    ElfImage& operator=(const ElfImage&) = delete;

    // 0 when the path is a regular file that starts with an ELF header; otherwise why not: the
    // error of opening it, EISDIR for a folder, ENOEXEC for anything else.
    int Open(const std::string& path);

    // True when the file holds every byte of every segment its program headers declare. The
    // system loader maps segments without looking at the file's length, and touching a mapped
    // page beyond the end of the file kills the process with SIGBUS.
    bool HoldsEverySegment() const;

    // The descriptor of the package-metadata note (what `ld --package-metadata` writes), from
    // the section table or, in a stripped file, from the note segments.
    std::optional<std::string> PackageMetadata() const;
    // The value of "key=" in a kernel module's .modinfo section.
    std::optional<std::string> ModuleInfo(std::string_view key) const;

private:
    using Bytes = std::vector<unsigned char>;
    struct Section {
        std::uint32_t name = 0;
        std::uint32_t type = 0;
        std::uint64_t offset = 0;
        std::uint64_t size = 0;
        std::uint64_t align = 0;
    };
    struct Segment {
        std::uint32_t type = 0;
        std::uint64_t offset = 0;
        std::uint64_t fileSize = 0;
        std::uint64_t align = 0;
    };

    bool ReadAt(std::uint64_t offset, std::uint64_t length, Bytes& out) const;
    std::uint64_t Field(const Bytes& bytes, std::size_t offset, std::size_t width) const;
    bool ReadSections();
    std::optional<std::vector<Segment>> ReadSegments() const;
    std::optional<std::string> NoteIn(const Bytes& notes, std::uint64_t align) const;
    std::string SectionName(const Section& section) const;

    int m_fd = -1;
    std::uint64_t m_size = 0;
    bool m_bigEndian = false;
    const ElfLayout* m_layout = nullptr;
    Bytes m_header;
    std::vector<Section> m_sections;
    Bytes m_sectionNames;
};

}  // namespace trelink
