#pragma once

#include "ui/ListControl.h"

#include <string>

namespace ui {

class ListBox : public ListControl {
public:
    ListBox(Form& form, std::string name) : ListControl(form, std::move(name)) {}
    const char* kind() const override { return "ListBox"; }

    // Inserts at index, or appends for -1. The selected entry stays
    // selected. An index past the end is error 5.
    void AddItem(std::string text, int index = -1);
    // Removing the selected entry leaves nothing selected. No entry at the
    // index is error 5.
    void RemoveItem(int index);
    void Clear();
    // Replaces the text of an existing entry.
    void setList(int index, std::string text);
};

} // namespace ui
