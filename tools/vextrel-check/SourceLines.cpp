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
    while (!reader.atEnd())
        lines_.push_back(reader.readLine());
}

// The ordinal-th line that starts with the keyword; with a name, only lines
// whose second word is that name count.
int SourceLines::nth(std::string_view keyword, const std::string& name, int ordinal) const {
    int seen = 0;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        if (!line.starts_with(keyword) || line.size() <= keyword.size() ||
            line[keyword.size()] != ' ')
            continue;
        const auto w = words(line);
        if (!name.empty() && (w.size() < 2 || w[1] != name))
            continue;
        if (++seen == ordinal)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

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
        return nth("FIX", place.name, place.ordinal);
    case Kind::Transition:
        start = nth("RNW", place.name, 1);
        break;
    case Kind::SID:
        start = nth("SID", "", place.ordinal);
        break;
    case Kind::STAR:
        start = nth("STAR", "", place.ordinal);
        break;
    }
    return start == 0 || place.word.empty() ? start : holding(start, place.word);
}

} // namespace check
