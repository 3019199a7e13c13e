#pragma once

// The store's own access to the DOM tree. Only the store's sources include this header, so
// that no caller ever holds a node that a reload would leave dangling.

#include <memory>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace trelink {

class ParameterDefinition;

// Every walk of the tree is iterative: a hostile file may nest deeper than the stack allows.

// A text as the tree keeps it, which is how the parser reads it back once a save has written it
// out: blanks only become empty, every CR LF and lone CR folds into LF.
std::string StoredText(std::string_view text);

// The node after node in document order that still lies below top; empty after the last.
pugi::xml_node NextBelow(pugi::xml_node node, pugi::xml_node top);
// Readies a tree just parsed, in one walk: false when some element below root, root counted
// as level 1, lies deeper than limit levels. Else makes every text read as it will after a save:
// the parser drops blanks only and folds line ends when they are written out, but not when they
// are written as references ("&#32;", "&#13;"), which a save writes out.
bool TidyParsedTree(pugi::xml_node root, int limit);

// The texts of an element and everything below it, concatenated in document order.
std::string ElementText(pugi::xml_node element);
// Replaces the element's content with one text node holding text as stored (none when that is
// empty).
void SetElementText(pugi::xml_node element, const std::string& text);

// Builds a record from a definition element of the catalogue: value is the element's text, the
// rest comes from its attributes; language selects "DisplayName%i".
std::unique_ptr<ParameterDefinition> DefinitionFromElement(pugi::xml_node element,
                                                           const std::string& name, int language);

}  // namespace trelink
