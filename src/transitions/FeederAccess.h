#pragma once

#include "ui/App.h"

#include <string>

namespace transitions {

// What the DME arc generator needs of the transition editor: the runway and
// the feeder on screen, and a way to add its points to that feeder. The
// transition editor ("RunwayForm") implements it; the fixes the points name
// go into Module1's WorkFixes, which the arc generator fills itself.
class FeederAccess {
public:
    virtual ~FeederAccess() = default;

    // The runway being edited, as its label shows it.
    virtual std::string runwayLabel() const = 0;
    // Waypoints of the feeder on screen (entries of its list).
    virtual int feederWaypointCount() const = 0;
    // Rows WorkRunways can still take, so that an arc that would not fit is
    // refused before any point is added.
    virtual int freeRunwayRows() const = 0;
    // Adds a fix waypoint at the end of the feeder on screen: the WorkRunways
    // row (ID, FIX, Alt) at FeederStart + entries, its list entry, and
    // LastInsertedRow; the feeder's FROM and EOP flags follow. False, with
    // nothing changed, when WorkRunways is full.
    virtual bool appendFixWaypoint(const std::string& fix, const std::string& alt) = 0;
};

// The transition editor of this application, or none.
inline FeederAccess* findFeederAccess(const ui::App& app) {
    return dynamic_cast<FeederAccess*>(app.findForm("RunwayForm"));
}

} // namespace transitions
