#include "EditorScreen.h"
#include "Invariant.h"
#include "StandIns.h"

namespace editortest {
namespace {

using editor::ModifyProcedure;

TEST(RunwayNumbers, ValidDesignators) {
    struct Case {
        const char* text;
        bool valid;
    };
    for (const Case c : {Case{"0", true},
                         {"00", true},
                         {"36", true},
                         {"36C", true},
                         {"9r", true},
                         {"1.5", true},
                         {"07L", true},
                         {"37", false},
                         {"9X", false},
                         {"-1", false},
                         {"L", false},
                         {"", false},
                         {"40", false},
                         {"1e1", false}})
        EXPECT_EQ(ModifyProcedure::IsValidRunwayNumber(c.text), c.valid) << c.text;
}

TEST(RunwayNumbers, CheckForZeroPadsOneDigit) {
    struct Case {
        const char* text;
        const char* padded;
    };
    for (const Case c : {Case{"7", "07"},
                         {"7L", "07L"},
                         {"27", "27"},
                         {"27L", "27L"},
                         {"L", "L"},
                         {"", ""},
                         {"07R", "07R"}})
        EXPECT_EQ(ModifyProcedure::CheckForZero(c.text), c.padded) << c.text;
}

class RunwayBoxes : public EditorScreen {
protected:
    std::vector<bool> shown() const {
        std::vector<bool> out;
        for (int k = 1; k <= 8; ++k)
            out.push_back(ed->runwayBox(k).visible());
        return out;
    }
};

TEST_F(RunwayBoxes, AnInvalidDesignatorIsRefusedWhileTyping) {
    openCreate("E");
    expectNotice("Incorrect Runway Number");
    user.typeInto(ed->RwText1, "40");
    EXPECT_EQ(focus(), &ed->RwText1);
    EXPECT_EQ(ed->RwText1.text(), "40");
    EXPECT_EQ(ed->RwText1.selLength(), 2);
    // The next key replaces the refused text.
    user.typeInto(ed->RwText1, "9r");
    EXPECT_EQ(ed->RwText1.text(), "9R");
    user.click(ed->ProcedureNameText);
    EXPECT_EQ(ed->RwText1.text(), "09R");
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::ButtonText);
}

TEST_F(RunwayBoxes, EachFilledBoxRevealsTheNextUpToBoxSix) {
    openCreate("E");
    for (int k = 1; k <= 6; ++k)
        user.typeInto(ed->runwayBox(k), "1" + std::to_string(k));
    EXPECT_EQ(shown(), (std::vector<bool>{true, true, true, true, true, true, false, false}));
}

TEST_F(RunwayBoxes, InSTARModesARunwayWithoutTransitionIsRed) {
    openModify("S", StarOnlyAirport);
    // ARR1 has no runway: one empty box.
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false, false, false, false, false, false}));
    EXPECT_EQ(ed->RwText1.text(), "");
    user.typeInto(ed->RwText1, "9");
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::Red);
    user.click(ed->AddNavText);
    EXPECT_EQ(ed->RwText1.text(), "09");
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::ButtonText);
    // Emptied, the box shows no alert either.
    user.replaceText(ed->RwText2, "27");
    EXPECT_EQ(ed->RwText2.foreColor(), ui::colors::Red);
    user.replaceText(ed->RwText2, "\b");
    EXPECT_EQ(ed->RwText2.foreColor(), ui::colors::ButtonText);
}

TEST_F(RunwayBoxes, SavedRunwaysCloseTheGapsAndKeepSlotOneWhenAllAreEmpty) {
    openModify("S", sampleKSEA());
    // SUMMA1: 16L 34R. Box 2 emptied, box 3 filled.
    user.typeInto(ed->RwText3, "16R");
    user.replaceText(ed->RwText2, "\b");
    t.app.dispatch([this] { ed->SaveRunways(1); });
    EXPECT_EQ(m->Store.STARRunways(1, 1), "16L");
    EXPECT_EQ(m->Store.STARRunways(1, 2), "16R");
    EXPECT_EQ(m->Store.STARRunways(1, 3), "");

    t.app.dispatch([this] {
        for (int k = 1; k <= 8; ++k)
            ed->runwayBox(k).setText("");
        ed->SaveRunways(1);
    });
    EXPECT_EQ(m->Store.STARRunways(1, 1), "16L");
    EXPECT_EQ(m->Store.STARRunways(1, 2), "");
    EXPECT_EQ(checkInvariant(*m), "");
}

TEST_F(RunwayBoxes, SavedSIDRunwaysStartAtTheFirstSlotAndEmptyTheBoxes) {
    openModify("D", sampleKSEA());
    t.app.dispatch([this] {
        ed->RwText1.setText("");
        ed->SaveSIDRunways(1);
    });
    EXPECT_EQ(m->Store.SIDs[1].RW1, "16C");
    EXPECT_EQ(m->Store.SIDs[1].RW2, "16R");
    EXPECT_EQ(m->Store.SIDs[1].RW3, "");
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(ed->runwayBox(k).text(), "");
    EXPECT_TRUE(ed->RwText2.visible());
}

TEST_F(RunwayBoxes, ADoubleClickOpensTheTransitionEditorOnlyForSTARs) {
    auto& transitions = t.app.add<StandInScreen>("RunwayForm");
    openModify("D", sampleKSEA());
    user.doubleClick(ed->RwText1);
    EXPECT_FALSE(transitions.visible());
    EXPECT_TRUE(ed->visible());
    t.app.dispatch([this] { ed->unload(); });

    openModify("S", sampleKSEA());
    user.click(ed->NextProcedureCommand);
    user.click(ed->NextProcedureCommand);
    ASSERT_EQ(ed->RwText1.text(), "16C");
    user.doubleClick(ed->RwText1);
    EXPECT_TRUE(transitions.visible());
    EXPECT_FALSE(ed->visible());
    EXPECT_EQ(m->TransitionRunway, "16C");
    EXPECT_EQ(m->OpeningRunwayBox, 1);

    // A runway that has its transition: box number 0.
    t.app.dispatch([&] {
        transitions.hide();
        ed->show();
    });
    user.replaceText(ed->RwText2, "16l");
    user.doubleClick(ed->RwText2);
    EXPECT_EQ(m->TransitionRunway, "16L");
    EXPECT_EQ(m->OpeningRunwayBox, 0);
}

TEST_F(RunwayBoxes, ADoubleClickOnAnInvalidDesignatorIsRefused) {
    t.app.add<StandInScreen>("RunwayForm");
    openModify("S", sampleKSEA());
    expectNotice("Incorrect Runway Number");
    t.app.dispatch([this] { ed->RwText3.setText("X"); });
    expectNotice("Incorrect Runway Number");
    user.doubleClick(ed->RwText3);
    EXPECT_TRUE(ed->visible());
    EXPECT_EQ(focus(), &ed->RwText3);
}

} // namespace
} // namespace editortest
