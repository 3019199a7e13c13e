#include "store/XmlElements.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace trelink {

namespace {

// Blank as the parser counts it when it drops the text between elements.
bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

std::string StoredText(std::string_view text) {
    if (IsBlank(text)) return {};
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            folded += text[i];
        } else if (i + 1 == text.size() || text[i + 1] != '\n') {
            folded += '\n';
        }
    }
    return folded;
}

pugi::xml_node NextBelow(pugi::xml_node node, pugi::xml_node top) {
    if (node.first_child()) return node.first_child();
    for (; node && node != top; node = node.parent()) {
        if (node.next_sibling()) return node.next_sibling();
    }
    return {};
}

bool TidyParsedTree(pugi::xml_node root, int limit) {
    // The library's own walk is iterative and, inside the library, three times as fast as
    // one made of node calls; its depth counts root's children as 0, which are level 2.
    class Walker : public pugi::xml_tree_walker {
    public:
        explicit Walker(int limit) : m_deepest(limit - 2) {}
        bool for_each(pugi::xml_node& node) override {
            // Only references leave a text of blanks or one with a CR: rare, so they wait. A
            // text of blanks begins with one.
            const char* text = node.value();
            if (node.type() == pugi::node_pcdata &&
                (std::strchr(" \t\n", *text) || std::strchr(text, '\r'))) {
                texts.push_back(node);
            }
            return depth() <= m_deepest || node.type() != pugi::node_element;
        }
        std::vector<pugi::xml_node> texts;

    private:
        int m_deepest;
    };
    Walker walker(limit);
    if (!root.traverse(walker)) return false;
    for (pugi::xml_node node : walker.texts) {
        const std::string text = StoredText(node.value());
        if (text.empty()) {
            node.parent().remove_child(node);
        } else if (text != node.value()) {
            node.set_value(text.c_str());
        }
    }
    return true;
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
    const std::string stored = StoredText(text);
    if (!stored.empty()) element.append_child(pugi::node_pcdata).set_value(stored.c_str());
}

}  // namespace trelink
