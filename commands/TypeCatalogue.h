#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commands/CommandContext.h"
#include "services/ResultCodes.h"
#include "store/DriverFileInfo.h"

namespace trelink {

// One hardware type of the catalogue with its limits, as the document holds them now.
struct TypeInfo {
    int number = 0;
    std::string typeId;  // the "TypeId" text that names the type element
    std::string name;    // in the document's language; empty when the type has none there
    std::string germanName;
    std::string englishName;
    int maximum = 0;
    int used = 0;       // entries of the type
    int freeSlots = 0;  // below 0 when the file holds more entries than allowed
    // The types that may not be active when an entry of this type is activated. Only the
    // plain decimal forms are listed, since no other form ever matches an active type.
    std::vector<int> notParallelTo;
    std::optional<DriverFileInfo> firstDriver;  // none when the type names no driver file
    bool offered = false;  // the add command offers it: no driver named, or the first is there
};

// The catalogue's types for a front end that lists them or is told one by name or number.
class TypeCatalogue {
public:
    explicit TypeCatalogue(const CommandContext& context) : m_context(context) {}

    // Every type in catalogue order; on a failing read the types described so far stay.
    Result List(std::vector<TypeInfo>& types) const;
    // The type a person means: its display name in the document's language, else in German,
    // else in English, else its type number in decimal. The first type in catalogue order
    // wins, as the window's lookup by name does.
    std::optional<TypeInfo> Find(const std::string& text) const;

private:
    TypeInfo Describe(const std::string& typeId) const;
    std::string NameIn(const std::string& typeId, int language) const;

    CommandContext m_context;
};

}  // namespace trelink
