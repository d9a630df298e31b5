#pragma once

#include "checks/Finding.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace checks {

// The findings collected while checking, without those of disabled checks;
// each takes the severity its check has in the catalogue.
class Findings {
public:
    explicit Findings(const std::set<std::string, std::less<>>& disabled) : disabled_(disabled) {}
    void add(std::string_view check, Place place, std::string message);
    std::vector<Finding> take() { return std::move(list_); }

private:
    const std::set<std::string, std::less<>>& disabled_;
    std::vector<Finding> list_;
};

} // namespace checks
