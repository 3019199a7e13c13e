#include "store/ConfigDocumentTree.h"

#include "store/Latin1Output.h"

namespace trelink {

namespace {

class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override {
        m_bytes.append(static_cast<const char*>(data), size);
    }
    std::string& Bytes() { return m_bytes; }

private:
    std::string m_bytes;
};

}  // namespace

bool HasName(pugi::xml_node node, const std::string& name) {
    return node.type() == pugi::node_element && name == node.name();
}

pugi::xml_node NthChild(pugi::xml_node parent, const std::string& name, int n) {
    int count = 0;
    for (pugi::xml_node node = parent.first_child(); node; node = node.next_sibling()) {
        if (HasName(node, name) && ++count == n) return node;
    }
    return {};
}

std::optional<std::string> ConfigDocument::Tree::BytesInFileEncoding() const {
    unsigned flags = pugi::format_indent | pugi::format_no_declaration;
    StringWriter writer;
    if (encoding == pugi::encoding_latin1) {
        if (!MarkupFitsLatin1(document)) return std::nullopt;
        document.save(writer, "\t", flags, pugi::encoding_utf8);
        return Latin1WithReferences(writer.Bytes());
    }
    if (encoding != pugi::encoding_utf8) {
        flags |= pugi::format_write_bom;  // UTF-16/32 are not recognisable without it
    }
    document.save(writer, "\t", flags, encoding);
    return std::move(writer.Bytes());
}

pugi::xml_node ConfigDocument::Tree::DescendToLastLevel(const TextList& path,
                                                        int hardwareNumber) const {
    if (path.empty()) return {};
    Index();
    pugi::xml_node parent = Root();
    for (std::size_t level = 0; parent && level + 1 < path.size(); ++level) {
        parent = Match(parent, path[level], hardwareNumber);
    }
    return parent;
}

// The index answers where it knows the parent; everywhere else the children are walked.
pugi::xml_node ConfigDocument::Tree::Match(pugi::xml_node parent, const std::string& name,
                                           int hardwareNumber) const {
    const bool byNumber = name == kHardware && hardwareNumber != kNoHardware;
    if (parent == Root() && name == kConfiguration) return m_configuration;
    if (parent == Root() && name == kCatalogue) return m_catalogue;
    if (parent == m_configuration && name == kHardware) {
        return Hardware(byNumber ? hardwareNumber : 1);
    }
    if (parent == m_catalogue && !byNumber) {
        const auto found = m_catalogueElements.find(name);
        return found == m_catalogueElements.end() ? pugi::xml_node() : found->second;
    }
    return NthChild(parent, name, byNumber ? hardwareNumber : 1);
}

pugi::xml_node ConfigDocument::Tree::Configuration() const {
    Index();
    return m_configuration;
}

pugi::xml_node ConfigDocument::Tree::Hardware(int hardwareNumber) const {
    Index();
    if (hardwareNumber < 1 || static_cast<std::size_t>(hardwareNumber) > m_hardware.size()) {
        return {};
    }
    return m_hardware[static_cast<std::size_t>(hardwareNumber) - 1];
}

int ConfigDocument::Tree::HardwareCount() const {
    Index();
    return static_cast<int>(m_hardware.size());
}

void ConfigDocument::Tree::Index() const {
    if (m_indexed) return;
    m_configuration = NthChild(Root(), kConfiguration, 1);
    m_catalogue = NthChild(Root(), kCatalogue, 1);
    m_hardware.clear();
    for (pugi::xml_node node = m_configuration.first_child(); node; node = node.next_sibling()) {
        if (HasName(node, kHardware)) m_hardware.push_back(node);
    }
    m_catalogueElements.clear();
    for (pugi::xml_node node = m_catalogue.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element) m_catalogueElements.emplace(node.name(), node);
    }
    m_indexed = true;
}

}  // namespace trelink
