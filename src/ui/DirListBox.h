#pragma once

#include "ui/ListControl.h"

#include <string>

namespace ui {

// A folder and its subfolders. List(-1) is the folder itself, List(-2) its
// parent and so on up to the root; List(0) ... List(ListCount()-1) are the
// subfolders, sorted. listIndex -1 is the folder itself.
class DirListBox : public ListControl {
public:
    DirListBox(Form& form, std::string name) : ListControl(form, std::move(name)) {}
    const char* kind() const override { return "DirListBox"; }

    const std::string& path() const { return path_; }
    // Lists the folder; Change when the path differs. A missing folder is
    // error 76.
    void setPath(const std::string& path);
    // Lists the folder again.
    void Refresh();

    std::string List(int index) const override;
    int firstIndex() const override { return -static_cast<int>(ancestors_.size()); }
    // The folder's own name, or the root itself.
    std::string shownText(int index) const override;

    Event Change;

    // A double click opens the selected entry.
    void doubleClickedByUser() override;

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    void list();
    std::string path_;
    // The folder itself first, then its parents up to the root.
    std::vector<std::string> ancestors_;
    std::string designPath_;
};

} // namespace ui
