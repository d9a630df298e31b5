#include "TransitionScreen.h"

namespace {

using namespace transitionstest;

// KSEA's runway 16L on screen: ANVIL 6000, ATOME 5000, COYLA 4000, CF16L 2000
// in rows 1-4; its second feeder in rows 5-9; runway 34R in rows 10-12.
class Waypoints : public TransitionScreen {
protected:
    void SetUp() override {
        loadKSEA();
        open("16L");
    }
    store::FixRecord workFix(const std::string& name) const {
        for (const store::FixRecord& fix : workFixes())
            if (fix.Name == name)
                return fix;
        return {};
    }
};

TEST_F(Waypoints, RefusedInputSaysWhyKeepsTheFocusThereAndChangesNothing) {
    ui::TextBox &nav = form.RWAddNavText, &fix = form.RWFixNameText, &alt = form.RWAlt1Text;
    ui::TextBox& latD = form.RWDDMLatText;
    struct Case {
        std::vector<std::pair<ui::TextBox*, const char*>> typed;
        std::string message;
        ui::TextBox* focus;
    };
    const std::vector<Case> cases = {
        {{}, "You must supply a Fix or Navaid name.", &nav},
        {{{&nav, "SEA"}, {&fix, "NEWFX"}},
         "You can only have either a Fix or a Navaid name but not both.",
         &nav},
        {{{&alt, "12A"}}, "Enter only numbers please.", &alt},
    };
    for (const Case& c : cases) {
        for (const auto& [box, text] : c.typed)
            user.typeInto(*box, text);
        messages.expectNotice(c.message);
        user.click(form.AddRWWaypointCommand);
        messages.verify();
        EXPECT_TRUE(c.focus->hasFocus()) << c.message;
        // A box refused on leaving it gets its whole text selected.
        if (!c.typed.empty() && c.typed.back().first == c.focus) {
            EXPECT_EQ(c.focus->selLength(), static_cast<int>(c.focus->text().size()));
        }
        EXPECT_EQ(m->WorkRunwayCount + m->WorkFixCount, 12 + 13);
        c.focus->setText("");
        user.click(form.ClearRWDataCommand);
    }
    // Latitude degrees are checked while typing.
    messages.expectNotice(
        "There are no Latitude values greater than 90.\r\n                       Please correct.");
    user.typeInto(latD, "91");
    messages.verify();
    user.pressKey('4');
    EXPECT_EQ(latD.text(), "4");
    user.click(form.ClearRWDataCommand);

    // An unknown navaid becomes the name of a new fix.
    messages.expectNotice("The Navaid ZZQX is not in the Fly2 or user database.\r\n"
                          "You will have to create a user defined fix.");
    user.typeInto(nav, "zzqx");
    user.click(form.AddRWWaypointCommand);
    EXPECT_EQ(fix.text() + nav.text(), "ZZQX");
    EXPECT_TRUE(latD.hasFocus());
    EXPECT_EQ(m->WorkRunwayCount, 12);
}

TEST_F(Waypoints, ANavaidGoesToTheEndOfTheFeederAndTheSelectedEntryIsTheOneDeleted) {
    addNavaid("sea", "3000");
    addNavaid("SEA", "0");
    EXPECT_EQ(entries(),
              (std::vector<std::string>{"ANVIL", "ATOME", "COYLA", "CF16L", "SEA", "SEA"}));
    EXPECT_EQ(form.RWAddNavText.text() + form.RWAlt1Text.text(), "");
    user.select(form.RWWaypointList, 5);
    EXPECT_EQ(form.RWAlt1Text.text(), ""); // altitude "0" shows as none
    user.click(form.DeleteRWWaypointCommand);
    EXPECT_EQ(entries().size(), 5u);
    user.select(form.RWWaypointList, 4);
    EXPECT_EQ(form.RWAlt1Text.text(), "3000");

    // Nothing selected: the list of another feeder was shown meanwhile.
    user.select(form.RWWaypointList, 0);
    user.click(form.ViewNextFeederCommand);
    messages.expectNotice("There is no waypoint selected.");
    user.click(form.DeleteRWWaypointCommand);
}

TEST_F(Waypoints, AddWithAnEntrySelectedOnlyAsks) {
    user.select(form.RWWaypointList, 1);
    for (int reply : {ui::answers::No, ui::answers::Yes}) {
        messages.expect("You have a current waypoint already selected.\r\n"
                        "Do you really want to Add a new waypoint?\r\n"
                        "If yes, the current values will be cleared.",
                        ui::Buttons::YesNo, ui::Icon::Critical, ui::DefaultButton::Second,
                        ui::ProgramTitle, reply);
        user.click(form.AddRWWaypointCommand);
        EXPECT_EQ(m->WorkRunwayCount, 12);
        EXPECT_EQ(form.RWFixNameText.text(), reply == ui::answers::No ? "ATOME" : "");
    }
}

TEST_F(Waypoints, AKnownFixMakesNoNewFixAndKeepsItsDefinition) {
    answerKnownFix("COYLA", false, ui::answers::No);
    user.typeInto(form.RWFixNameText, "coyla");
    user.click(form.RWAlt1Text);
    EXPECT_EQ(entries().back(), "COYLA");
    EXPECT_EQ(m->WorkFixCount, 13);
    // A user fix typed as a navaid comes into the working fixes once.
    answerKnownFix("OLM270", true, ui::answers::No);
    user.typeInto(form.RWAddNavText, "OLM270");
    user.click(form.RWAlt1Text);
    EXPECT_EQ(entries().back(), "OLM270");
    EXPECT_EQ(workFix("OLM270").VOR, "OLM");

    // With an altitude: coordinates typed for it are ignored.
    const auto fixes = workFixes();
    answerKnownFix("COYLA", true, ui::answers::Yes);
    user.typeInto(form.RWAddNavText, "COYLA");
    user.click(form.RWHeadingText);
    EXPECT_TRUE(form.RWAlt1Text.hasFocus());
    EXPECT_FALSE(form.RWFixNameText.enabled() || form.RWDDMLatText.enabled());
    form.RWDDMLatText.setText("10");
    form.RWDDMLongText.setText("10");
    user.typeInto(form.RWAlt1Text, "5000");
    user.click(form.AddRWWaypointCommand);
    EXPECT_EQ(entries().back(), "COYLA");
    EXPECT_EQ(workFixes(), fixes);
}

TEST_F(Waypoints, SelectingAnUnknownFixEmptiesTheFixBoxesAndModifyWritesNoFix) {
    m->WorkRunways[3].FIX = "GHOST";
    form.RWWaypointList.setList(2, "GHOST");
    user.select(form.RWWaypointList, 1);
    user.select(form.RWWaypointList, 2);
    EXPECT_EQ(form.RWAddNavText.text() + form.RWFixNameText.text() + form.RWDDMLatText.text(), "");
    EXPECT_EQ(form.RWAlt1Text.text(), "4000");
    const auto fixes = workFixes();
    user.typeInto(form.RWFixNameText, "GHOST");
    user.typeInto(form.RWDDMLatText, "47");
    user.typeInto(form.RWDDMLongText, "122");
    user.replaceText(form.RWAlt1Text, "4500");
    user.click(form.ModifyRWWaypointCommand);
    EXPECT_EQ(m->WorkRunways[3].Alt, "4500");
    EXPECT_EQ(workFixes(), fixes);
}

TEST_F(Waypoints, ARenamedFixCarriesItsNameEverywhere) {
    user.select(form.RWWaypointList, 0);
    messages.expectNotice("There is already a fix named ATOME.");
    user.replaceText(form.RWFixNameText, "ATOME");
    user.click(form.ModifyRWWaypointCommand);
    EXPECT_TRUE(form.RWFixNameText.hasFocus());

    user.select(form.RWWaypointList, 2);
    user.replaceText(form.RWFixNameText, "COYLB");
    user.click(form.ModifyRWWaypointCommand);
    EXPECT_EQ(entries(), (std::vector<std::string>{"ANVIL", "ATOME", "COYLB", "CF16L"}));
    // The STARs take the new name with the save, not before.
    EXPECT_EQ(m->Store.STARs[3].Fix, "COYLA");
    user.click(form.RWSaveCommand);
    EXPECT_EQ(m->Store.STARs[3].Fix, "COYLB");
    EXPECT_EQ(editor.renamed,
              (std::vector<std::pair<std::string, std::string>>{{"COYLA", "COYLB"}}));
}

} // namespace
