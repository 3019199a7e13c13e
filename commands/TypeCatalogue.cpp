#include "commands/TypeCatalogue.h"

#include "commands/ProgramSettings.h"
#include "services/IntText.h"
#include "store/ConfigChecker.h"
#include "store/ConfigDocument.h"
#include "store/HardwareOffer.h"
#include "store/ParameterDefinition.h"

namespace trelink {

namespace {

// The number a text gives only when the text is that number's plain decimal form.
std::optional<int> PlainNumber(const std::string& text) {
    const std::optional<std::int32_t> number = ParseLeadingInt(text);
    if (!number || std::to_string(*number) != text) return std::nullopt;
    return *number;
}

}  // namespace

Result TypeCatalogue::List(std::vector<TypeInfo>& types) const {
    TextList typeIds;
    if (const Result result = m_context.document.GetTypeIds(typeIds); result != kOk) return result;
    types.reserve(types.size() + typeIds.size());
    for (const std::string& typeId : typeIds) types.push_back(Describe(typeId));
    return kOk;
}

std::optional<TypeInfo> TypeCatalogue::Find(const std::string& text) const {
    TextList typeIds;
    if (text.empty() || m_context.document.GetTypeIds(typeIds) != kOk) return std::nullopt;
    const int languages[] = {m_context.document.Language(), ProgramSettings::kGerman,
                             ProgramSettings::kEnglish};
    for (const int language : languages) {
        for (const std::string& typeId : typeIds) {
            if (NameIn(typeId, language) == text) return Describe(typeId);
        }
    }
    const std::optional<int> number = PlainNumber(text);
    for (const std::string& typeId : typeIds) {
        if (number && TypeNumberFromTypeId(typeId) == *number) return Describe(typeId);
    }
    return std::nullopt;
}

TypeInfo TypeCatalogue::Describe(const std::string& typeId) const {
    const ConfigDocument& document = m_context.document;
    const ConfigChecker checker(document);
    TypeInfo info;
    info.typeId = typeId;
    info.number = TypeNumberFromTypeId(typeId);
    info.name = NameIn(typeId, document.Language());
    info.germanName = NameIn(typeId, ProgramSettings::kGerman);
    info.englishName = NameIn(typeId, ProgramSettings::kEnglish);
    checker.GetMaximum(info.number, info.maximum);
    checker.GetFreeSlots(info.number, info.freeSlots);
    info.used = info.maximum - info.freeSlots;
    TextList forbidden;
    document.GetTypeValues(info.number, "NotParallelToHW", forbidden);
    for (const std::string& text : forbidden) {
        if (const std::optional<int> number = PlainNumber(text)) {
            info.notParallelTo.push_back(*number);
        }
    }
    TextList drivers;
    document.GetDriverNames(kNoHardware, &drivers, info.number);
    if (!drivers.empty()) info.firstDriver.emplace(drivers.front(), m_context.directories);
    info.offered = HardwareOffer::Offers(info.firstDriver ? &*info.firstDriver : nullptr);
    return info;
}

std::string TypeCatalogue::NameIn(const std::string& typeId, int language) const {
    TextList names;
    m_context.document.QueryValues({"Hardwaretypes", typeId, "HWName" + std::to_string(language)},
                                   names, kNoHardware);
    return names.empty() ? std::string() : names.front();
}

}  // namespace trelink
