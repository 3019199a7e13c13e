#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "services/SharedLibrary.h"

namespace trelink::test {

// The folder that holds the test library that misbehaves, under each outside library's name.
inline const std::string kMisbehavingFolder = TRELINK_MISBEHAVING_DIR;

// Holds the test library that misbehaves loaded under bareName (so a front end opened meanwhile
// from kMisbehavingFolder shares its state) and gives access to its controls.
class MisbehavingLibrary {
public:
    explicit MisbehavingLibrary(const std::string& bareName)
        : m_library(SharedLibrary::Open(bareName, kMisbehavingFolder)) {
        if (m_library) m_library->Entry<void (*)()>("MisbehavingReset")();
    }

    bool IsLoaded() const { return m_library != nullptr; }
    std::string Calls() const { return m_library->Entry<const char* (*)()>("MisbehavingCalls")(); }
    void SetConnectResult(std::int32_t connect) const {
        m_library->Entry<void (*)(std::int32_t)>("MisbehavingSetConnectResult")(connect);
    }

private:
    std::unique_ptr<SharedLibrary> m_library;
};

}  // namespace trelink::test
