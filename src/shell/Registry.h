#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace shell {

// Reads text values below HKEY_LOCAL_MACHINE\Software\<AppName>: on Windows
// from the registry. Where the registry holds no simulator folder (and away
// from Windows, where there is none), the simulator key's "path" value is the
// first line of the folder locator's settings file in the program folder, so
// a folder chosen once is found at the next start; every other value is the
// default.
class CRegistry_Manipulation {
public:
    explicit CRegistry_Manipulation(std::filesystem::path programFolder);

    const std::string& AppName() const { return appName_; }
    // Stored without surrounding spaces; empty stores the product name.
    void setAppName(const std::string& name);

    // Key "*" reads the key's unnamed default value. A root of 0 becomes
    // HKEY_LOCAL_MACHINE and is handed back. Default on any failure.
    std::string GetKey(std::int32_t& lngRootsKey, const std::string& Section,
                       const std::string& Key, const std::string& Default) const;

private:
    std::string BuildKeyPath(const std::string& section) const;
    std::filesystem::path programFolder_;
    std::string appName_;
};

std::string ReadRegistryString(const std::filesystem::path& programFolder,
                               const std::string& application, const std::string& section,
                               const std::string& key, const std::string& defaultValue);

// The simulator's folder as its key records it, without surrounding spaces.
std::string ReadSimulatorFolder(const std::filesystem::path& programFolder);

inline constexpr const char* LocatorSettingsName = "Flenmar.INI";

} // namespace shell
