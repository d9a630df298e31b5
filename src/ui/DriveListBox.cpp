#include "ui/DriveListBox.h"

#include "runtime/RuntimeError.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace ui {

namespace {

constexpr int DeviceUnavailable = 68;

std::vector<std::string> machineDrives() {
#ifdef _WIN32
    std::vector<std::string> drives;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::string root{letter, ':', '\\'};
        std::error_code ec;
        if (std::filesystem::exists(std::filesystem::path(root), ec))
            drives.push_back(root);
    }
    return drives;
#else
    return {"/"};
#endif
}

// The root of the drive a path names, or "" when it names none.
std::string driveOf(const std::string& path) {
#ifdef _WIN32
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0])))
        return {static_cast<char>(std::toupper(static_cast<unsigned char>(path[0]))), ':', '\\'};
    return {};
#else
    return (!path.empty() && path.front() == '/') ? "/" : "";
#endif
}

} // namespace

DriveListBox::DriveListBox(Form& form, std::string name)
    : Control(form, std::move(name)), drives_(machineDrives()) {
    for (const std::string& d : drives_)
        if (d == "C:\\")
            drive_ = d;
    if (drive_.empty() && !drives_.empty())
        drive_ = drives_.front();
    designDrive_ = drive_;
}

std::string DriveListBox::List(int index) const {
    if (index < 0 || index >= ListCount())
        return {};
    return drives_[static_cast<std::size_t>(index)];
}

void DriveListBox::setDrive(const std::string& path) {
    const std::string root = driveOf(path);
    bool known = false;
    for (const std::string& d : drives_)
        known = known || d == root;
    if (!known)
        throw runtime::RuntimeError(DeviceUnavailable, "Device unavailable: " + path);
    if (root == drive_)
        return;
    drive_ = root;
    changed(Property::Drive);
    if (Change)
        Change();
}

void DriveListBox::restoreDesign() {
    Control::restoreDesign();
    if (drive_ != designDrive_) {
        drive_ = designDrive_;
        changed(Property::Drive);
    }
}

} // namespace ui
