#pragma once

#include "ui/Forms.h"

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
        NorthOption.setCaption("N");
        NorthOption.setValue(true);
        SouthOption.setCaption("S");
        FloatCheck.setCaption("Floating");
        NoteLabel.setCaption("Ident");

        wire(IdentText);
        wire(NameText);
        wire(OtherText);
        OkCommand.Click = [this] { log.push_back("OkCommand_Click"); };
        NorthOption.Click = [this] { log.push_back("NorthOption_Click"); };
        SouthOption.Click = [this] { log.push_back("SouthOption_Click"); };
        FloatCheck.Click = [this] { log.push_back("FloatCheck_Click"); };
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
    void Form_Unload() override { log.push_back("Form_Unload"); }

    ui::Label NoteLabel{*this, "NoteLabel"};
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
};
