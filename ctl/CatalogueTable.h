#pragma once

#include <span>
#include <string_view>

namespace trelink::ctl {

struct CatalogueText {
    std::string_view id;
    std::string_view text;
};

// The texts of one language of the window's catalogues, ordered by id; empty for a language
// that has none. Made at build time from the .ts files.
std::span<const CatalogueText> CatalogueTexts(int language);

}  // namespace trelink::ctl
