#pragma once

#include "ui/FolderList.h"

#include <string>

namespace ui {

// A folder and its subfolders. List(-1) is the folder itself, List(-2) its
// parent and so on up to the root; List(0) ... List(ListCount()-1) are the
// subfolders, sorted. listIndex -1 is the folder itself.
class DirListBox : public FolderList {
public:
    DirListBox(Form& form, std::string name) : FolderList(form, std::move(name)) {}
    const char* kind() const override { return "DirListBox"; }

    std::string List(int index) const override;
    int firstIndex() const override { return -static_cast<int>(ancestors_.size()); }
    // The folder's own name, or the root itself.
    std::string shownText(int index) const override;

    // A double click opens the selected entry.
    void doubleClickedByUser() override;

protected:
    void list() override;
    void restoreDesign() override;

private:
    // The folder itself first, then its parents up to the root.
    std::vector<std::string> ancestors_;
};

} // namespace ui
