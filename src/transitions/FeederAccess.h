#pragma once

#include "procedures/FeederEdits.h"
#include "ui/App.h"

#include <string>

namespace transitions {

// What the DME arc generator needs of the transition editor: the runway and
// the feeder on screen, its working tables for the arc's edit, and to be
// closed with it. The transition editor ("RunwayForm") implements it.
class FeederAccess {
public:
    virtual ~FeederAccess() = default;

    // The working tables and the feeder on screen, for an edit.
    virtual procedures::FeederTables feederTables() = 0;
    // Shows the feeder on screen again after an edit changed it; the edit
    // is one step of undo, named `step`.
    virtual void feederChanged(const std::string& step) = 0;
    // `form` works on the working tables: it closes when the editor does.
    virtual void closeWithEditor(ui::Form& form) = 0;
};

// The transition editor of this application, or none.
inline FeederAccess* findFeederAccess(const ui::App& app) {
    return dynamic_cast<FeederAccess*>(app.findForm("RunwayForm"));
}

} // namespace transitions
