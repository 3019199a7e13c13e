#pragma once

#include <iosfwd>
#include <string>

#include <nlohmann/json.hpp>

#include "ctl/ExitCode.h"

namespace trelink::ctl {

class TextTable;

// Where a command's results go: lines and tables for people on standard output, or with
// --json one object on standard output when the command ends. Reasons for a refusal or a
// failure go to standard error for people and into the object's "error" for scripts;
// warnings always go to standard error, so that they never break the object.
class Output {
public:
    using Json = nlohmann::ordered_json;

    Output(bool json, std::ostream& out, std::ostream& err);

    bool IsJson() const { return m_isJson; }
    // The command's object; its members are written in the order they are set.
    Json& Object() { return m_object; }

    void Line(const std::string& text);
    void Print(const TextTable& table);
    void Warn(const std::string& text);
    // Records why the command did not do what it was asked, and gives exitCode back.
    // kind is a stable keyword for scripts, reason the text in the chosen language.
    int Fail(ExitCode exitCode, const std::string& kind, const std::string& reason,
             Json details = Json::object());
    // Writes the object, with the exit code, and gives the exit code back.
    int Finish(int exitCode);

private:
    bool m_isJson;
    std::ostream& m_out;
    std::ostream& m_err;
    Json m_object = Json::object();
};

}  // namespace trelink::ctl
