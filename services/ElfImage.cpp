#include "services/ElfImage.h"

#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

namespace trelink {

#ifndef NT_FDO_PACKAGING_METADATA
constexpr std::uint32_t NT_FDO_PACKAGING_METADATA = 0xcafe1a7e;
#endif

// Where the fields this reader needs lie in one ELF class; taken from <elf.h> so that the
// 32- and 64-bit forms share one code path.
struct ElfLayout {
    std::size_t headerSize, wordSize;
    std::size_t phoff, phentsize, phnum, shoff, shentsize, shnum, shstrndx;
    std::size_t shEntrySize, shName, shType, shLink, shOffset, shSize, shAlign;
    std::size_t phEntrySize, pType, pOffset, pFilesz, pAlign;
};

namespace {

// Nothing this reader looks at is anywhere near this big; larger claims are damage or malice.
constexpr std::uint64_t kMaxReadBytes = 16u << 20;
constexpr std::uint64_t kNoteHeaderSize = 12;
constexpr std::uint64_t kWideNoteAlign = 8;
constexpr std::uint64_t kNoteAlign = 4;
constexpr char kPackageNoteOwner[] = "FDO";

template <typename Ehdr, typename Shdr, typename Phdr, std::size_t kWord>
constexpr ElfLayout MakeLayout() {
    return {.headerSize = sizeof(Ehdr),
            .wordSize = kWord,
            .phoff = offsetof(Ehdr, e_phoff),
            .phentsize = offsetof(Ehdr, e_phentsize),
            .phnum = offsetof(Ehdr, e_phnum),
            .shoff = offsetof(Ehdr, e_shoff),
            .shentsize = offsetof(Ehdr, e_shentsize),
            .shnum = offsetof(Ehdr, e_shnum),
            .shstrndx = offsetof(Ehdr, e_shstrndx),
            .shEntrySize = sizeof(Shdr),
            .shName = offsetof(Shdr, sh_name),
            .shType = offsetof(Shdr, sh_type),
            .shLink = offsetof(Shdr, sh_link),
            .shOffset = offsetof(Shdr, sh_offset),
            .shSize = offsetof(Shdr, sh_size),
            .shAlign = offsetof(Shdr, sh_addralign),
            .phEntrySize = sizeof(Phdr),
            .pType = offsetof(Phdr, p_type),
            .pOffset = offsetof(Phdr, p_offset),
            .pFilesz = offsetof(Phdr, p_filesz),
            .pAlign = offsetof(Phdr, p_align)};
}

constexpr ElfLayout kElf64 = MakeLayout<Elf64_Ehdr, Elf64_Shdr, Elf64_Phdr, 8>();
constexpr ElfLayout kElf32 = MakeLayout<Elf32_Ehdr, Elf32_Shdr, Elf32_Phdr, 4>();

std::uint64_t AlignUp(std::uint64_t value, std::uint64_t align) {
    return value + (align - value % align) % align;
}

}  // namespace

ElfImage::ElfImage() : m_layout(&kElf64) {}

ElfImage::~ElfImage() {
    if (m_fd >= 0) close(m_fd);
}

int ElfImage::Open(const std::string& path) {
    // O_NONBLOCK: a FIFO at the path must not stall the caller; it is refused below anyway.
    m_fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) return errno;
    struct stat status {};
    const bool known = fstat(m_fd, &status) == 0;
    if (known && S_ISDIR(status.st_mode)) return EISDIR;
    if (!known || !S_ISREG(status.st_mode)) return ENOEXEC;
    m_size = static_cast<std::uint64_t>(status.st_size);
    if (!ReadAt(0, EI_NIDENT, m_header) || std::memcmp(m_header.data(), ELFMAG, SELFMAG) != 0) {
        return ENOEXEC;
    }
    if (m_header[EI_CLASS] != ELFCLASS32 && m_header[EI_CLASS] != ELFCLASS64) return ENOEXEC;
    if (m_header[EI_DATA] != ELFDATA2LSB && m_header[EI_DATA] != ELFDATA2MSB) return ENOEXEC;
    m_layout = m_header[EI_CLASS] == ELFCLASS64 ? &kElf64 : &kElf32;
    m_bigEndian = m_header[EI_DATA] == ELFDATA2MSB;
    if (!ReadAt(0, m_layout->headerSize, m_header)) return ENOEXEC;
    ReadSections();  // a file without usable sections may still have notes or a name
    return 0;
}

bool ElfImage::ReadAt(std::uint64_t offset, std::uint64_t length, Bytes& out) const {
    if (offset > m_size || length > m_size - offset || length > kMaxReadBytes) return false;
    out.assign(static_cast<std::size_t>(length), 0);
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t got =
            pread(m_fd, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;  // the file shrank under us, or an I/O error
        done += static_cast<std::size_t>(got);
    }
    return true;
}

std::uint64_t ElfImage::Field(const Bytes& bytes, std::size_t offset, std::size_t width) const {
    if (offset > bytes.size() || width > bytes.size() - offset) return 0;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t index = m_bigEndian ? offset + i : offset + width - 1 - i;
        value = (value << 8) | bytes[index];
    }
    return value;
}

