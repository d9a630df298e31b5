#pragma once

#include "checks/Finding.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace check {

// The physical lines of an airport file, to point a finding at the line an
// editor shows: a fix's definition, the n-th SID or STAR line, a runway's
// transition, or within those the line (a continuation too) holding a word.
class SourceLines {
public:
    explicit SourceLines(std::string_view content);
    // 1-based; 0 for the file as a whole or a place not found.
    int lineOf(const checks::Place& place) const;

private:
    int holding(int start, const std::string& word) const;

    std::vector<std::string> lines_;
    // Line numbers of the lines that begin with a keyword, indexed once.
    std::map<std::string, std::vector<int>, std::less<>> fixLines_, runwayLines_;
    std::vector<int> sidLines_, starLines_;
};

} // namespace check
