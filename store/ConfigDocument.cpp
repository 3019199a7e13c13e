#include "store/ConfigDocument.h"

#include <sys/stat.h>

#include <cctype>
#include <optional>
#include <string_view>
#include <utility>

#include "services/AtomicFile.h"
#include "services/ErrorLookup.h"
#include "services/IntText.h"
#include "services/PlatformDirectories.h"
#include "store/ConfigDocumentTree.h"
#include "store/Latin1Output.h"
#include "store/ParameterDefinition.h"
#include "store/XmlElements.h"

namespace trelink {

namespace {

// Keep everything a person or the driver layer may have put into the file; only the
// whitespace-only text between elements is dropped, and the save indents anew.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration |
                                   pugi::parse_comments | pugi::parse_pi | pugi::parse_doctype;

// Real configurations are about five levels deep. 256 is the limit that libxml2 and MSXML 6
// set by default; far deeper files only come from a fault or an attack, and the XML library
// removes a subtree recursively and indents a save by the depth of each line.
constexpr int kMaxNesting = 256;

// A name from the catalogue becomes an element name only when it cannot break the file.
bool IsSafeElementName(std::string_view name, pugi::xml_encoding encoding) {
    if (name.empty() || (encoding == pugi::encoding_latin1 && !FitsLatin1(name))) return false;
    const auto isStart = [](unsigned char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
    };
    if (!isStart(static_cast<unsigned char>(name.front()))) return false;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (!isStart(c) && !(c >= '0' && c <= '9') && c != '-' && c != '.') return false;
    }
    return true;
}

bool DeclaresLatin1(const pugi::xml_document& document) {
    const pugi::xml_node declaration = document.first_child();
    if (declaration.type() != pugi::node_declaration) return false;
    std::string encoding = declaration.attribute("encoding").value();
    for (char& c : encoding) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return encoding == "iso-8859-1" || encoding == "latin1" || encoding == "iso_8859-1" ||
           encoding == "l1";
}

}  // namespace

ConfigDocument::ConfigDocument(std::unique_ptr<ErrorLookup> errorLookup)
    : m_errorLookup(std::move(errorLookup)), m_tree(std::make_unique<Tree>()) {}

ConfigDocument::ConfigDocument() : ConfigDocument(nullptr) {}

ConfigDocument::~ConfigDocument() = default;

Result ConfigDocument::SetConfigFile(const std::optional<std::string>& path) {
    m_path =
        path ? *path : PlatformDirectories::Default().SystemDirectory() + "/" + kDefaultFileName;
    return Load() == kOk ? kOk : kCannotLoad;
}

Result ConfigDocument::Load() {
    // A folder or a pipe in the file's place would make the parser ask for an absurd buffer
    // or wait forever. Stamped before the parse, so that a change during it counts as one.
    const std::optional<DiskStamp> stamp = StampOf(m_path);
    if (!stamp || !stamp->regular) return kCannotLoad;
    // Parse into a fresh tree and take it only when the whole file parsed: a half-parsed
    // tree saved later would cut the user's file off at the first error.
    auto tree = std::make_unique<Tree>();
    pugi::xml_parse_result parsed =
        tree->document.load_file(m_path.c_str(), kParseOptions, pugi::encoding_auto);
    // The parser guesses an 8-bit encoding from the first bytes only: it misses a declaration of
    // ISO-8859-1 behind anything else, and takes the first "encoding" it finds for one, even
    // inside another attribute. The parsed declaration decides instead, since the save writes it
    // back as it is; a guess would read the saved file in another encoding than the loaded one.
    const bool eightBit =
        parsed.encoding == pugi::encoding_utf8 || parsed.encoding == pugi::encoding_latin1;
    const pugi::xml_encoding declared =
        DeclaresLatin1(tree->document) ? pugi::encoding_latin1 : pugi::encoding_utf8;
    if (parsed && eightBit && parsed.encoding != declared) {
        parsed = tree->document.load_file(m_path.c_str(), kParseOptions, declared);
        parsed.encoding = declared;
    }
    if (!parsed || !tree->document.document_element()) return kCannotLoad;
    if (!TidyParsedTree(tree->document.document_element(), kMaxNesting)) return kCannotLoad;
    tree->encoding = parsed.encoding;
    m_tree = std::move(tree);
    m_unsaved = false;
    m_stamp = stamp;
    return kOk;
}

