// Writes the texts of the window's Qt Linguist catalogues as a C++ table, for the command-line
// program, which has no Qt to load them with:
//   trelinkctl_catalogue OUTPUT.cpp GERMAN.ts [NUMBER=TRANSLATED.ts ...]
// The German catalogue gives its source texts, every other one its translations; a text a
// translation lacks is left out, and the program falls back on the German one.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include <pugixml.hpp>

namespace {

constexpr int kGerman = 49;
constexpr int kUsage = 2;
constexpr int kFailed = 1;

using Texts = std::map<std::string, std::string>;  // ordered by id, as the program searches

bool IsLive(const pugi::xml_node& message, const char* part) {
    const std::string type = message.child(part).attribute("type").value();
    return type != "obsolete" && type != "vanished";
}

bool Read(const std::string& path, const char* part, Texts& texts) {
    pugi::xml_document document;
    if (!document.load_file(path.c_str())) return false;
    for (const pugi::xpath_node& found : document.select_nodes("/TS/context/message[@id]")) {
        const pugi::xml_node message = found.node();
        const std::string text = message.child(part).text().get();
        if (!text.empty() && IsLive(message, "translation")) {
            texts[message.attribute("id").value()] = text;
        }
    }
    return true;
}

std::string Literal(const std::string& text) {
    std::string literal = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            literal += '\\';
            literal += ch;
        } else if (c < 0x20 || c == 0x7f) {
            // Octal escapes end after three digits, so a following digit cannot join them.
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", c);
            literal += escape;
        } else {
            literal += ch;
        }
    }
    return literal + "\"";
}

void WriteTable(std::ostream& out, int language, const Texts& texts) {
    out << "constexpr std::array<CatalogueText, " << texts.size() << "> kLanguage" << language
        << "{{\n";
    for (const auto& [id, text] : texts) {
        out << "    {" << Literal(id) << ", " << Literal(text) << "},\n";
    }
    out << "}};\n";
}

void Write(std::ostream& out, const std::map<int, Texts>& languages) {
    out << "// Made by the catalogue generator from the .ts files; do not edit.\n"
           "#include <array>\n\n#include \"ctl/CatalogueTable.h\"\n\n"
           "namespace trelink::ctl {\nnamespace {\n\n";
    for (const auto& [language, texts] : languages) WriteTable(out, language, texts);
    out << "\n}  // namespace\n\nstd::span<const CatalogueText> CatalogueTexts(int language) {\n"
           "    switch (language) {\n";
    for (const auto& [language, texts] : languages) {
        out << "        case " << language << ":\n            return kLanguage" << language
            << ";\n";
    }
    out << "    }\n    return {};\n}\n\n}  // namespace trelink::ctl\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: " << argv[0] << " OUTPUT.cpp GERMAN.ts [NUMBER=TRANSLATED.ts ...]\n";
        return kUsage;
    }
    std::map<int, Texts> languages;
    if (!Read(argv[2], "source", languages[kGerman])) {
        std::cerr << argv[0] << ": cannot read " << argv[2] << "\n";
        return kFailed;
    }
    for (int i = 3; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t equals = argument.find('=');
        if (equals == std::string::npos ||
            !Read(argument.substr(equals + 1), "translation",
                  languages[std::stoi(argument.substr(0, equals))])) {
            std::cerr << argv[0] << ": cannot read " << argument << "\n";
            return kFailed;
        }
    }
    std::ofstream out(argv[1], std::ios::trunc);
    Write(out, languages);
    return out.good() ? 0 : kFailed;
}
