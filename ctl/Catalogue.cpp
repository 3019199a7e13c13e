#include "ctl/Catalogue.h"

#include <algorithm>
#include <optional>

#include "commands/ProgramSettings.h"
#include "ctl/CatalogueTable.h"
#include "ctl/TextId.h"
#include "store/MessageIds.h"

namespace trelink::ctl {

namespace {

std::optional<std::string_view> Find(int language, std::string_view id) {
    const std::span<const CatalogueText> texts = CatalogueTexts(language);
    const auto found = std::lower_bound(
        texts.begin(), texts.end(), id,
        [](const CatalogueText& entry, std::string_view key) { return entry.id < key; });
    if (found == texts.end() || found->id != id) return std::nullopt;
    return found->text;
}

// The window's ids of its numbered messages are their numbers; the few others it shows here
// have names of their own.
std::string CatalogueIdOf(int messageId) {
    if (messageId == Msg::kCannotLoadErrorLookup) return "errorlookup.cantload";
    return std::to_string(messageId);
}

}  // namespace

std::string Catalogue::Text(std::string_view id) const {
    std::optional<std::string_view> text = Find(m_language, id);
    if (!text) text = Find(ProgramSettings::kGerman, id);
    return std::string(text.value_or(id));
}

std::string Catalogue::Format(std::string_view id,
                              const std::vector<std::string>& arguments) const {
    return FillPlaceholders(Text(id), arguments);
}

std::string Catalogue::Pattern(int messageId) const {
    return Text(CatalogueIdOf(messageId));
}

std::string Catalogue::YesNo(bool yes) const {
    //% "ja"
    const char* yesId = QT_TRID_NOOP("ctl.yes");
    //% "nein"
    const char* noId = QT_TRID_NOOP("ctl.no");
    return Text(yes ? yesId : noId);
}

}  // namespace trelink::ctl
