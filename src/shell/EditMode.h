#pragma once

namespace shell {

// What the main menu opened the procedure editor for.
enum class EditMode { CreateSIDs, ModifySIDs, CreateSTARs, ModifySTARs };

constexpr bool isSTARMode(EditMode mode) {
    return mode == EditMode::CreateSTARs || mode == EditMode::ModifySTARs;
}

constexpr bool isModify(EditMode mode) {
    return mode == EditMode::ModifySIDs || mode == EditMode::ModifySTARs;
}

} // namespace shell
