#pragma once

#include "services/ResultCodes.h"

class QWidget;

namespace trelink {

class Prompter;

// The plain messages that the main window and its commands show, through the prompter.
class WindowNotices {
public:
    WindowNotices(Prompter& prompter, QWidget* window) : m_prompter(prompter), m_window(window) {}

    // A string-table text with the information icon.
    void Inform(int messageId) const;
    // The configuration file could not be saved.
    void CannotSave() const;
    // An unexpected failure of one of the window's own steps: its unit, call site and code.
    void InternalError(const char* module, int site, Result code) const;

private:
    Prompter& m_prompter;
    QWidget* m_window;
};

}  // namespace trelink
