#include "services/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "services/AtomicFile.h"
#include "services/IntText.h"

namespace trelink {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

struct FileText {
    bool readable = true;  // false: the file is there but could not be read
    std::string bytes;
};

// Far beyond any settings file; a larger one is damage, not settings.
constexpr std::size_t kMaxFileBytes = 1u << 20;
constexpr std::size_t kChunkBytes = 4096;

FileText Unreadable() {
    return {false, {}};
}

// Reads at most kMaxFileBytes, even from a file that grows while it is read.
FileText ReadAll(int fd) {
    FileText file;
    char chunk[kChunkBytes];
    for (;;) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count == 0) return file;
        if (count < 0 && errno == EINTR) continue;
        if (count < 0 || file.bytes.size() + static_cast<std::size_t>(count) > kMaxFileBytes) {
            return Unreadable();
        }
        file.bytes.append(chunk, static_cast<std::size_t>(count));
    }
}

// Only a regular file (behind any links) is read: a FIFO would block the program for good and
// a link to a device such as /dev/zero would never end. Anything else reads as no settings
// and may not be replaced. O_NONBLOCK keeps the open itself from waiting for a FIFO's writer.
FileText ReadWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return {errno == ENOENT || errno == ENOTDIR, {}};
    struct stat status {};
    const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                         static_cast<std::uint64_t>(status.st_size) <= kMaxFileBytes;
    FileText file = regular ? ReadAll(fd) : Unreadable();
    ::close(fd);
    return file;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

struct Line {
    std::string text;
    std::string ending;  // "\n", "\r\n", or "\r" or nothing on a last line without a line feed
};

// The file as lines, each with its own line ending, so that a rewrite gives back every
// untouched byte. A leading UTF-8 mark is kept apart so that it does not hide the first name.
struct Document {
    std::string mark;
    std::vector<Line> lines;

    explicit Document(std::string_view bytes) {
        if (bytes.starts_with(kUtf8Mark)) {
            mark = kUtf8Mark;
            bytes.remove_prefix(kUtf8Mark.size());
        }
        while (!bytes.empty()) {
            const std::size_t end = bytes.find('\n');
            std::string_view text = bytes.substr(0, end);
            Line line;
            // A carriage return is part of the line's ending, also on a last line whose line
            // feed is missing, so that completing that line cannot change its value.
            const bool carriageReturn = text.ends_with('\r');
            if (carriageReturn) text.remove_suffix(1);
            if (end != std::string_view::npos) {
                line.ending = carriageReturn ? "\r\n" : "\n";
            } else if (carriageReturn) {
                line.ending = "\r";
            }
            line.text = text;
            lines.push_back(std::move(line));
            bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        }
    }

    // New lines take the ending the file already uses, "\n" in a new file.
    std::string Ending() const {
        for (const Line& line : lines) {
            if (line.ending.ends_with('\n')) return line.ending;
        }
        return "\n";
    }

    std::string Bytes() const {
        std::string bytes = mark;
        for (const Line& line : lines) bytes += line.text + line.ending;
        return bytes;
    }
};

std::optional<std::string_view> SectionName(std::string_view text) {
    text = Trim(text);
    if (!text.starts_with('[')) return std::nullopt;
    text.remove_prefix(1);
    return Trim(text.substr(0, text.find(']')));
}

std::optional<std::string_view> KeyName(std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Trim(text.substr(0, equals));
}

struct Location {
    std::optional<std::size_t> keyLine;
    // Where a missing key goes: after the last non-blank line of the first matching section.
    std::optional<std::size_t> insertAt;
};

// section and key without the blanks around them, as the names in the file are compared.
Location Find(const Document& document, std::string_view section, std::string_view key) {
    Location location;
    bool inSection = false;
    bool firstSectionDone = false;
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        const std::string_view text = document.lines[i].text;
        if (const auto name = SectionName(text)) {
            if (location.insertAt) firstSectionDone = true;
            inSection = SameName(*name, section);
            if (inSection && !location.insertAt) location.insertAt = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (!firstSectionDone && !Trim(text).empty()) location.insertAt = i + 1;
        const auto name = KeyName(text);
        if (name && SameName(*name, key)) {
            location.keyLine = i;
            return location;
        }
    }
    return location;
}

std::optional<std::string> FindValue(const std::string& path, const std::string& section,
                                     const std::string& key) {
    const FileText file = ReadWholeFile(path);
    if (!file.readable) return std::nullopt;
    const Document document(file.bytes);
    const Location location = Find(document, Trim(section), Trim(key));
    if (!location.keyLine) return std::nullopt;
    const std::string& text = document.lines[*location.keyLine].text;
    return std::string(Trim(std::string_view(text).substr(text.find('=') + 1)));
}

// Names that would change the file's structure if written.
bool CanWriteNames(std::string_view section, std::string_view key) {
    const auto breaksLine = [](std::string_view name) {
        return name.find_first_of("\r\n") != std::string_view::npos;
    };
    return !section.empty() && !key.empty() && !breaksLine(section) && !breaksLine(key) &&
           section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos &&
           !key.starts_with('[');
}

void ReplaceValue(Line& line, const std::string& value) {
    std::size_t valueStart = line.text.find('=') + 1;
    while (valueStart < line.text.size() && IsBlank(line.text[valueStart])) ++valueStart;
    line.text = line.text.substr(0, valueStart) + value;
}

void InsertLine(Document& document, std::size_t at, std::string text) {
    const std::string ending = document.Ending();
    if (at > 0 && !document.lines[at - 1].ending.ends_with('\n')) {
        std::string& before = document.lines[at - 1].ending;
        before = before.empty() ? ending : "\r\n";
    }
    document.lines.insert(document.lines.begin() + static_cast<std::ptrdiff_t>(at),
                          Line{std::move(text), ending});
}

void AppendSection(Document& document, const std::string& section, std::string keyLine) {
    if (!document.lines.empty() && !Trim(document.lines.back().text).empty()) {
        InsertLine(document, document.lines.size(), "");
    }
    InsertLine(document, document.lines.size(), "[" + section + "]");
    InsertLine(document, document.lines.size(), std::move(keyLine));
}

}  // namespace

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    return FindValue(m_path, section, key).value_or(defaultValue);
}

std::int32_t IniFile::ReadInt(const std::string& section, const std::string& key,
                              std::int32_t defaultValue) const {
    const auto value = FindValue(m_path, section, key);
    if (!value) return defaultValue;
    return ParseLeadingInt(*value).value_or(defaultValue);
}

bool IniFile::WriteInt(const std::string& section, const std::string& key,
                       std::int32_t value) const {
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    if (!CanWriteNames(sectionName, keyName)) return false;
    // A file that exists but cannot be read must not be replaced by one holding this key only.
    const FileText file = ReadWholeFile(m_path);
    if (!file.readable) return false;
    Document document(file.bytes);
    const std::string text = std::to_string(value);
    const Location location = Find(document, sectionName, keyName);
    const std::string keyLine = std::string(keyName) + "=" + text;
    if (location.keyLine) {
        ReplaceValue(document.lines[*location.keyLine], text);
    } else if (location.insertAt) {
        InsertLine(document, *location.insertAt, keyLine);
    } else {
        AppendSection(document, std::string(sectionName), keyLine);
    }
    return WriteFileAtomically(m_path, document.Bytes()) == SaveError::None;
}

std::string SettingsPathFor(const std::string& programPath) {
    std::filesystem::path path(programPath);
    path.replace_extension(".ini");
    return path.string();
}

}  // namespace trelink
