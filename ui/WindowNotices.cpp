#include "ui/WindowNotices.h"

#include "store/MessageIds.h"
#include "ui/Prompter.h"
#include "ui/StringTable.h"

namespace trelink {

void WindowNotices::Inform(int messageId) const {
    m_prompter.ShowMessage(m_window, StringTable::Text(messageId), Prompter::Icon::Information);
}

void WindowNotices::CannotSave() const {
    m_prompter.ShowMessage(m_window, StringTable::Text(Msg::kCannotSave), Prompter::Icon::Stop);
}

void WindowNotices::InternalError(const char* module, int site, Result code) const {
    const QString text = StringTable::Format(
        Msg::kInternalError,
        {QString::fromLatin1(module), QString::number(site), QString::number(code)});
    m_prompter.ShowMessage(m_window, text, Prompter::Icon::Stop);
}

}  // namespace trelink
