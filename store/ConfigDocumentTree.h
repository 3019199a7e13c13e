#pragma once

// The parsed file behind a ConfigDocument. Only the document's own sources include this.

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "store/ConfigDocument.h"

namespace trelink {

struct ConfigDocument::Tree {
    pugi::xml_document document;
    pugi::xml_node Root() const { return document.document_element(); }
    pugi::xml_encoding encoding = pugi::encoding_utf8;

    // The file as a save writes it; empty when the file's encoding cannot hold the tree.
    std::optional<std::string> BytesInFileEncoding() const;

    // The path query's walk over all but the last name of path: the first element of the name
    // at each level, the number selecting among "Hardware" elements only. Gives the element
    // below which the last name is looked for, empty when some level has no match.
    pugi::xml_node DescendToLastLevel(const TextList& path, int hardwareNumber) const;

    pugi::xml_node Configuration() const;
    // Empty for a number that names no entry.
    pugi::xml_node Hardware(int hardwareNumber) const;
    int HardwareCount() const;
    // To be called after anything that may have added or removed "configuration",
    // "Hardwaretypes", an entry or a type element.
    void Reindex() { m_indexed = false; }

private:
    // Every read would otherwise walk the entries from the first one, which made reading all
    // of 20,000 entries take minutes.
    void Index() const;
    pugi::xml_node Match(pugi::xml_node parent, const std::string& name, int hardwareNumber) const;

    mutable bool m_indexed = false;
    mutable pugi::xml_node m_configuration;
    mutable pugi::xml_node m_catalogue;
    mutable std::vector<pugi::xml_node> m_hardware;
    // The first element of each name below "Hardwaretypes": the type elements.
    mutable std::unordered_map<std::string, pugi::xml_node> m_catalogueElements;
};

// Whether node is an element named name: text, comments and processing instructions never match.
bool HasName(pugi::xml_node node, const std::string& name);
// The n-th element of the name below parent, counted from 1; empty when there is none.
pugi::xml_node NthChild(pugi::xml_node parent, const std::string& name, int n);

}  // namespace trelink
