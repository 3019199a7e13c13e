#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "services/SharedLibrary.h"
#include "tests/services/FirstFolderScope.h"

namespace trelink::test {

// Holds the test library that misbehaves loaded under bareName (so a front end opened meanwhile
// shares its state) and gives access to its controls.
class MisbehavingLibrary {
public:
    explicit MisbehavingLibrary(const std::string& bareName)
        : m_library(SharedLibrary::Open(bareName)) {
        if (m_library) Reset();
    }

    bool IsLoaded() const { return m_library != nullptr; }
    std::string Calls() const { return Call<const char* (*)()>("MisbehavingCalls")(); }
    void Reset() const { Call<void (*)()>("MisbehavingReset")(); }
    void SetResults(std::int32_t setXMLFile, std::int32_t connect, std::int32_t scan) const {
        Call<void (*)(std::int32_t, std::int32_t, std::int32_t)>("MisbehavingSetResults")(
            setXMLFile, connect, scan);
    }
    void ScanWithoutBuffer(std::uint8_t count) const {
        Call<void (*)(std::uint8_t)>("MisbehavingScanWithoutBuffer")(count);
    }

private:
    template <typename Function>
    Function Call(const char* name) const {
        return m_library->Entry<Function>(name);
    }

    FirstFolderScope m_scope{TRELINK_MISBEHAVING_DIR};
    std::unique_ptr<SharedLibrary> m_library;
};

}  // namespace trelink::test
