#include "ctl/Output.h"

#include <ostream>

#include "ctl/TextTable.h"

namespace trelink::ctl {

namespace {

constexpr int kIndent = 2;
constexpr const char* kProgram = "trelinkctl: ";

// Multi-line messages keep their lines; nothing else from a file may steer the terminal.
std::string ForTerminal(const std::string& text) {
    std::string shown;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        shown += TextTable::OneLine(text.substr(start, end - start));
        if (end == std::string::npos) return shown;
        shown += '\n';
        start = end + 1;
    }
}

}  // namespace

Output::Output(bool json, std::ostream& out, std::ostream& err)
    : m_isJson(json), m_out(out), m_err(err) {}

void Output::Line(const std::string& text) {
    if (!m_isJson) m_out << ForTerminal(text) << '\n';
}

void Output::Print(const TextTable& table) {
    if (!m_isJson) m_out << table.Render();
}

void Output::Warn(const std::string& text) {
    m_err << kProgram << ForTerminal(text) << '\n';
}

int Output::Fail(ExitCode exitCode, const std::string& kind, const std::string& reason,
                 Json details) {
    if (m_isJson) {
        Json error = {{"kind", kind}, {"message", reason}};
        error.update(details);
        m_object["error"] = std::move(error);
    } else {
        m_err << kProgram << ForTerminal(reason) << '\n';
    }
    return exitCode;
}

int Output::Finish(int exitCode) {
    if (m_isJson) {
        m_object["exitCode"] = exitCode;
        // A file that is not valid UTF-8 must not end the program: such bytes are replaced.
        m_out << m_object.dump(kIndent, ' ', false, Json::error_handler_t::replace) << '\n';
    }
    m_out.flush();
    return exitCode;
}

}  // namespace trelink::ctl
