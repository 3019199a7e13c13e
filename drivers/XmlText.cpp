#include "drivers/XmlText.h"

namespace trelink::sim {

namespace {

// Next node in document order below (not beyond) top; iterative so that a hostile, deeply
// nested file cannot exhaust the stack.
pugi::xml_node NextBelow(const pugi::xml_node& node, const pugi::xml_node& top) {
    if (node.first_child()) return node.first_child();
    for (pugi::xml_node up = node; up && up != top; up = up.parent()) {
        if (up.next_sibling()) return up.next_sibling();
    }
    return {};
}

}  // namespace

std::string ElementText(const pugi::xml_node& element) {
    std::string text;
    for (pugi::xml_node n = NextBelow(element, element); n; n = NextBelow(n, element)) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) text += n.value();
    }
    return text;
}

}  // namespace trelink::sim
