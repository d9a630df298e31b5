#pragma once

#include "reference/NavaidTable.h"
#include "runtime/RuntimeError.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace testdata {

inline std::filesystem::path bundled(const std::string& name) {
    return std::filesystem::path(VEXTREL_DATA_DIR) / "reference" / name;
}

// The bundled navaid file, loaded once for the whole program.
inline const reference::NavaidTable& bundledNavaids() {
    static const reference::NavaidTable table =
        reference::loadNavaids(bundled("AllFlyNavaids.txt"));
    return table;
}

// The runtime error number `action` throws, or 0.
inline int errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const runtime::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("vextrel-reference-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace testdata