bool ElfImage::ReadSections() {
    const ElfLayout& l = *m_layout;
    const std::uint64_t offset = Field(m_header, l.shoff, l.wordSize);
    const std::uint64_t entrySize = Field(m_header, l.shentsize, 2);
    if (offset == 0 || entrySize < l.shEntrySize) return false;
    Bytes entry;
    if (!ReadAt(offset, entrySize, entry)) return false;
    // Extended numbering: with many sections the real count and name index sit in entry 0.
    std::uint64_t count = Field(m_header, l.shnum, 2);
    if (count == 0) count = Field(entry, l.shSize, l.wordSize);
    std::uint64_t namesIndex = Field(m_header, l.shstrndx, 2);
    if (namesIndex == SHN_XINDEX) namesIndex = Field(entry, l.shLink, 4);
    if (count == 0 || count > kMaxReadBytes / entrySize) return false;
    Bytes table;
    if (!ReadAt(offset, count * entrySize, table)) return false;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::size_t base = static_cast<std::size_t>(i * entrySize);
        m_sections.push_back({static_cast<std::uint32_t>(Field(table, base + l.shName, 4)),
                              static_cast<std::uint32_t>(Field(table, base + l.shType, 4)),
                              Field(table, base + l.shOffset, l.wordSize),
                              Field(table, base + l.shSize, l.wordSize),
                              Field(table, base + l.shAlign, l.wordSize)});
    }
    if (namesIndex >= m_sections.size() || m_sections[namesIndex].type == SHT_NOBITS) return true;
    ReadAt(m_sections[namesIndex].offset, m_sections[namesIndex].size, m_sectionNames);
    return true;
}

// Empty when the program header table does not lie whole in the file.
std::optional<std::vector<ElfImage::Segment>> ElfImage::ReadSegments() const {
    const ElfLayout& l = *m_layout;
    const std::uint64_t offset = Field(m_header, l.phoff, l.wordSize);
    const std::uint64_t entrySize = Field(m_header, l.phentsize, 2);
    const std::uint64_t count = Field(m_header, l.phnum, 2);
    Bytes table;
    if (offset == 0 || entrySize < l.phEntrySize || !ReadAt(offset, count * entrySize, table)) {
        return std::nullopt;
    }
    std::vector<Segment> segments;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::size_t base = static_cast<std::size_t>(i * entrySize);
        segments.push_back({static_cast<std::uint32_t>(Field(table, base + l.pType, 4)),
                            Field(table, base + l.pOffset, l.wordSize),
                            Field(table, base + l.pFilesz, l.wordSize),
                            Field(table, base + l.pAlign, l.wordSize)});
    }
    return segments;
}

bool ElfImage::HoldsEverySegment() const {
    const auto segments = ReadSegments();
    if (!segments || segments->empty()) return false;
    for (const Segment& segment : *segments) {
        if (segment.fileSize == 0) continue;  // nothing of it is read from the file
        if (segment.offset > m_size || segment.fileSize > m_size - segment.offset) return false;
    }
    return true;
}

std::string ElfImage::SectionName(const Section& section) const {
    if (section.name >= m_sectionNames.size()) return {};
    const auto* begin = m_sectionNames.data() + section.name;
    const auto* end = begin;
    while (end < m_sectionNames.data() + m_sectionNames.size() && *end != 0) ++end;
    return std::string(begin, end);
}

std::optional<std::string> ElfImage::NoteIn(const Bytes& notes, std::uint64_t align) const {
    align = align == kWideNoteAlign ? kWideNoteAlign : kNoteAlign;
    std::uint64_t at = 0;
    while (at + kNoteHeaderSize <= notes.size()) {
        const std::uint64_t nameSize = Field(notes, static_cast<std::size_t>(at), 4);
        const std::uint64_t descSize = Field(notes, static_cast<std::size_t>(at + 4), 4);
        const std::uint64_t type = Field(notes, static_cast<std::size_t>(at + 8), 4);
        const std::uint64_t nameAt = at + kNoteHeaderSize;
        const std::uint64_t descAt = AlignUp(nameAt + nameSize, align);
        if (descAt > notes.size() || descSize > notes.size() - descAt) return std::nullopt;
        const auto* name = notes.data() + nameAt;
        if (type == NT_FDO_PACKAGING_METADATA && nameSize == sizeof kPackageNoteOwner &&
            std::memcmp(name, kPackageNoteOwner, sizeof kPackageNoteOwner) == 0) {
            const auto* desc = reinterpret_cast<const char*>(notes.data() + descAt);
            return std::string(desc, strnlen(desc, descSize));
        }
        at = AlignUp(descAt + descSize, align);
    }
    return std::nullopt;
}

std::optional<std::string> ElfImage::PackageMetadata() const {
    Bytes notes;
    for (const Section& section : m_sections) {
        if (section.type != SHT_NOTE || !ReadAt(section.offset, section.size, notes)) continue;
        if (auto note = NoteIn(notes, section.align)) return note;
    }
    if (!m_sections.empty()) return std::nullopt;
    // Stripped of its section table: the loader's note segments still hold the note.
    for (const Segment& segment : ReadSegments().value_or(std::vector<Segment>{})) {
        if (segment.type != PT_NOTE || !ReadAt(segment.offset, segment.fileSize, notes)) continue;
        if (auto note = NoteIn(notes, segment.align)) return note;
    }
    return std::nullopt;
}

std::optional<std::string> ElfImage::ModuleInfo(std::string_view key) const {
    const std::string tag = std::string(key) + "=";
    Bytes info;
    for (const Section& section : m_sections) {
        if (SectionName(section) != ".modinfo" || section.type == SHT_NOBITS) continue;
        if (!ReadAt(section.offset, section.size, info)) continue;
        const std::string_view all(reinterpret_cast<const char*>(info.data()), info.size());
        std::size_t at = 0;
        while (at < all.size()) {
            std::size_t end = all.find('\0', at);
            if (end == std::string_view::npos) end = all.size();
            const std::string_view entry = all.substr(at, end - at);
            if (entry.starts_with(tag)) return std::string(entry.substr(tag.size()));
            at = end + 1;
        }
    }
    return std::nullopt;
}

}  // namespace trelink
