#pragma once

#include <string>

#include "services/SharedLibrary.h"

namespace trelink::test {

// Makes the loader look in folder first for as long as the object lives.
class FirstFolderScope {
public:
    explicit FirstFolderScope(const std::string& folder) {
        SharedLibrary::SetFirstFolderOverride(folder);
    }
    ~FirstFolderScope() { SharedLibrary::SetFirstFolderOverride(std::nullopt); }
    FirstFolderScope(const FirstFolderScope&) = delete;
    FirstFolderScope& operator=(const FirstFolderScope&) = delete;
};

}  // namespace trelink::test
