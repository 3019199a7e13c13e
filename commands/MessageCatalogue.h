#pragma once

#include <string>

#include "store/Message.h"

namespace trelink {

// Where a front end's texts come from: the pattern of a message id in the current language.
// Commands that put a text together from several messages take one, so that the window and
// the command line assemble it alike.
class MessageCatalogue {
public:
    virtual ~MessageCatalogue() = default;
    virtual std::string Pattern(int messageId) const = 0;

    std::string Text(const Message& message) const {
        return FillPlaceholders(Pattern(message.id), message.arguments);
    }
};

}  // namespace trelink
