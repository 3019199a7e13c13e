#include "ui/HardwareImageList.h"

#include <QPixmap>
#include <array>

namespace trelink {
namespace {

// In index order; the card picture stands twice, for type 2 and for unknown types.
constexpr std::array<const char*, HardwareImageList::kCount> kFiles = {
    ":/icons/empty.png",      ":/icons/card.png",          ":/icons/active.png",
    ":/icons/inactive.png",   ":/icons/activedefault.png", ":/icons/adapter.png",
    ":/icons/adapterbox.png", ":/icons/card.png",          ":/icons/warning.png",
};

constexpr int kPlugOnAdapterType = 1;
constexpr int kCardType = 2;
constexpr int kAdapterBoxType = 3;

}  // namespace

Result HardwareImageList::Create() {
    QList<QIcon> icons;
    for (const char* file : kFiles) {
        const QPixmap picture(QString::fromLatin1(file));
        if (picture.isNull()) return kImageListFailed;
        icons.append(QIcon(picture));
    }
    m_icons = icons;
    return kOk;
}

QIcon HardwareImageList::At(int index) const {
    return index >= 0 && index < m_icons.size() ? m_icons[index] : QIcon();
}

int HardwareImageList::TypeImage(int hardwareType) {
    switch (hardwareType) {
        case kPlugOnAdapterType:
            return kPlugOnAdapter;
        case kCardType:
            return kCardType2;
        case kAdapterBoxType:
            return kAdapterBox;
        default:
            return kCard;
    }
}

int HardwareImageList::StatusImage(int isActive, int isDefault) {
    if (isActive == 0) return kInactive;
    return isDefault != 0 ? kActiveDefault : kActive;
}

}  // namespace trelink
