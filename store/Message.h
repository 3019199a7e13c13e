#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trelink {

// A text to show, by the id of its catalogue entry and the texts that fill its "%s"/"%i"
// places, in order. The layers below the front ends never format a text in any particular
// language; each front end takes the pattern from its catalogue and calls FillPlaceholders.
struct Message {
    int id = 0;
    std::vector<std::string> arguments;

    bool operator==(const Message&) const = default;
};

// The findings of the configuration check, in the order the check found them.
using CheckFindingList = std::vector<Message>;

// Fills each "%s", "%i", "%d" and "%x" of pattern with the next argument, in order; "%%" gives
// "%". Arguments are inserted as they are, never read as format, so a "%" in a value cannot do
// harm; a place without an argument stays empty, so a catalogue text can never read past them.
std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& arguments);

}  // namespace trelink
