#include "ui/FolderList.h"

#include "ui/FolderListing.h"

namespace ui {

void FolderList::setPath(const std::string& path) {
    const std::string folder = existingFolder(path);
    const bool differs = folder != path_;
    path_ = folder;
    list();
    changed(Property::Path);
    if (differs && Change)
        Change();
}

void FolderList::Refresh() {
    if (!path_.empty())
        list();
}

void FolderList::saveDesign() {
    ListControl::saveDesign();
    designPath_ = path_;
}

void FolderList::restoreDesign() {
    ListControl::restoreDesign();
    path_ = designPath_;
    changed(Property::Path);
}

} // namespace ui
