// Leaving without saving: "No Changes Just Exit" and the close box ask
// before throwing work away, and only when there is work to lose.
#include "EditorScreen.h"

#include <functional>

namespace editortest {
namespace {

using User = support::ScriptedUser;
using Editor = editor::ModifyProcedure;

struct Leaving {
    const char* name;
    shell::EditMode mode;
    // Made through the screen, as a user makes it.
    std::function<void(User&, Editor&)> edit;
    const char* question; // "" when nothing changed
};

std::ostream& operator<<(std::ostream& out, const Leaving& c) {
    return out << c.name;
}

class LeavingEditor : public EditorScreen, public ::testing::WithParamInterface<Leaving> {
protected:
    void open(shell::EditMode mode) {
        if (shell::isModify(mode))
            openModify(mode, sampleKSEA());
        else
            openCreate(mode);
    }
    void leave(bool closeBox) {
        if (closeBox)
            user.close(*ed);
        else
            user.click(ed->OopsCommand);
    }
};

void nothing(User&, Editor&) {}
void addNavaid(User& user, Editor& ed) {
    user.typeInto(ed.AddNavText, "OLM");
    user.click(ed.AddWaypointCommand);
}
void typeRunway(User& user, Editor& ed) {
    user.typeInto(ed.RwText4, "34L");
}
void typeAndClearRunway(User& user, Editor& ed) {
    user.typeInto(ed.RwText4, "34L");
    user.typeInto(ed.RwText4, "\b\b\b");
}
void moveDownAndUp(User& user, Editor& ed) {
    user.select(ed.WaypointList, 0);
    user.click(ed.MoveDown);
    user.click(ed.MoveUp);
}
void nameProcedure(User& user, Editor& ed) {
    user.typeInto(ed.ProcedureNameText, "DEP1");
}
// Left in its box: leaving never runs the box's check.
void typeBadFixName(User& user, Editor& ed) {
    user.typeInto(ed.FixNameText, "A B");
}
void viewNext(User& user, Editor& ed) {
    user.click(ed.NextProcedureCommand);
}

// Each case left by both ways: No stays with the work, Yes leaves as before.
TEST_P(LeavingEditor, AsksOnlyWhenSomethingChanged) {
    const Leaving& c = GetParam();
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "No Changes Just Exit");
        open(c.mode);
        c.edit(user, *ed);
        const auto shown = lines();
        if (*c.question) {
            expectQuestion(c.question, ui::answers::No, ui::Icon::None, ui::DefaultButton::Second);
            leave(closeBox);
            EXPECT_TRUE(ed->visible());
            EXPECT_EQ(lines(), shown);
            expectQuestion(c.question, ui::answers::Yes, ui::Icon::None, ui::DefaultButton::Second);
        }
        leave(closeBox);
        EXPECT_FALSE(ed->isLoaded());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeavingEditor,
    ::testing::Values(
        Leaving{"UnchangedSIDs", ModifySIDs, nothing, ""},
        Leaving{"ViewingIsNoChange", ModifySIDs, viewNext, ""},
        Leaving{"AddedSTARWaypoint", ModifySTARs, addNavaid,
                "Discard the changes to KSEA's STARs?"},
        Leaving{"TypedRunway", ModifySIDs, typeRunway, "Discard the changes to KSEA's SIDs?"},
        Leaving{"RunwayTypedAndClearedAgain", ModifySIDs, typeAndClearRunway, ""},
        Leaving{"MovedDownAndUpAgain", ModifySTARs, moveDownAndUp, ""},
        Leaving{"NewAirportUntouched", CreateSIDs, nothing, ""},
        Leaving{"BadFixNameLeftInItsBox", ModifySTARs, typeBadFixName, ""},
        Leaving{"NewSIDNamed", CreateSIDs, nameProcedure, "Discard the changes to KSEA's SIDs?"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace editortest
