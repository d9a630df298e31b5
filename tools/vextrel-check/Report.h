#pragma once

#include "checks/Finding.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace check {

enum class Format { Text, Json };

// One finding with the file and line it points at (0: the whole file).
struct Located {
    std::string file;
    int line = 0;
    checks::Finding finding;
};

// The findings of a run, printed as compilers print diagnostics or as JSON
// records, and counted.
class Report {
public:
    explicit Report(Format format) : format_(format) {}
    // JSON only: the document's start.
    void open(std::ostream& out) const;
    void add(Located located);
    // Text only: a line of the file's own (its counts, or why it was not read).
    void note(std::ostream& out, const std::string& text) const;
    // Prints the findings added since the last flush, in line order.
    void flush(std::ostream& out);
    // The closing line, or for JSON the whole document's end.
    void finish(std::ostream& out, int files) const;

    int errors() const { return errors_; }
    int warnings() const { return warnings_; }
    int pending() const { return static_cast<int>(pending_.size()); }

private:
    Format format_;
    std::vector<Located> pending_;
    int errors_ = 0;
    int warnings_ = 0;
    bool firstRecord_ = true;
};

std::string jsonString(const std::string& text);

} // namespace check
