#pragma once

#include <functional>

namespace trelink {

class ConfigDocument;
class WindowNotices;

// Runs the window's commands that change the configuration under a ConfigChange: while one
// runs, a program that honours the configuration's lock waits; a file that another program
// changed first is shown anew instead, and one it holds is left to it, each with a message.
class GuardedChanges {
public:
    // showAnew rebuilds what the window shows from the document after it was loaded again.
    GuardedChanges(ConfigDocument& document, const WindowNotices& notices,
                   std::function<void()> showAnew)
        : m_document(document), m_notices(notices), m_showAnew(std::move(showAnew)) {}

    void Run(const std::function<void()>& command) const;

private:
    ConfigDocument& m_document;
    const WindowNotices& m_notices;
    std::function<void()> m_showAnew;
};

}  // namespace trelink