Result ConfigDocument::Save() {
    const std::optional<std::string> bytes =
        m_path.empty() ? std::nullopt : m_tree->BytesInFileEncoding();
    const bool saved =
        bytes && WriteFileAtomically(m_path, *bytes, m_system ? *m_system : DefaultFileSystem()) ==
                     SaveError::None;
    // After a failed save the tree is ahead of the file until a save succeeds.
    m_unsaved = !saved;
    if (saved) m_stamp = StampOf(m_path);
    return saved ? kOk : kCannotSave;
}

bool ConfigDocument::ChangedOnDisk() const {
    // A document that never held the file has nothing to lose by it.
    const std::optional<DiskStamp> now = StampOf(m_path);
    return m_stamp && now && now != m_stamp;
}

std::optional<ConfigDocument::DiskStamp> ConfigDocument::StampOf(const std::string& path) {
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) != 0) return std::nullopt;
    return DiskStamp{
        status.st_dev,         status.st_ino,          static_cast<std::uint64_t>(status.st_size),
        status.st_mtim.tv_sec, status.st_mtim.tv_nsec, S_ISREG(status.st_mode)};
}

Result ConfigDocument::QueryValues(const TextList& path, TextList& results, int hardwareNumber,
                                   ParameterDefinitionList* definitions) const {
    const pugi::xml_node parent = m_tree->DescendToLastLevel(path, hardwareNumber);
    for (pugi::xml_node node = parent.first_child(); node; node = node.next_sibling()) {
        const std::string& name = path.back();
        if (!HasName(node, name)) continue;
        results.push_back(ElementText(node));
        if (definitions) definitions->Append(DefinitionFromElement(node, name, m_language));
    }
    return kOk;
}

Result ConfigDocument::SetValue(const TextList& path, const std::string& value,
                                int hardwareNumber) {
    const pugi::xml_node parent = m_tree->DescendToLastLevel(path, hardwareNumber);
    const pugi::xml_node node = parent ? NthChild(parent, path.back(), 1) : pugi::xml_node();
    if (!node) return kOk;
    const bool grouped = m_openGroups > 0;
    m_groupWritten = m_groupWritten || grouped;
    // Compared as stored, so that a value differing only in what the file cannot keep is no change.
    const std::string stored = StoredText(value);
    if (!m_unsaved && ElementText(node) == stored) return grouped ? kOk : SaveUnchanged();
    SetElementText(node, stored);
    // A value written over "configuration" or the catalogue takes what the index holds.
    if (parent == m_tree->Root()) m_tree->Reindex();
    m_groupChanged = m_groupChanged || grouped;
    return grouped ? kOk : Save();
}

ConfigDocument::WriteGroup::WriteGroup(ConfigDocument& document) : m_document(document) {
    ++m_document.m_openGroups;
}

ConfigDocument::WriteGroup::~WriteGroup() {
    if (m_open) Commit();
}

Result ConfigDocument::WriteGroup::Commit() {
    if (!std::exchange(m_open, false)) return kOk;
    return m_document.EndWriteGroup();
}

Result ConfigDocument::EndWriteGroup() {
    if (--m_openGroups > 0) return kOk;
    const bool changed = std::exchange(m_groupChanged, false);
    if (!std::exchange(m_groupWritten, false)) return kOk;
    return changed ? Save() : SaveUnchanged();
}

// Writing a value that the element already holds leaves the file as it is: making one of n
// entries the default would otherwise flush the whole file 3·n times for one or two changed
// flags. The result is still what a save would give, so a read-only file is reported the same.
Result ConfigDocument::SaveUnchanged() {
    if (m_path.empty()) return kCannotSave;
    switch (ProbeSaveTarget(m_path, m_system ? *m_system : DefaultFileSystem())) {
        case TargetState::Writable:
            return kOk;
        case TargetState::ReadOnly:
        case TargetState::Unknown:
            return kCannotSave;
        case TargetState::Missing:
            break;
    }
    return Save();
}

