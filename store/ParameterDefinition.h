#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/TextList.h"

namespace trelink {

// Type codes of a setting. The unsigned types come after PT_ENUM, as the file format has them.
enum ParameterType : std::int32_t {
    PT_VOID = 0,
    PT_BOOL = 1,
    PT_SINT = 2,
    PT_INT = 3,
    PT_DINT = 4,
    PT_BYTE = 5,
    PT_WORD = 6,
    PT_DWORD = 7,
    PT_REAL = 8,
    PT_LREAL = 9,
    PT_STRING = 10,
    PT_TIME = 11,
    PT_SUBRANGE = 12,
    PT_SUBRANGE_REAL = 13,
    PT_SUBRANGE_LREAL = 14,
    PT_ENUM = 15,
    PT_USINT = 16,
    PT_UINT = 17,
    PT_UDINT = 18,
};

// The file's name of a type code ("PT_BYTE"); the number itself for a code without a name.
std::string ParameterTypeName(std::int32_t type);

// One setting of a hardware type, and once read for an entry, that entry's value.
class ParameterDefinition {
public:
    ParameterDefinition() = default;
    explicit ParameterDefinition(std::string parameterName) : name(std::move(parameterName)) {}

    void Reset();
    // Copies every field; the source's choices are appended to this record's list.
    void CopyFrom(const ParameterDefinition& other);

    std::string name;
    std::string displayName;
    std::string value;
    std::string defaultValue;
    std::string unit;
    std::int32_t minimum = -1;
    std::int32_t maximum = -1;
    std::int32_t unique = 0;
    TextList choices;  // highest "Val%i" number first
    std::int32_t type = PT_VOID;
};

// The catalogue's element name of a type: "Type%i".
std::string TypeElementName(int type);
// The type number that a "TypeId" text names: the text after its first four characters, read
// as an integer, in 8 bits. "Type07" gives 7, whatever the four characters are.
int TypeNumberFromTypeId(std::string_view typeId);

// Owning, ordered list of records.
class ParameterDefinitionList {
public:
    void Append(std::unique_ptr<ParameterDefinition> record) {
        m_records.push_back(std::move(record));
    }
    void Clear() { m_records.clear(); }
    bool IsEmpty() const { return m_records.empty(); }
    std::size_t Size() const { return m_records.size(); }
    ParameterDefinition& At(std::size_t i) { return *m_records[i]; }
    const ParameterDefinition& At(std::size_t i) const { return *m_records[i]; }

    auto begin() const { return m_records.begin(); }
    auto end() const { return m_records.end(); }

private:
    std::vector<std::unique_ptr<ParameterDefinition>> m_records;
};

}  // namespace trelink
