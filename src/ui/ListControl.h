#pragma once

#include "ui/Control.h"

#include <string>
#include <vector>

namespace ui {

// What the list boxes share: entries, the selected index, Click and
// DblClick. Index -1 is "nothing selected" (for the folder list: the
// current folder).
class ListControl : public Control {
public:
    using Control::Control;
    bool focusable() const override { return true; }

    int ListCount() const { return static_cast<int>(items_.size()); }
    // The entry's text; "" for an index with no entry.
    virtual std::string List(int index) const;

    int listIndex() const { return listIndex_; }
    // No event (rule 5). An index with no entry is error 380.
    void setListIndex(int index);

    // The entries as shown, top to bottom, are firstIndex() ... ListCount()-1.
    virtual int firstIndex() const { return 0; }
    virtual std::string shownText(int index) const { return List(index); }

    Event Click;
    Event DblClick;

    // A list whose Click does more than show the entry (opens a file) is
    // walked with the arrow keys without it; Enter gives the Click then.
    // Set at design time.
    bool clickOnEnter() const { return clickOnEnter_; }
    void setClickOnEnter(bool on) { clickOnEnter_ = on; }

    // A user's click on an entry that got the focus: select it, then Click.
    virtual void selectByUser(int index);
    // The arrow keys moved the selection to `index`.
    void selectByKeys(int index);
    // Enter on the list.
    void enterByUser();
    // A user's double click, after the click on the entry.
    void doubleClickedByUser() override;

protected:
    const std::vector<std::string>& items() const { return items_; }
    std::vector<std::string>& mutableItems() { return items_; }
    // Replaces every entry; nothing stays selected.
    void setItems(std::vector<std::string> items);
    void setListIndexQuietly(int index);
    void saveDesign() override;
    void restoreDesign() override;

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::vector<std::string> designItems_;
    int designListIndex_ = -1;
    bool clickOnEnter_ = false;
};

} // namespace ui