Result ConfigDocument::GetHardwareCount(int& count) const {
    count = m_tree->HardwareCount();
    return kOk;
}

Result ConfigDocument::GetHardwareState(int hardwareNumber, int& isActive, int& isDefault,
                                        int& errorCode) const {
    isActive = isDefault = errorCode = 0;
    const auto read = [&](const char* element, int& out) {
        TextList texts;
        const Result result =
            QueryValues({kConfiguration, kHardware, element}, texts, hardwareNumber);
        if (!texts.empty()) out = AtoiText(texts.front());
        return result;
    };
    Result result = read("IsActive", isActive);
    if (result == kOk) result = read("IsDefault", isDefault);
    if (result == kOk) result = read("ErrorCode", errorCode);
    return result;
}

Result ConfigDocument::SetHardwareState(int hardwareNumber, int isActive, int isDefault,
                                        int errorCode) {
    const auto write = [&](const char* element, const std::string& value) {
        return SetValue({kConfiguration, kHardware, element}, value, hardwareNumber);
    };
    if (Result r = write("IsActive", isActive ? "1" : "0"); r != kOk) return r;
    if (Result r = write("IsDefault", isDefault ? "1" : "0"); r != kOk) return r;
    if (Result r = write("ErrorCode", std::to_string(errorCode)); r != kOk) return r;
    if (!isDefault) return kOk;

    // There is one default: every other entry is written back with its default flag cleared.
    int count = 0;
    GetHardwareCount(count);
    for (int other = 1; other <= count; ++other) {
        if (other == hardwareNumber) continue;
        int active = 0, wasDefault = 0, code = 0;
        if (Result r = GetHardwareState(other, active, wasDefault, code); r != kOk) return r;
        if (Result r = SetHardwareState(other, active, 0, code); r != kOk) return r;
    }
    return kOk;
}

std::string ConfigDocument::GetHardwareValue(int hardwareNumber, const std::string& name) const {
    return ElementText(NthChild(m_tree->Hardware(hardwareNumber), name, 1));
}

int ConfigDocument::IsHardwareActive(int hardwareNumber) const {
    return AtoiText(GetHardwareValue(hardwareNumber, "IsActive"));
}

int ConfigDocument::GetHardwareType(int hardwareNumber) const {
    return static_cast<std::uint8_t>(AtoiText(GetHardwareValue(hardwareNumber, "HWType")));
}

Result ConfigDocument::AddHardware(const std::string& typeDisplayName) {
    int type = 0;
    if (FindTypeByName(typeDisplayName, type) != kOk) return kUnknownTypeName;
    return AddHardwareOfType(type);
}

Result ConfigDocument::AddHardwareOfType(int type) {
    TextList names;
    if (Result r = ListParameterNamesOfType(type, names); r != kOk) return r;
    ParameterDefinitionList defaults;
    for (const std::string& name : names) {
        auto record = std::make_unique<ParameterDefinition>(name);
        ReadParameter(kNoHardware, record.get(), type);
        defaults.Append(std::move(record));
    }

    pugi::xml_node configuration = m_tree->Configuration();
    if (!configuration) return kNoConfigurationElement;
    pugi::xml_node hardware = configuration.append_child(kHardware.c_str());
    const auto append = [&hardware](const std::string& name, const std::string& text) {
        SetElementText(hardware.append_child(name.c_str()), text);
    };
    append("IsActive", "0");
    append("IsDefault", "0");
    append("ErrorCode", "0");
    append("HWType", std::to_string(type));
    for (const auto& record : defaults) {
        // A parameter name that is no valid element name could never be read back and would
        // make the whole file unreadable for the driver layer.
        if (IsSafeElementName(record->name, m_tree->encoding)) {
            append(record->name, record->defaultValue);
        }
    }
    m_tree->Reindex();
    return Save();
}

Result ConfigDocument::RemoveHardware(int hardwareNumber) {
    const pugi::xml_node hardware = m_tree->Hardware(hardwareNumber);
    if (!hardware) return kOk;
    m_tree->Configuration().remove_child(hardware);
    m_tree->Reindex();
    return Save();
}

}  // namespace trelink
