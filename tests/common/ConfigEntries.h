#pragma once

#include <functional>
#include <string>

#include "services/FileSystem.h"
#include "tests/common/TempDir.h"

namespace trelink::test {

// One "Hardware" element: its four fixed children, then extra.
inline std::string Entry(const std::string& active, const std::string& isDefault,
                         const std::string& code, const std::string& type,
                         const std::string& extra = "") {
    return "<Hardware><IsActive>" + active + "</IsActive><IsDefault>" + isDefault +
           "</IsDefault><ErrorCode>" + code + "</ErrorCode><HWType>" + type + "</HWType>" + extra +
           "</Hardware>";
}

// An inactive entry of the type, not the default.
inline std::string TypeEntry(const std::string& type, const std::string& extra = "") {
    return Entry("0", "0", "0", type, extra);
}

// The catalogue of tests/data with entries in its "configuration".
inline std::string CatalogueWith(const std::string& entries) {
    std::string xml = ReadFile(TRELINK_TEST_DATA "/catalogue/catalogue.xml");
    const std::string empty = "<configuration></configuration>";
    return xml.replace(xml.find(empty), empty.size(),
                       "<configuration>" + entries + "</configuration>");
}

// The system calls of a save as a test steers them: before each one, before(call) may act,
// record the call, or fail it by giving an errno. Counts the saves too.
struct SteeredFileSystem : FileSystem {
    int Before(Call call) override {
        if (call == Call::Write) ++saves;
        return before ? before(call) : 0;
    }
    std::function<int(Call)> before;
    int saves = 0;
};

}  // namespace trelink::test
