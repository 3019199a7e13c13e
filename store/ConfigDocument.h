#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "services/ResultCodes.h"
#include "store/TextList.h"

namespace trelink {

// The hardware number that names no particular entry.
inline constexpr int kNoHardware = -1;

class ErrorLookup;
class FileSystem;
class ParameterDefinition;
class ParameterDefinitionList;

// The one configuration file of the driver layer as a DOM tree. Every read finds its elements
// in the tree (through an index of the entries and the type elements, kept with the tree);
// every change is made in the tree and followed at once by a save of the whole file, because
// the bus-driver library reads the same file.
//
// Hardware numbers are 1-based positions among the "Hardware" children of "configuration";
// -1 means no particular entry.
class ConfigDocument {
public:
    // The file the driver layer looks for when no other name is configured.
    static constexpr const char* kDefaultFileName = "trelinkconfig.xml";

    ConfigDocument();
    // errorLookup is the document's own lookup, kept for its lifetime; may be null.
    explicit ConfigDocument(std::unique_ptr<ErrorLookup> errorLookup);
    ~ConfigDocument();
    ConfigDocument(const ConfigDocument&) = delete;
    ConfigDocument& operator=(const ConfigDocument&) = delete;

    // Stores the path (none: the system folder's "trelinkconfig.xml") and loads the file.
    Result SetConfigFile(const std::optional<std::string>& path);
    Result Load();
    Result Save();
    // Whether another program has replaced or changed the file since this document last
    // loaded or saved it. A file that is gone does not count: the next save writes it again;
    // nor does a file this document never loaded.
    bool ChangedOnDisk() const;
    const std::string& Path() const { return m_path; }

    // Path query from the root element's first child: at "Hardware" the hardware number
    // selects (unless it is kNoHardware), at every other level the first element of the name
    // wins, and every element of the last name appends its text to results. With definitions,
    // a record is also built from every element matched at the last level. Before a file has
    // been loaded nothing is found.
    Result QueryValues(const TextList& path, TextList& results, int hardwareNumber,
                       ParameterDefinitionList* definitions = nullptr) const;
    // Path write: the first element matched at the last level gets value, then the file is
    // saved (a value equal to the element's text leaves the file alone but still reports a
    // file that could not be saved). Nothing is ever created; a path that matches nothing
    // writes and saves nothing.
    Result SetValue(const TextList& path, const std::string& value, int hardwareNumber);

    // Many value writes, one save. While a group is open, SetValue and everything built on it
    // (SetHardwareState, WriteParameterValue) change the tree only. Commit() then saves once
    // when any of them changed something and gives what that save gives; when none changed
    // anything it gives what a write of an unchanged value gives (41240 for a file that cannot
    // be saved), and 0 when nothing was written at all. A group closed without Commit()
    // commits then and drops the result. Groups nest: only the outermost one saves, and an
    // inner Commit() gives 0. AddHardware and RemoveHardware save at once, group or not.
    class WriteGroup {
    public:
        explicit WriteGroup(ConfigDocument& document);
        ~WriteGroup();
        WriteGroup(const WriteGroup&) = delete;
        WriteGroup& operator=(const WriteGroup&) = delete;

        Result Commit();

    private:
        ConfigDocument& m_document;
        bool m_open = true;
    };

    Result GetHardwareCount(int& count) const;
    Result GetHardwareState(int hardwareNumber, int& isActive, int& isDefault,
                            int& errorCode) const;
    Result SetHardwareState(int hardwareNumber, int isActive, int isDefault, int errorCode);
    std::string GetHardwareValue(int hardwareNumber, const std::string& name) const;
    int IsHardwareActive(int hardwareNumber) const;
    int GetHardwareType(int hardwareNumber) const;  // 0..255
    Result AddHardware(const std::string& typeDisplayName);
    Result AddHardwareOfType(int type);
    Result RemoveHardware(int hardwareNumber);

    int Language() const { return m_language; }
    void SetLanguage(int language) { m_language = language; }

    // Catalogue of hardware types.
    Result GetTypeIds(TextList& typeIds) const;
    Result GetHardwareName(std::string& name, int hardwareNumber,
                           const std::string& typeElementName) const;
    Result GetHardwareTypeNames(TextList& names) const;
    Result FindTypeByName(const std::string& displayName, int& type) const;
    Result GetTypeValues(int type, const std::string& elementName, TextList& values) const;
    Result GetDriverNames(int hardwareNumber, TextList* names, int type) const;

    // Parameter definitions and values.
    static std::int32_t ParameterTypeFromName(const std::string& typeName);
    Result ListParameterNamesOfType(int type, TextList& names) const;
    Result ListParameterNamesOfHardware(int hardwareNumber, TextList& names) const;
    Result ReadParameter(int hardwareNumber, ParameterDefinition* record, int type) const;
    Result WriteParameterValue(int hardwareNumber, const ParameterDefinition* record);
    static ParameterDefinition* FindParameterByDisplayName(const ParameterDefinitionList& list,
                                                           const std::string& displayName);

    // Test seam: the system calls of a save. Null restores the real ones.
    void SetFileSystem(FileSystem* system) { m_system = system; }

private:
    struct Tree;

    // The elements every path of the store starts with.
    inline static const std::string kConfiguration = "configuration";
    inline static const std::string kCatalogue = "Hardwaretypes";
    inline static const std::string kHardware = "Hardware";

    Result SaveUnchanged();
    Result EndWriteGroup();
    // Calls visit with each type's "TypeId" text and display name, in catalogue order, until it
    // returns true.
    Result VisitTypeNames(
        const std::function<bool(const std::string&, std::string&&)>& visit) const;

    std::unique_ptr<ErrorLookup> m_errorLookup;
    std::string m_path;
    // The parsed file: its DOM and encoding. Never null.
    std::unique_ptr<Tree> m_tree;
    int m_language = 0;
    FileSystem* m_system = nullptr;
    bool m_unsaved = false;
    // What the file on disk was when this document last loaded or saved it.
    struct DiskStamp {
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t seconds = 0, nanoseconds = 0;
        bool regular = false;  // a file's type never changes, so it never tells two apart
        bool operator==(const DiskStamp&) const = default;
    };
    static std::optional<DiskStamp> StampOf(const std::string& path);
    std::optional<DiskStamp> m_stamp;
    int m_openGroups = 0;
    bool m_groupWritten = false;  // some SetValue of the open group found its element
    bool m_groupChanged = false;  // and changed the tree
};

}  // namespace trelink
