#include "store/XmlElements.h"

namespace trelink {

pugi::xml_node NextBelow(pugi::xml_node node, pugi::xml_node top) {
    if (node.first_child()) return node.first_child();
    for (; node && node != top; node = node.parent()) {
        if (node.next_sibling()) return node.next_sibling();
    }
    return {};
}

bool NestsDeeperThan(pugi::xml_node root, int limit) {
    int level = 1;
    pugi::xml_node node = root;
    for (;;) {
        if (level > limit && node.type() == pugi::node_element) return true;
        if (node.first_child()) {
            node = node.first_child();
            ++level;
            continue;
        }
        for (; node != root && !node.next_sibling(); node = node.parent()) --level;
        if (node == root) return false;
        node = node.next_sibling();
    }
}

std::string ElementText(pugi::xml_node element) {
    std::string text;
    for (pugi::xml_node node = NextBelow(element, element); node; node = NextBelow(node, element)) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
            text += node.value();
        }
    }
    return text;
}

void SetElementText(pugi::xml_node element, const std::string& text) {
    while (element.first_child()) element.remove_child(element.first_child());
    if (!text.empty()) element.append_child(pugi::node_pcdata).set_value(text.c_str());
}

}  // namespace trelink
