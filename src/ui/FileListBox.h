#pragma once

#include "ui/ListControl.h"

#include <string>

namespace ui {

// The files of one folder whose names match a pattern, read from the disk.
// Patterns are Windows-like: "*" any run, "?" one character, ";" separates
// alternatives, "*.*" is everything, and letters match case-insensitively
// unless setCaseSensitive(true). Hidden files (leading ".") are left out.
// Entries are sorted case-insensitively, ties by bytes.
class FileListBox : public ListControl {
public:
    FileListBox(Form& form, std::string name) : ListControl(form, std::move(name)) {}
    const char* kind() const override { return "FileListBox"; }

    const std::string& path() const { return path_; }
    // A missing folder is error 76. Change when path or pattern changed.
    void setPath(const std::string& path);
    const std::string& pattern() const { return pattern_; }
    void setPattern(const std::string& pattern);
    bool caseSensitive() const { return caseSensitive_; }
    void setCaseSensitive(bool on);
    // Reads the folder again.
    void Refresh();

    // The selected file's name, "" with none selected.
    std::string FileName() const { return List(listIndex()); }

    Event Change;

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    void list();
    std::string path_;
    std::string pattern_ = "*.*";
    bool caseSensitive_ = false;
    std::string designPath_;
    std::string designPattern_ = "*.*";
};

// The pattern matching of FileListBox, on one name.
bool matchesFilePattern(const std::string& name, const std::string& pattern, bool caseSensitive);

} // namespace ui
