#include "store/Latin1Output.h"

#include "store/XmlElements.h"

namespace trelink {

namespace {

constexpr unsigned char kFirstLeadAbove255 = 0xC4;  // U+0100 is C4 80 in UTF-8
constexpr char32_t kLargestLatin1 = 0xFF;
constexpr char32_t kLargestCode = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;

bool AttributesFit(pugi::xml_node node, bool withValues) {
    for (const pugi::xml_attribute attribute : node.attributes()) {
        if (!FitsLatin1(attribute.name()) || (withValues && !FitsLatin1(attribute.value())))
            return false;
    }
    return true;
}

bool NodeFits(pugi::xml_node node) {
    switch (node.type()) {
        case pugi::node_pcdata:
            return true;
        case pugi::node_element:
            return FitsLatin1(node.name()) && AttributesFit(node, false);
        case pugi::node_declaration:
            return FitsLatin1(node.name()) && AttributesFit(node, true);
        default:  // comments, processing instructions, CDATA, document type
            return FitsLatin1(node.name()) && FitsLatin1(node.value());
    }
}

// The length of the UTF-8 sequence that lead begins, 0 when it begins none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xC2) return 0;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return lead < 0xF5 ? 4 : 0;
}

// The character at the front of utf8 and its length; length 0 when it is no valid UTF-8.
std::pair<char32_t, std::size_t> Decode(std::string_view utf8) {
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const auto lead = static_cast<unsigned char>(utf8.front());
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || length > utf8.size()) return {0, 0};
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(utf8[i]);
        if ((next & 0xC0) != 0x80) return {0, 0};
        code = code << 6 | (next & 0x3F);
    }
    const bool valid = code >= kSmallest[length] && code <= kLargestCode &&
                       (code < kFirstSurrogate || code > kLastSurrogate);
    return {code, valid ? length : 0};
}

}  // namespace

bool FitsLatin1(std::string_view utf8) {
    for (const char c : utf8) {
        if (static_cast<unsigned char>(c) >= kFirstLeadAbove255) return false;
    }
    return true;
}

bool MarkupFitsLatin1(const pugi::xml_document& document) {
    for (pugi::xml_node node = document.first_child(); node; node = NextBelow(node, document)) {
        if (!NodeFits(node)) return false;
    }
    return true;
}

std::optional<std::string> Latin1WithReferences(std::string_view utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto [code, length] = Decode(utf8);
        if (length == 0) return std::nullopt;
        if (code <= kLargestLatin1) {
            latin1 += static_cast<char>(code);
        } else {
            latin1 += "&#" + std::to_string(static_cast<std::uint32_t>(code)) + ';';
        }
        utf8.remove_prefix(length);
    }
    return latin1;
}

}  // namespace trelink
