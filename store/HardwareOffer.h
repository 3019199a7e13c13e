#pragma once

#include "services/PlatformDirectories.h"
#include "services/ResultCodes.h"
#include "store/TextList.h"

namespace trelink {

class ConfigDocument;
class DriverFileInfo;

// The display names of the hardware types that the add command offers: every type of the
// catalogue in its order, except those whose first driver file is missing or has no version.
// A type without any driver file is offered.
class HardwareOffer {
public:
    explicit HardwareOffer(const ConfigDocument& document,
                           const PlatformDirectories& directories = PlatformDirectories::Default())
        : m_document(document), m_directories(directories) {}

    // Appends the offered names; on a failing lookup (41238 when a display name leads to no
    // type) returns its code, and the names appended so far stay.
    Result Collect(TextList& offered) const;
    // Whether the type given by number is offered.
    bool IsOffered(int type) const;
    // The rule itself, on a type's first driver file already read (none: the type has none).
    static bool Offers(const DriverFileInfo* firstDriver);

private:
    const ConfigDocument& m_document;
    const PlatformDirectories& m_directories;
};

}  // namespace trelink
