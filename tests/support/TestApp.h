#pragma once

#include "ScriptedMessages.h"
#include "ScriptedUser.h"
#include "TempFolder.h"

#include "ui/App.h"

#include <string>

namespace support {

// An application for one screen test: scripted messages, a scripted user,
// a temporary program folder and a clock that always says the same date.
struct TestApp {
    TestApp() {
        app.setProgramFolder(programFolder.path());
        app.setClock([this] { return today; });
    }

    std::string today = "12/6/2026";
    TempFolder programFolder;
    ScriptedMessages messages;
    ui::App app{messages};
    ScriptedUser user{app};
};

} // namespace support
