#pragma once

#include <string>

namespace shell {

// What the runway transition editor needs of the procedure editor that
// opened it; the program's wiring hands it over.
class RunwayBoxAccess {
public:
    virtual ~RunwayBoxAccess() = default;

    // Runway box `box` (1..8) shows its runway as one with a transition.
    virtual void markRunwayDefined(int box) = 0;
    // The airport, as the procedure editor's airport box shows it.
    virtual std::string airportName() const = 0;
    // The transition editor closed: the procedure editor is shown again,
    // after a save with the focus in its navaid box.
    virtual void showAgain(bool focusNavaidBox) = 0;
    // A fix the transition editor renamed: the procedure on screen follows.
    virtual void fixRenamed(const std::string& from, const std::string& to) = 0;
};

} // namespace shell
