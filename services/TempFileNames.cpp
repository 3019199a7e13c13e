#include "services/TempFileNames.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <random>

namespace trelink {

namespace {

constexpr std::string_view kMark = ".trelink-";
constexpr std::string_view kEnd = ".tmp";
constexpr std::size_t kUniqueLength = 6;
constexpr std::string_view kLetters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

std::size_t NameMax(const std::string& folder) {
    const long max = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return max > 0 ? static_cast<std::size_t>(max) : NAME_MAX;
}

// The name, cut so that extra more bytes still fit within max; never inside a UTF-8 sequence.
std::string Shortened(std::string name, std::size_t extra, std::size_t max) {
    if (name.size() + extra <= max) return name;
    std::size_t length = max > extra ? max - extra : 0;
    while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) --length;
    return name.substr(0, length);
}

}  // namespace

TempFileNames::TempFileNames(const std::filesystem::path& target)
    : m_folder(target.parent_path().string()) {
    const std::size_t extra = 1 + kMark.size() + kUniqueLength + kEnd.size();
    m_prefix = "." + Shortened(target.filename().string(), extra, NameMax(m_folder));
    m_prefix += kMark;
}

std::string TempFileNames::Fresh() const {
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string name = m_folder + "/" + m_prefix;
    for (std::size_t i = 0; i < kUniqueLength; ++i) name += kLetters[pick(device)];
    return name += kEnd;
}

bool TempFileNames::IsOurs(std::string_view fileName) const {
    if (fileName.size() != m_prefix.size() + kUniqueLength + kEnd.size()) return false;
    if (!fileName.starts_with(m_prefix) || !fileName.ends_with(kEnd)) return false;
    const std::string_view unique = fileName.substr(m_prefix.size(), kUniqueLength);
    return std::all_of(unique.begin(), unique.end(),
                       [](char c) { return kLetters.find(c) != std::string_view::npos; });
}

}  // namespace trelink
