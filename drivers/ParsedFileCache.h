#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "drivers/FileStamp.h"
#include "drivers/L1ResultCodes.h"

namespace trelink::sim {

// One parsed file, parsed again only when the file has changed since: the tool calls the
// driver once per entry, and parsing a large configuration at every call made probing all
// entries quadratic. File is a class with `std::int32_t Load(const std::string& path)`.
template <typename File>
class ParsedFileCache {
public:
    // The parsed file at path, or null with the result of the failed parse.
    File* Load(const std::string& path, std::int32_t& result) {
        // Stamped before parsing: a change during the parse then shows at the next call.
        const std::optional<FileStamp> stamp = FileStamp::Of(path);
        if (m_file && m_stamp && stamp && path == m_path && *stamp == *m_stamp) {
            result = kOk;
            return m_file.get();
        }
        m_file = std::make_unique<File>();
        result = m_file->Load(path);
        if (result != kOk) m_file.reset();
        m_path = path;
        m_stamp = stamp && stamp->IsSettled() ? stamp : std::nullopt;
        return m_file.get();
    }

    // For a file that was changed in memory.
    void Forget() { m_file.reset(); }

private:
    std::unique_ptr<File> m_file;
    std::string m_path;
    std::optional<FileStamp> m_stamp;  // empty: parse again at the next call
};

}  // namespace trelink::sim
