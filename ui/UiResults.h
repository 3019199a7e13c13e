#pragma once

#include "services/ResultCodes.h"

namespace trelink {

// Results of the window's own set-up steps.
inline constexpr Result kImageListFailed = -1;  // a picture of the image list is missing
inline constexpr Result kPageOutOfRange = -2;   // no detail page has that number

}  // namespace trelink
