#pragma once

#include "ui/Control.h"

#include <string>
#include <vector>

namespace ui {

// The drives of the machine: drive letters on Windows, the one root "/"
// elsewhere.
class DriveListBox : public Control {
public:
    DriveListBox(Form& form, std::string name);
    const char* kind() const override { return "DriveListBox"; }
    bool focusable() const override { return true; }

    // The drive's root path ("C:\" or "/").
    const std::string& drive() const { return drive_; }
    // Takes the drive of any path ("c:\fly2\pmdg", "C:", "/home/x");
    // Change when it differs. A drive not in the list is error 68.
    void setDrive(const std::string& path);

    int ListCount() const { return static_cast<int>(drives_.size()); }
    std::string List(int index) const;

    Event Change;

protected:
    void saveDesign() override {
        Control::saveDesign();
        designDrive_ = drive_;
    }
    void restoreDesign() override;

private:
    std::vector<std::string> drives_;
    std::string drive_;
    std::string designDrive_;
};

} // namespace ui
