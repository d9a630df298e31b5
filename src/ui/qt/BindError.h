#pragma once

#include <stdexcept>
#include <string>

namespace ui::qt {

// A screen whose design does not match its controls: a widget missing,
// misnamed or of the wrong kind. Raised at start-up, naming the widget.
class BindError : public std::runtime_error {
public:
    BindError(std::string widgetName, const std::string& what)
        : std::runtime_error(what), widgetName_(std::move(widgetName)) {}
    const std::string& widgetName() const { return widgetName_; }

private:
    std::string widgetName_;
};

} // namespace ui::qt
