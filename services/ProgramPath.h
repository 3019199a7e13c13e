#pragma once

#include <string>

namespace trelink {

// Absolute path of the running program's file; empty when the system cannot tell.
std::string ProgramFilePath();

// The folder that holds the running program's file, without a trailing "/"; empty when unknown.
std::string ProgramFolder();

}  // namespace trelink
