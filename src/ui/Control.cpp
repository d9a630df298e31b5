#include "ui/Control.h"

#include "ui/App.h"
#include "ui/Form.h"
#include "ui/Frame.h"

namespace ui {

Control::Control(Form& form, std::string name) : form_(form), name_(std::move(name)) {
    form_.add(*this);
}

Control::~Control() {
    form_.app().dropFocus(*this);
    form_.remove(*this);
}

App& Control::app() const {
    return form_.app();
}

void Control::changed(Property what) {
    if (onChanged)
        onChanged(what);
}

void Control::setEnabled(bool on) {
    if (common_.enabled == on)
        return;
    common_.enabled = on;
    changed(Property::Enabled);
    if (!on)
        app().dropFocus(*this);
}

void Control::setVisible(bool on) {
    if (common_.visible == on)
        return;
    common_.visible = on;
    changed(Property::Visible);
    if (!on)
        app().dropFocus(*this);
}

void Control::setTabStop(bool on) {
    if (common_.tabStop == on)
        return;
    common_.tabStop = on;
    changed(Property::TabStop);
}

void Control::setToolTip(std::string text) {
    if (common_.toolTip == text)
        return;
    common_.toolTip = std::move(text);
    changed(Property::ToolTip);
}

void Control::setAccessibleName(std::string name) {
    if (accessibleName_ == name)
        return;
    accessibleName_ = std::move(name);
    changed(Property::AccessibleName);
}

void Control::placeIn(Frame& frame) {
    container_ = &frame;
}

bool Control::isShowing() const {
    if (!form_.visible())
        return false;
    for (const Control* c = this; c != nullptr; c = c->container_)
        if (!c->common_.visible)
            return false;
    return true;
}

bool Control::isEnabledOnScreen() const {
    for (const Control* c = this; c != nullptr; c = c->container_)
        if (!c->common_.enabled)
            return false;
    return true;
}

bool Control::hasFocus() const {
    return app().focusOwner() == this;
}

void Control::setFocus() {
    if (!canTakeFocus())
        return;
    app().moveFocus(this);
}

void Control::restoreDesign() {
    const Common before = common_;
    common_ = commonDesign_;
    if (before.enabled != common_.enabled)
        changed(Property::Enabled);
    if (before.visible != common_.visible)
        changed(Property::Visible);
    if (before.tabStop != common_.tabStop)
        changed(Property::TabStop);
    if (before.toolTip != common_.toolTip)
        changed(Property::ToolTip);
}

} // namespace ui
