#pragma once

#include "ui/FolderList.h"

#include <string>

namespace ui {

// The files of one folder whose names match a pattern, read from the disk.
// Patterns are Windows-like: "*" any run, "?" one character, ";" separates
// alternatives, "*.*" is everything, and letters match case-insensitively
// unless setCaseSensitive(true). Hidden files (leading ".") are left out.
// Entries are sorted case-insensitively, ties by bytes.
class FileListBox : public FolderList {
public:
    FileListBox(Form& form, std::string name) : FolderList(form, std::move(name)) {}
    const char* kind() const override { return "FileListBox"; }

    // Change when the pattern changed.
    const std::string& pattern() const { return pattern_; }
    void setPattern(const std::string& pattern);
    bool caseSensitive() const { return caseSensitive_; }
    void setCaseSensitive(bool on);
    // The selected file's name, "" with none selected.
    std::string FileName() const { return List(listIndex()); }

protected:
    void list() override;
    void saveDesign() override;
    void restoreDesign() override;

private:
    std::string pattern_ = "*.*";
    bool caseSensitive_ = false;
    std::string designPattern_ = "*.*";
};

// The pattern matching of FileListBox, on one name.
bool matchesFilePattern(const std::string& name, const std::string& pattern, bool caseSensitive);

} // namespace ui
