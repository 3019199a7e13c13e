#include "store/CheckFinding.h"

namespace trelink {

std::string_view CheckFinding::BuiltInText(int messageId) {
    switch (messageId) {
        case kValueNotUnique:
            return "Hardware %s und %s: Für Parameter <%s> wird der Wert %s mehrfach verwendet. "
                   "Der Wert muss eindeutig sein.";
        case kNoActiveHardware:
            return "Es ist keine Hardware aktiv. Um zu kommunizieren muss mindestens eine Hardware "
                   "aktiviert sein.";
        case kNoDefaultHardware:
            return "Es ist keine Hardware als Standardhardware festgelegt. Es muss genau eine "
                   "Hardware als Standard festgelegt werden.";
        default:
            return {};
    }
}

std::string CheckFinding::Format(std::string_view messageText) const {
    std::string text;
    std::size_t next = 0;
    for (std::size_t i = 0; i < messageText.size(); ++i) {
        const bool placeholder = messageText[i] == '%' && i + 1 < messageText.size();
        if (placeholder && messageText[i + 1] == 's') {
            if (next < arguments.size()) text += arguments[next];
            ++next;
            ++i;
        } else if (placeholder && messageText[i + 1] == '%') {
            text += '%';
            ++i;
        } else {
            text += messageText[i];
        }
    }
    return text;
}

}  // namespace trelink
