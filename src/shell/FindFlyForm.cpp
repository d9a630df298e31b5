#include "shell/FindFlyForm.h"

#include "runtime/RuntimeError.h"
#include "runtime/Text.h"
#include "runtime/TextFiles.h"
#include "shell/InitialLoad.h"
#include "shell/Registry.h"
#include "shell/Settings.h"

#include <cstdlib>

namespace shell {

namespace {

// Where the folder list starts when nothing better is known.
std::string startFolder(const std::string& known) {
    std::error_code ec;
    if (!known.empty() && std::filesystem::is_directory(known, ec))
        return known;
    const char* home = std::getenv("HOME");
    if (home && std::filesystem::is_directory(home, ec))
        return home;
    return std::filesystem::current_path(ec).string();
}

} // namespace

FindFlyForm::FindFlyForm(ui::App& app, Module1& module) : ui::Form(app, "FindFlyForm"), m(module) {
    setCaption("Find Fly II");
    FindDoneCommand.setCaption("Done");
    Drive1.setAccessibleName("Drive");
    Dir1.setAccessibleName("Folder");
    Drive1.Change = [this] {
        try {
            Dir1.setPath(Drive1.drive());
        } catch (const runtime::RuntimeError&) {
            // A drive that cannot be read leaves the folder list where it is.
        }
    };
    Dir1.Change = [this] { chosenFolder() = Dir1.path(); };
    Dir1.Click = [this] { Dir1_Click(); };
    FindDoneCommand.Click = [this] { FindDoneCommand_Click(); };
    setTabOrder({&Drive1, &Dir1, &FindDoneCommand});
}

void FindFlyForm::Form_Load() {
    done_ = false;
    std::string value;
    // The window is titled as its frame.
    const char* title = locatingSimulator() ? "Find Fly II" : "Find PIC Data";
    Frame1.setCaption(title);
    setCaption(title);
    if (locatingSimulator()) {
        Label1.setCaption("I could not find your Fly II. Please locate the program.   Click Done "
                          "after you've clicked on your Fly II folder.");
        m.FlyFolder = ReadSimulatorFolder(app().folders().settings);
        value = m.FlyFolder;
    } else {
        Label1.setCaption("I could not find your PIC data. Please locate the data.   Click Done "
                          "after you've clicked on PIC data folder.");
        otherFolder_ = runtime::trim(
            ReadRegistryString(app().folders().settings,
                               "Microsoft\\Microsoft Games\\Flight Simulator", "7.0", "path", ""));
        value = otherFolder_;
    }
    try {
        if (!value.empty())
            Drive1.setDrive(value.substr(0, 3));
        // Opening the known folder itself saves the user the walk to it.
        Dir1.setPath(startFolder(value));
    } catch (const runtime::RuntimeError&) {
        // An unknown drive or folder leaves the lists where they start.
    }
    // Done without a click takes the folder the list shows, never an empty one.
    if (!Dir1.path().empty())
        chosenFolder() = Dir1.path();
}

void FindFlyForm::Dir1_Click() {
    const int index = Dir1.listIndex();
    const std::string clicked = Dir1.List(index);
    if (clicked != Dir1.path())
        chosenFolder() = clicked;
}

void FindFlyForm::FindDoneCommand_Click() {
    m.SettingsPath = app().folders().settings / LocatorSettingsName;
    try {
        runtime::LineWriter out;
        out.print(storedFolder(m.FlyFolder));
        out.saveTo(m.SettingsPath);
    } catch (const runtime::RuntimeError& e) {
        MsgBox("I could not write the settings file " + m.SettingsPath.string() + " (error " +
               std::to_string(e.number()) + ").");
    }
    // Start-up skipped the reference files to come here; read them now.
    if (m.LocatorMode == "F" && m.NavaidTable.size() == 0)
        loadReferenceFilesOrEnd(*this, m);
    done_ = true;
    app().show("InitialLoad");
    unload();
}

void FindFlyForm::Form_Unload() {
    // Closing the window without Done must not leave the program running
    // with no window: the main menu comes back, nothing is written.
    if (!done_)
        app().show("InitialLoad");
}

} // namespace shell
