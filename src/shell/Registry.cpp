#include "shell/Registry.h"

#include "runtime/Text.h"
#include "runtime/TextFiles.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#endif

namespace shell {

namespace {

constexpr std::int32_t HKeyLocalMachine = static_cast<std::int32_t>(0x80000002u);
constexpr const char* ProductName = "Vextrel";
constexpr const char* SimulatorCompany = "Terminal Reality";
constexpr const char* SimulatorProduct = "Fly! II";

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

#ifdef _WIN32
// A text value of the 32-bit view, where the simulators' 32-bit installers
// write; reading asks for no more than reading, which any user may.
bool readRegistryText(std::int32_t rootKey, const std::string& keyPath, const std::string& name,
                      std::string& value) {
    HKEY key = nullptr;
    // NOLINTNEXTLINE(performance-no-int-to-ptr): root handles are small constants
    const HKEY root =
        reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<std::uint32_t>(rootKey)));
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS)
        return false;
    const char* valueName = name == "*" ? nullptr : name.c_str();
    DWORD type = 0;
    DWORD size = 0;
    bool found = false;
    if (RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::string buffer(size, '\0');
        DWORD length = size;
        if (RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                             &length) == ERROR_SUCCESS) {
            // Stored with or without its terminating zero.
            buffer.resize(std::min<std::size_t>(length, buffer.size()));
            value = buffer.substr(0, buffer.find('\0'));
            found = true;
        }
    }
    RegCloseKey(key);
    return found;
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
    std::string value;
#ifdef _WIN32
    if (readRegistryText(lngRootsKey, keyPath, Key, value))
        return value;
#endif
    // The folder chosen in the locator, where the registry holds none.
    const std::string simulatorKey =
        std::string("Software\\") + SimulatorCompany + "\\" + SimulatorProduct;
    if (lngRootsKey == HKeyLocalMachine && keyPath == simulatorKey && Key == "path" &&
        readLocatorFolder(programFolder_, value) && !value.empty())
        return value;
    return Default;
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
