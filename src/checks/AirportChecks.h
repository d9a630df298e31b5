#pragma once

#include "checks/Finding.h"
#include "reference/AirportTable.h"
#include "reference/NavaidTable.h"
#include "reference/UserFixTable.h"
#include "store/ProcedureStore.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace checks {

// What the checks look names and places up in. Without navaids the checks
// of names and distances are not run; without the airport's position, the
// checks of distances.
struct ReferenceData {
    const reference::NavaidTable* navaids = nullptr;
    const reference::UserFixTable* userFixes = nullptr;
    std::string airportCode;
    std::optional<reference::AirportRecord> airport;
};

// The airport record for a file or box name: the name itself, else its
// first four characters ("KSEA - Copy", "KSEA2019").
std::optional<reference::AirportRecord> findAirport(const reference::AirportTable& airports,
                                                    const std::string& code);

// What a save tells the author it found: one line a finding, errors first,
// at most `shown` of them and a count of the rest.
std::string savedFindingsMessage(const std::string& fileName, const std::vector<Finding>& findings,
                                 std::size_t shown = 15);

// Everything the checks find in the tables, errors and warnings in the
// order of the file; checks named in `disabled` are not run.
std::vector<Finding> checkAirport(const store::ProcedureStore& store,
                                  const ReferenceData& reference,
                                  const std::set<std::string, std::less<>>& disabled = {});

} // namespace checks
