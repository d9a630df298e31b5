#include "ui/DirListBox.h"

#include "ui/FolderListing.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace ui {

void DirListBox::setPath(const std::string& path) {
    const std::string folder = existingFolder(path);
    const bool differs = folder != path_;
    path_ = folder;
    list();
    changed(Property::Path);
    if (differs && Change)
        Change();
}

void DirListBox::Refresh() {
    if (!path_.empty())
        list();
}

void DirListBox::list() {
    ancestors_.clear();
    for (fs::path p(path_);; p = p.parent_path()) {
        ancestors_.push_back(p.string());
        if (p == p.parent_path() || !p.has_relative_path())
            break;
    }
    setItems(folderEntries(path_, true));
}

std::string DirListBox::List(int index) const {
    if (index < 0) {
        const auto up = static_cast<std::size_t>(-index - 1);
        return up < ancestors_.size() ? ancestors_[up] : std::string{};
    }
    if (index >= ListCount())
        return {};
    return (fs::path(path_) / items()[static_cast<std::size_t>(index)]).string();
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

void DirListBox::saveDesign() {
    ListControl::saveDesign();
    designPath_ = path_;
}

void DirListBox::restoreDesign() {
    ListControl::restoreDesign();
    path_ = designPath_;
    ancestors_.clear();
    if (!path_.empty())
        list();
    changed(Property::Path);
}

} // namespace ui
