#include "SourceLines.h"

#include "runtime/TextFiles.h"
#include "store/AirportLines.h"

namespace check {

namespace {

// The words of a line, split at spaces as the reader splits them.
std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

} // namespace

SourceLines::SourceLines(std::string_view content) {
    runtime::LineReader reader{std::string(content)};
    while (!reader.atEnd()) {
        lines_.push_back(reader.readLine());
        const int number = static_cast<int>(lines_.size());
        const auto w = words(lines_.back());
        if (w.empty() || lines_.back()[0] == ' ')
            continue;
        if (w[0] == "SID")
            sidLines_.push_back(number);
        else if (w[0] == "STAR")
            starLines_.push_back(number);
        else if (w.size() >= 2 && w[0] == "FIX")
            fixLines_[std::string(w[1])].push_back(number);
        else if (w.size() >= 2 && w[0] == "RNW")
            runwayLines_[std::string(w[1])].push_back(number);
    }
}

namespace {

int nth(const std::vector<int>& lines, int ordinal) {
    return ordinal >= 1 && ordinal <= static_cast<int>(lines.size())
               ? lines[static_cast<std::size_t>(ordinal) - 1]
               : 0;
}

int nth(const std::map<std::string, std::vector<int>, std::less<>>& lines, const std::string& name,
        int ordinal) {
    const auto it = lines.find(name);
    return it == lines.end() ? 0 : nth(it->second, ordinal);
}

} // namespace

// The first line from `start` through the end of its logical line that holds
// the word; else `start`.
int SourceLines::holding(int start, const std::string& word) const {
    for (int i = start; i <= static_cast<int>(lines_.size()); ++i) {
        const std::string& line = lines_[static_cast<std::size_t>(i) - 1];
        if (i > start && store::endsContinuation(line))
            break;
        for (const std::string_view w : words(line))
            if (w == word)
                return i;
    }
    return start;
}

int SourceLines::lineOf(const checks::Place& place) const {
    using Kind = checks::Place::Kind;
    int start = 0;
    switch (place.kind) {
    case Kind::File:
        return 0;
    case Kind::Fix:
        return nth(fixLines_, place.name, place.ordinal);
    case Kind::Transition:
        start = nth(runwayLines_, place.name, 1);
        break;
    case Kind::SID:
        start = nth(sidLines_, place.ordinal);
        break;
    case Kind::STAR:
        start = nth(starLines_, place.ordinal);
        break;
    }
    return start == 0 || place.word.empty() ? start : holding(start, place.word);
}

} // namespace check
