#pragma once

#include <QIcon>
#include <QList>

#include "ui/UiResults.h"

namespace trelink {

// The nine 32 x 32 pictures of the hardware list. Rows name them by index.
class HardwareImageList {
public:
    enum Index {
        kEmpty = 0,
        kCard = 1,
        kActive = 2,
        kInactive = 3,
        kActiveDefault = 4,
        kPlugOnAdapter = 5,
        kAdapterBox = 6,
        kCardType2 = 7,
        kWarning = 8,
        kCount = 9,
    };
    static constexpr int kIconSize = 32;

    // Loads the pictures; kImageListFailed when any of them is missing.
    Result Create();
    bool IsCreated() const { return m_icons.size() == kCount; }
    // The picture at index; a null icon before Create or for an index out of range.
    QIcon At(int index) const;

    // The picture of the "Hardwarename" column for a hardware type number.
    static int TypeImage(int hardwareType);
    // The picture of the "Status" column.
    static int StatusImage(int isActive, int isDefault);

private:
    QList<QIcon> m_icons;
};

}  // namespace trelink
