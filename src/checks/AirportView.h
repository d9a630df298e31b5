#pragma once

#include "checks/Finding.h"
#include "store/ProcedureStore.h"

#include <string>
#include <vector>

namespace checks {

// A name a procedure or transition flies to, and the altitude given there.
struct Use {
    std::string name;
    bool fix = true; // named as a fix, else as a navaid
    std::string altitude;
};

// A SID, a STAR or a runway transition as the file shows it.
struct Route {
    Place place;
    std::string title; // "SID SEA9", "the transition to runway 16L"
    std::vector<std::string> runways;
    std::vector<Use> uses;
};

// The routes of the tables in file order: runway transitions, SIDs, STARs.
std::vector<Route> routesOf(const store::ProcedureStore& store);

// The place of each fix row 1..FixCount (index 0 unused): the n-th
// definition of its name.
std::vector<Place> fixPlaces(const store::ProcedureStore& store);

} // namespace checks
