#pragma once

#include "map/Drawing.h"
#include "ui/Control.h"

#include <functional>
#include <string>

namespace ui {

// A map the screen draws into: the drawing is the state, made from its
// source when first asked for after the source changed, so a screen may say
// "changed" after every event and nothing is drawn that nobody looks at.
// Clicking one of the route's points reports the list line it stands for.
class MapView : public Control {
public:
    MapView(Form& form, std::string name) : Control(form, std::move(name)) {}
    const char* kind() const override { return "MapView"; }

    const map::Drawing& drawing() {
        if (source_) {
            drawing_ = source_();
            source_ = nullptr;
        }
        return drawing_;
    }
    void setDrawing(map::Drawing drawing) {
        source_ = nullptr;
        drawing_ = std::move(drawing);
        changed(Property::Drawing);
    }
    void setSource(std::function<map::Drawing()> source) {
        source_ = std::move(source);
        changed(Property::Drawing);
    }

    std::function<void(int line)> PointClick;
    // The adapter's (or a test's) click on a point of the route.
    void userClicked(int line) {
        if (PointClick && enabled() && line >= 0)
            PointClick(line);
    }

protected:
    void restoreDesign() override {
        Control::restoreDesign();
        setDrawing({});
    }

private:
    map::Drawing drawing_;
    std::function<map::Drawing()> source_;
};

} // namespace ui
