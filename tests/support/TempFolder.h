#pragma once

#include <filesystem>
#include <string>

namespace support {

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes a file below the folder (bytes as given), making its folders.
    std::filesystem::path write(const std::filesystem::path& relative,
                                const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

} // namespace support
