#pragma once

#include "ui/ListControl.h"

#include <string>

namespace ui {

// A list that shows what is in one folder of the disk: the folder lists and
// the file lists.
class FolderList : public ListControl {
public:
    using ListControl::ListControl;

    const std::string& path() const { return path_; }
    // Lists the folder; Change when the path differs. A missing folder is
    // error 76.
    void setPath(const std::string& path);
    // Reads the folder again.
    void Refresh();

    Event Change;

protected:
    // Fills the entries from the folder at path().
    virtual void list() = 0;
    void saveDesign() override;
    // Puts the design path back without firing Change; the caller lists.
    void restoreDesign() override;

private:
    std::string path_;
    std::string designPath_;
};

} // namespace ui
