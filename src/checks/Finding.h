#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace checks {

enum class Severity { Error, Warning };

// Where a finding points: the file as a whole, a fix's definition, a
// procedure (the n-th SID or STAR of the file) or a runway's transition. A
// word named there narrows it to the line that holds that word.
struct Place {
    enum class Kind { File, Fix, SID, STAR, Transition };
    Place() = default;
    Place(Kind kind_, std::string name_, int ordinal_ = 1, std::string word_ = {})
        : kind(kind_), name(std::move(name_)), ordinal(ordinal_), word(std::move(word_)) {}

    Kind kind = Kind::File;
    std::string name; // fix, procedure or runway
    int ordinal = 1;  // the n-th SID or STAR; the n-th definition of a fix
    std::string word;

    bool operator==(const Place&) const = default;
};

struct Finding {
    Severity severity = Severity::Error;
    std::string check;
    std::string message;
    Place place;

    bool operator==(const Finding&) const = default;
};

struct CheckInfo {
    std::string_view name;
    Severity severity;
    std::string_view what;
};

// Every check, errors first, as --help lists them.
const std::vector<CheckInfo>& checkCatalogue();
bool isCheckName(std::string_view name);

std::string_view severityWord(Severity severity);

} // namespace checks
