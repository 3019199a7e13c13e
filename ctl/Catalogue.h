#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "commands/MessageCatalogue.h"

namespace trelink::ctl {

// The texts of one interface language, from the window's catalogue: the numbered messages the
// window shows and the program's own texts. A text the language lacks is taken from the German
// catalogue, as the window does with its built-in set.
class Catalogue : public MessageCatalogue {
public:
    explicit Catalogue(int language) : m_language(language) {}

    int Language() const { return m_language; }
    // The text of a catalogue id; the id itself when no catalogue has it.
    std::string Text(std::string_view id) const;
    std::string Format(std::string_view id, const std::vector<std::string>& arguments) const;
    std::string Pattern(int messageId) const override;
    // One of the window's numbered messages, filled.
    std::string Numbered(int messageId, const std::vector<std::string>& arguments = {}) const {
        return FillPlaceholders(Pattern(messageId), arguments);
    }
    using MessageCatalogue::Text;
    std::string YesNo(bool yes) const;

private:
    int m_language;
};

}  // namespace trelink::ctl
