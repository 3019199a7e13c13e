#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trelink {

// One finding of the configuration check: the id of its message and the texts that fill the
// message's "%s" places, in order. The store does not format it in any particular language;
// the user interface takes the message from its own string table and calls Format.
struct CheckFinding {
    // String table ids of the check's messages.
    static constexpr int kValueNotUnique = 117;     // first number, later number, setting, value
    static constexpr int kNoActiveHardware = 120;   // no arguments
    static constexpr int kNoDefaultHardware = 121;  // no arguments; also for more than one

    int messageId = 0;
    std::vector<std::string> arguments;

    // The built-in German text of a message id; empty for an id that is no check message.
    static std::string_view BuiltInText(int messageId);

    // Fills each "%s" of messageText with the next argument ("%%" gives "%"). Arguments are
    // inserted as they are, never read as format, so a "%" in a value cannot do harm.
    std::string Format(std::string_view messageText) const;
    // Format with the built-in German text.
    std::string Format() const { return Format(BuiltInText(messageId)); }

    bool operator==(const CheckFinding&) const = default;
};

using CheckFindingList = std::vector<CheckFinding>;

}  // namespace trelink
