#include "ui/ListBox.h"

#include "runtime/RuntimeError.h"

namespace ui {

namespace {
constexpr int InvalidProcedureCall = 5;
}

void ListBox::AddItem(std::string text, int index) {
    auto& items = mutableItems();
    if (index == -1)
        index = ListCount();
    if (index < 0 || index > ListCount())
        throw runtime::RuntimeError(InvalidProcedureCall, "Invalid procedure call");
    items.insert(items.begin() + index, std::move(text));
    changed(Property::Items);
    const int selected = listIndex();
    if (selected >= index)
        setListIndexQuietly(selected + 1);
    else
        changed(Property::ListIndex);
}

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount())
        throw runtime::RuntimeError(InvalidProcedureCall, "Invalid procedure call");
    auto& items = mutableItems();
    items.erase(items.begin() + index);
    changed(Property::Items);
    const int selected = listIndex();
    if (selected == index)
        setListIndexQuietly(-1);
    else if (selected > index)
        setListIndexQuietly(selected - 1);
    else
        changed(Property::ListIndex);
}

void ListBox::Clear() {
    setItems({});
}

void ListBox::setList(int index, std::string text) {
    if (index < 0 || index >= ListCount())
        throw runtime::RuntimeError(InvalidProcedureCall, "Invalid procedure call");
    mutableItems()[static_cast<std::size_t>(index)] = std::move(text);
    changed(Property::Items);
    changed(Property::ListIndex);
}

} // namespace ui
