#include "ui/FileListBox.h"

#include "ui/FolderListing.h"

#include <cctype>
#include <string_view>

namespace ui {

namespace {

bool sameChar(char a, char b, bool caseSensitive) {
    if (caseSensitive)
        return a == b;
    return std::toupper(static_cast<unsigned char>(a)) ==
           std::toupper(static_cast<unsigned char>(b));
}

// Iterative wildcard match with backtracking to the last "*": linear-ish,
// no recursion, so long names and many stars stay cheap.
bool wildcard(std::string_view name, std::string_view pattern, bool caseSensitive) {
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || sameChar(pattern[p], name[n], caseSensitive))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool matchesFilePattern(const std::string& name, const std::string& pattern, bool caseSensitive) {
    std::string_view rest(pattern);
    while (true) {
        const std::size_t semi = rest.find(';');
        std::string_view one = rest.substr(0, semi);
        while (!one.empty() && one.front() == ' ')
            one.remove_prefix(1);
        while (!one.empty() && one.back() == ' ')
            one.remove_suffix(1);
        // "*.*" also lists names without a dot, as on Windows.
        if (one == "*.*")
            one = "*";
        if (!one.empty() && wildcard(name, one, caseSensitive))
            return true;
        if (semi == std::string_view::npos)
            return false;
        rest.remove_prefix(semi + 1);
    }
}

void FileListBox::setPattern(const std::string& pattern) {
    const bool differs = pattern != pattern_;
    pattern_ = pattern;
    changed(Property::Pattern);
    Refresh();
    if (differs && Change)
        Change();
}

void FileListBox::setCaseSensitive(bool on) {
    caseSensitive_ = on;
    Refresh();
}

void FileListBox::list() {
    std::vector<std::string> shown;
    for (std::string& name : folderEntries(path(), false))
        if (matchesFilePattern(name, pattern_, caseSensitive_))
            shown.push_back(std::move(name));
    setItems(std::move(shown));
}

void FileListBox::saveDesign() {
    FolderList::saveDesign();
    designPattern_ = pattern_;
}

void FileListBox::restoreDesign() {
    FolderList::restoreDesign();
    pattern_ = designPattern_;
    changed(Property::Pattern);
    Refresh();
}

} // namespace ui
