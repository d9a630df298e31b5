#pragma once

#include "ui/MapView.h"
#include "ui/qt/ControlBinding.h"

namespace ui::qt {

class MapWidget;

// A MapView on a placeholder widget of the design, filled by a MapWidget.
class MapBinding : public ControlBinding {
public:
    MapBinding(Application& owner, ui::MapView& view, QWidget& placeholder);
    void apply(ui::Property what) override;
    MapWidget& map() const { return *map_; }

private:
    ui::MapView& view_;
    MapWidget* map_;
};

} // namespace ui::qt
