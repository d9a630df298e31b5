#include "shell/ProgramFolders.h"

#include "reference/NavaidTable.h"
#include "reference/UserFixFile.h"
#include "runtime/RuntimeError.h"
#include "runtime/TextFiles.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace shell {

namespace {

bool writableFolder(const std::filesystem::path& folder) {
#ifdef _WIN32
    return _waccess(folder.c_str(), 2) == 0;
#else
    return ::access(folder.c_str(), W_OK) == 0;
#endif
}

void makeFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        throw runtime::RuntimeError(runtime::PathFileAccessError, ec.message(), folder, 0);
}

} // namespace

ui::Folders chooseFolders(const std::filesystem::path& programFolder,
                          const InstalledFolders& installed) {
    if (runtime::fileExists(programFolder / reference::NavaidFileName) &&
        writableFolder(programFolder))
        return ui::Folders::portable(programFolder);
    return {programFolder, installed.reference, installed.settings, installed.userData};
}

void placeUserFiles(const ui::Folders& folders) {
    makeFolder(folders.settings);
    makeFolder(folders.userData);
    const auto own = folders.userData / reference::UserFixFileName;
    const auto bundled = folders.reference / reference::UserFixFileName;
    if (runtime::fileExists(own) || !runtime::fileExists(bundled))
        return;
    runtime::writeFileReplacing(own, runtime::readWholeFile(bundled));
}

} // namespace shell
