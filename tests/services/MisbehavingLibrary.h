#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <gtest/gtest.h>

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
        if (m_library) Reset();
    }

    bool IsLoaded() const { return m_library != nullptr; }
    std::string Calls() const { return Call<const char* (*)()>("MisbehavingCalls")(); }
    void Reset() const { Call<void (*)()>("MisbehavingReset")(); }
    void SetResults(std::int32_t setXMLFile, std::int32_t connect, std::int32_t scan) const {
        Call<void (*)(std::int32_t, std::int32_t, std::int32_t)>("MisbehavingSetResults")(
            setXMLFile, connect, scan);
    }

private:
    template <typename Function>
    Function Call(const char* name) const {
        return m_library->Entry<Function>(name);
    }

    std::unique_ptr<SharedLibrary> m_library;
};

}  // namespace trelink::test
