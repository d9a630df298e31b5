#include "ui/FolderListing.h"

#include "runtime/RuntimeError.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace ui {

namespace {

unsigned char folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

bool lessForListing(const std::string& a, const std::string& b) {
    const bool less =
        std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                     [](char x, char y) { return folded(x) < folded(y); });
    const bool greater =
        std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                     [](char x, char y) { return folded(x) < folded(y); });
    if (less || greater)
        return less;
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

} // namespace

std::string existingFolder(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !fs::is_directory(fs::path(path), ec))
        throw runtime::RuntimeError(runtime::PathNotFound, "Path not found: " + path);
    fs::path p = fs::absolute(fs::path(path), ec).lexically_normal();
    if (p.has_relative_path() && !p.has_filename())
        p = p.parent_path();
    return p.string();
}

std::vector<std::string> folderEntries(const std::string& folder, bool folders) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(fs::path(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.')
            continue;
        std::error_code typeError;
        const bool isFolder = it->is_directory(typeError);
        if (typeError)
            continue;
        if (folders ? isFolder : (!isFolder && it->is_regular_file(typeError) && !typeError))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), lessForListing);
    return names;
}

} // namespace ui
