#include "ui/DirListBox.h"

#include "ui/FolderListing.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace ui {

void DirListBox::list() {
    ancestors_.clear();
    for (fs::path p(path());; p = p.parent_path()) {
        ancestors_.push_back(p.string());
        if (p == p.parent_path() || !p.has_relative_path())
            break;
    }
    setItems(folderEntries(path(), true));
}

std::string DirListBox::List(int index) const {
    if (index < 0) {
        const auto up = static_cast<std::size_t>(-index - 1);
        return up < ancestors_.size() ? ancestors_[up] : std::string{};
    }
    if (index >= ListCount())
        return {};
    return (fs::path(path()) / items()[static_cast<std::size_t>(index)]).string();
}

std::string DirListBox::shownText(int index) const {
    const std::string full = List(index);
    const fs::path p(full);
    return p.has_relative_path() ? p.filename().string() : full;
}

void DirListBox::doubleClickedByUser() {
    const std::string target = List(listIndex());
    if (!target.empty())
        setPath(target);
}

void DirListBox::restoreDesign() {
    FolderList::restoreDesign();
    ancestors_.clear();
    Refresh();
}

} // namespace ui
