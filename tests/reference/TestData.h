#pragma once

#include "reference/SingleField.h"
#include "runtime/RuntimeError.h"

#include <filesystem>
#include <string>

namespace testdata {

inline std::filesystem::path bundled(const std::string& name) {
    return std::filesystem::path(VEXTREL_DATA_DIR) / "reference" / name;
}

// The runtime error number `action` throws, or 0.
template <class Action> int errorOf(Action action) {
    try {
        action();
    } catch (const runtime::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace testdata
