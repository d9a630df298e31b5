#include "ui/ListControl.h"

#include "runtime/RuntimeError.h"

#include <algorithm>

namespace ui {

namespace {
constexpr int InvalidPropertyValue = 380;
}

std::string ListControl::List(int index) const {
    if (index < 0 || index >= ListCount())
        return {};
    return items_[static_cast<std::size_t>(index)];
}

void ListControl::setListIndex(int index) {
    if (index < std::min(firstIndex(), -1) || index >= ListCount())
        throw runtime::RuntimeError(InvalidPropertyValue, "Invalid property value");
    setListIndexQuietly(index);
}

void ListControl::setListIndexQuietly(int index) {
    if (listIndex_ == index)
        return;
    listIndex_ = index;
    changed(Property::ListIndex);
}

void ListControl::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    listIndex_ = -1;
    changed(Property::Items);
    changed(Property::ListIndex);
}

void ListControl::selectByUser(int index) {
    if (index < firstIndex() || index >= ListCount())
        return;
    setListIndexQuietly(index);
    if (Click)
        Click();
}

void ListControl::selectByKeys(int index) {
    if (!clickOnEnter_) {
        selectByUser(index);
        return;
    }
    if (index >= firstIndex() && index < ListCount())
        setListIndexQuietly(index);
}

void ListControl::enterByUser() {
    if (clickOnEnter_ && listIndex() >= firstIndex() && listIndex() < ListCount() && Click)
        Click();
}

void ListControl::doubleClickedByUser() {
    if (DblClick)
        DblClick();
}

void ListControl::saveDesign() {
    Control::saveDesign();
    designItems_ = items_;
    designListIndex_ = listIndex_;
}

void ListControl::restoreDesign() {
    Control::restoreDesign();
    items_ = designItems_;
    listIndex_ = designListIndex_;
    changed(Property::Items);
    changed(Property::ListIndex);
}

} // namespace ui
