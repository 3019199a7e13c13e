#pragma once

// Writing a document that was loaded from an ISO-8859-1 file. The XML library would write a
// "?" for every character above 255; XML lets text and attribute values carry such a
// character as a character reference instead, and nothing else.

#include <optional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace trelink {

// Whether text holds only characters up to 255.
bool FitsLatin1(std::string_view utf8);

// Whether every name, comment, processing instruction, CDATA section, declaration and
// document type of the document holds only characters up to 255.
bool MarkupFitsLatin1(const pugi::xml_document& document);

// UTF-8 as ISO-8859-1, every character above 255 as "&#N;"; empty for bytes that are not
// UTF-8. Sound only for a document whose markup fits, where such characters can only stand in
// text and attribute values.
std::optional<std::string> Latin1WithReferences(std::string_view utf8);

}  // namespace trelink
