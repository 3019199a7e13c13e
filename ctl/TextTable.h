#pragma once

#include <string>
#include <vector>

namespace trelink::ctl {

// Rows of text in columns aligned for a terminal, under a heading row. Widths count
// characters, not bytes, so German texts line up too.
class TextTable {
public:
    explicit TextTable(std::vector<std::string> headings) { AddRow(std::move(headings)); }

    void AddRow(std::vector<std::string> cells);
    // Every row on a line of its own, columns two blanks apart; the last column is not padded.
    std::string Render() const;

    // A text that came from a file, made fit for one cell of a terminal line: line breaks and
    // tabs become blanks, other control characters a "?", so the file cannot steer the
    // terminal.
    static std::string OneLine(const std::string& text);
    static std::size_t Width(const std::string& text);

private:
    std::vector<std::vector<std::string>> m_rows;
};

// Numbers joined with ", ", in order.
std::string NumberList(const std::vector<int>& numbers);
// Texts joined with separator, in order.
std::string Joined(const std::vector<std::string>& texts, const char* separator);

}  // namespace trelink::ctl
