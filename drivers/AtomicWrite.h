#pragma once

#include <string>
#include <string_view>

namespace trelink::sim {

// Replaces the file at path so that a reader sees the old contents or the new, never a part:
// temporary file in the same folder, fsync, rename. An existing file keeps its permission
// bits. False on any failure; the old file is then untouched and no temporary file remains.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace trelink::sim
