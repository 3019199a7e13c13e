#include "ctl/TextTable.h"

#include <algorithm>

namespace trelink::ctl {

namespace {
constexpr const char* kColumnGap = "  ";
constexpr unsigned char kDelete = 0x7f;
constexpr unsigned char kContinuationMask = 0xc0;
constexpr unsigned char kContinuation = 0x80;
}  // namespace

void TextTable::AddRow(std::vector<std::string> cells) {
    for (std::string& cell : cells) cell = OneLine(cell);
    m_rows.push_back(std::move(cells));
}

std::string TextTable::Render() const {
    std::vector<std::size_t> widths;
    for (const auto& row : m_rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], Width(row[column]));
        }
    }
    std::string text;
    for (const auto& row : m_rows) {
        std::string line;
        for (std::size_t column = 0; column < row.size(); ++column) {
            if (column > 0) line += kColumnGap;
            line += row[column];
            if (column + 1 < row.size()) line.append(widths[column] - Width(row[column]), ' ');
        }
        text += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
    }
    return text;
}

std::string TextTable::OneLine(const std::string& text) {
    std::string line = text;
    for (char& ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '\n' || ch == '\r' || ch == '\t') {
            ch = ' ';
        } else if (c < ' ' || c == kDelete) {
            ch = '?';
        }
    }
    return line;
}

std::size_t TextTable::Width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & kContinuationMask) != kContinuation;
    }));
}

std::string NumberList(const std::vector<int>& numbers) {
    std::string text;
    for (const int number : numbers) text += (text.empty() ? "" : ", ") + std::to_string(number);
    return text;
}

std::string Joined(const std::vector<std::string>& texts, const char* separator) {
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : separator) + text;
    return joined;
}

}  // namespace trelink::ctl
