#pragma once

#include <string>
#include <string_view>

namespace trelink::sim {

// Replaces the file at path so that a reader sees the old contents or the new, never a part:
// temporary file in the same folder, fsync, rename. The simulation writes files of the user's
// too, so it keeps the tool's rules: a symbolic link stays and its target is replaced; an
// existing file keeps its permission bits and, for root, its owner; a file without any write
// permission bit, or one the user may not write, is read-only and stays untouched. False on any
// failure; the old file is then untouched and no temporary file remains.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace trelink::sim
