#pragma once

#include "shell/Module1.h"
#include "ui/App.h"

#include <string>

namespace transitions {

// What the transition editor needs of the procedure editor that opened it.
class RunwayBoxAccess {
public:
    virtual ~RunwayBoxAccess() = default;

    // Runway box `box` (1..8) shows its runway as one with a transition.
    virtual void markRunwayDefined(int box) = 0;
    // The airport, as the procedure editor's airport box shows it.
    virtual std::string airportName() const = 0;
    virtual void focusNavaidBox() = 0;
    // A fix the transition editor renamed: the procedure on screen follows.
    virtual void fixRenamed(const std::string& from, const std::string& to) = 0;
};

// The procedure editor as its design names its boxes, for as long as the
// procedure editor does not implement RunwayBoxAccess itself.
class DesignedRunwayBoxes : public RunwayBoxAccess {
public:
    DesignedRunwayBoxes(ui::App& app, const shell::Module1& m) : app_(app), m_(m) {}

    void markRunwayDefined(int box) override;
    std::string airportName() const override;
    void focusNavaidBox() override;
    void fixRenamed(const std::string& from, const std::string& to) override;

private:
    ui::App& app_;
    const shell::Module1& m_;
};

} // namespace transitions
