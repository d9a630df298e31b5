#include "shell/Registry.h"

#include "runtime/Text.h"
#include "runtime/TextFiles.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace shell {

namespace {

constexpr std::int32_t HKeyLocalMachine = static_cast<std::int32_t>(0x80000002u);
constexpr const char* ProductName = "Vextrel";
constexpr const char* SimulatorCompany = "Terminal Reality";
constexpr const char* SimulatorProduct = "Fly! II";

#ifndef _WIN32
// The first line of the locator's settings file, or nothing.
bool readLocatorFolder(const std::filesystem::path& programFolder, std::string& value) {
    try {
        runtime::LineReader reader = runtime::LineReader::open(programFolder / LocatorSettingsName);
        if (reader.atEnd())
            return false;
        value = reader.readLine();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
#endif

} // namespace

CRegistry_Manipulation::CRegistry_Manipulation(std::filesystem::path programFolder)
    : programFolder_(std::move(programFolder)), appName_(ProductName) {}

void CRegistry_Manipulation::setAppName(const std::string& name) {
    const std::string trimmed = runtime::trim(name);
    appName_ = trimmed.empty() ? ProductName : trimmed;
}

std::string CRegistry_Manipulation::BuildKeyPath(const std::string& section) const {
    std::string path = "Software\\" + appName_;
    if (!section.empty())
        path += "\\" + section;
    return path;
}

std::string CRegistry_Manipulation::GetKey(std::int32_t& lngRootsKey, const std::string& Section,
                                           const std::string& Key,
                                           const std::string& Default) const {
    if (lngRootsKey == 0)
        lngRootsKey = HKeyLocalMachine;
    const std::string keyPath = BuildKeyPath(Section);
#ifdef _WIN32
    HKEY key = nullptr;
    // NOLINTNEXTLINE(performance-no-int-to-ptr): root handles are small constants
    const HKEY root =
        reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<std::uint32_t>(lngRootsKey)));
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, 0xF003F, &key) != ERROR_SUCCESS)
        return Default;
    const char* valueName = Key == "*" ? nullptr : Key.c_str();
    DWORD type = 0;
    DWORD size = 0;
    std::string result = Default;
    if (RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        size > 0) {
        std::string buffer(size, ' ');
        DWORD length = size;
        if (RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                             &length) == ERROR_SUCCESS)
            result = buffer.substr(0, size - 1);
    }
    RegCloseKey(key);
    return result;
#else
    const std::string simulatorKey =
        std::string("Software\\") + SimulatorCompany + "\\" + SimulatorProduct;
    std::string value;
    if (lngRootsKey == HKeyLocalMachine && keyPath == simulatorKey && Key == "path" &&
        readLocatorFolder(programFolder_, value) && !value.empty())
        return value;
    return Default;
#endif
}

std::string ReadRegistryString(const std::filesystem::path& programFolder,
                               const std::string& application, const std::string& section,
                               const std::string& key, const std::string& defaultValue) {
    CRegistry_Manipulation registry(programFolder);
    registry.setAppName(application);
    std::int32_t root = 0;
    return registry.GetKey(root, section, key, defaultValue);
}

std::string ReadSimulatorFolder(const std::filesystem::path& programFolder) {
    return runtime::trim(
        ReadRegistryString(programFolder, SimulatorCompany, SimulatorProduct, "path", ""));
}

} // namespace shell
