#pragma once

#include "support/TestApp.h"
#include "ui/Forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A small screen whose handlers write what ran into a log, so tests can
// check the order of events.
class TestScreen : public ui::Form {
public:
    explicit TestScreen(ui::App& app, std::string name = "TestScreen")
        : Form(app, std::move(name)) {
        setCaption("Test Screen");
        NorthOption.placeIn(HemFrame);
        SouthOption.placeIn(HemFrame);
        IdentText.setMaxLength(4);
        OkCommand.setCaption("OK");
        NorthOption.setValue(true);

        wire(IdentText);
        wire(NameText);
        wire(OtherText);
        OkCommand.Click = [this] { log.push_back("OkCommand_Click"); };
        // Values as the handler sees them: set before Click runs.
        SouthOption.Click = [this] {
            log.push_back(std::string("SouthOption_Click, North ") +
                          (NorthOption.value() ? "on" : "off"));
        };
        FloatCheck.Click = [this] {
            log.push_back("FloatCheck_Click " + std::to_string(FloatCheck.value()));
        };
        WaypointList.Click = [this] {
            log.push_back("WaypointList_Click " + std::to_string(WaypointList.listIndex()));
        };
        WaypointList.DblClick = [this] { log.push_back("WaypointList_DblClick"); };
    }

    void wire(ui::TextBox& box) {
        box.Change = [this, &box] { log.push_back(box.name() + "_Change " + box.text()); };
        box.LostFocus = [this, &box] {
            const auto* owner = app().focusOwner();
            log.push_back(box.name() + "_LostFocus, focus in " + (owner ? owner->name() : "none"));
            if (refuse == &box) {
                box.selectAll();
                box.setFocus();
            }
        };
        box.KeyPress = [this, &box](int& key) {
            log.push_back(box.name() + "_KeyPress " + std::to_string(key));
            if (upperCase && key >= 'a' && key <= 'z')
                key = key - 'a' + 'A';
            if (key == swallow)
                key = 0;
        };
        box.DblClick = [this, &box] { log.push_back(box.name() + "_DblClick"); };
    }

    void Form_Load() override { log.push_back("Form_Load"); }
    void Form_Unload() override {
        log.push_back("Form_Unload");
        if (unloadAgain)
            unload();
    }

    ui::TextBox IdentText{*this, "IdentText"};
    ui::TextBox NameText{*this, "NameText"};
    ui::CommandButton OkCommand{*this, "OkCommand"};
    ui::Frame HemFrame{*this, "HemFrame"};
    ui::OptionButton NorthOption{*this, "NorthOption"};
    ui::OptionButton SouthOption{*this, "SouthOption"};
    ui::CheckBox FloatCheck{*this, "FloatCheck"};
    ui::ListBox WaypointList{*this, "WaypointList"};
    ui::TextBox OtherText{*this, "OtherText"};

    std::vector<std::string> log;
    // The box whose LostFocus refuses: selects its text, takes the focus back.
    ui::TextBox* refuse = nullptr;
    bool upperCase = false;
    int swallow = -1;
    bool unloadAgain = false;
};

// The screen started, its focus in IdentText, its log empty.
struct ScreenTest : testing::Test {
    ScreenTest() {
        h.user.start(screen);
        screen.log.clear();
    }
    support::TestApp h;
    TestScreen screen{h.app};
};
