#include "ui/qt/MapBinding.h"

#include "ui/App.h"
#include "ui/qt/Application.h"
#include "ui/qt/MapWidget.h"

#include <QVBoxLayout>

namespace ui::qt {

MapBinding::MapBinding(Application& owner, ui::MapView& view, QWidget& placeholder)
    : ControlBinding(owner, view, placeholder), view_(view), map_(new MapWidget(&placeholder)) {
    auto* layout = new QVBoxLayout(&placeholder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(map_);
    map_->onPointClicked = [this](int line) {
        app().dispatch([this, line] { view_.userClicked(line); });
        owner_.syncFocus();
    };
}

void MapBinding::apply(ui::Property what) {
    if (what == ui::Property::Drawing)
        map_->setDrawing(view_.drawing());
    else
        ControlBinding::apply(what);
}

} // namespace ui::qt
