#include "store/Message.h"

namespace trelink {

namespace {
bool IsPlaceholder(char c) {
    return c == 's' || c == 'i' || c == 'd' || c == 'x';
}
}  // namespace

std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string text;
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool escape = pattern[i] == '%' && i + 1 < pattern.size();
        if (escape && pattern[i + 1] == '%') {
            text += '%';
            ++i;
        } else if (escape && IsPlaceholder(pattern[i + 1])) {
            if (next < arguments.size()) text += arguments[next];
            ++next;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace trelink
