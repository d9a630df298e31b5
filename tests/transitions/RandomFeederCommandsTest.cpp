// Any command of the transition editor and the arc screens, with hostile
// typed text, in a seeded random order: every save writes an airport file
// that reads back as the same tables, and every step is undone and redone.
// VEXTREL_RANDOM_STEPS sets the steps.
#include "TransitionScreen.h"

#include "arc/AddARC.h"
#include "arc/FindWaypointForm.h"
#include "procedures/FeederEdits.h"
#include "support/RandomUser.h"
#include "support/ReadBack.h"

namespace transitionstest {
namespace {

const std::vector<std::string> names = {"SEA",   "OLM",   "HQM",  "COYLA",  "CF16L",
                                        "NEWF1", "NEWF2", "ZZQX", "OLM270", "sea"};

class RandomFeederCommands : public TransitionScreen,
                             public ::testing::WithParamInterface<unsigned> {
protected:
    RandomFeederCommands() {
        t.app.setMessages(r);
        loadKSEA();
    }

    std::string text() {
        const int kind = r.below(4);
        return kind == 0   ? r.pick(support::HostileText)
               : kind == 1 ? r.pick(names)
                           : std::to_string(r.below(400));
    }

    void editorStep() {
        ui::TextBox* boxes[] = {&form.RWAddNavText,  &form.RWAlt1Text,    &form.RWFixNameText,
                                &form.RwFixIDText,   &form.RWDDMLatText,  &form.RWDMMLatText,
                                &form.RWDDMLongText, &form.RWDMMLongText, &form.RWVORFIXText,
                                &form.RWHeadingText, &form.RWDistText};
        ui::Control* buttons[] = {&form.AddRWWaypointCommand,
                                  &form.ModifyRWWaypointCommand,
                                  &form.ClearRWDataCommand,
                                  &form.RWMoveUp,
                                  &form.RWMoveDown,
                                  &form.DeleteRWWaypointCommand,
                                  &form.AddFeederProcedureCommand,
                                  &form.ViewNextFeederCommand,
                                  &form.RWNLatOption,
                                  &form.RWSLatOption};
        switch (r.below(10)) {
        case 0:
        case 1:
        case 2:
            r.type(*boxes[r.below(11)], text());
            break;
        case 3:
            r.type(form.RWAddNavText, r.pick(names));
            r.click(form.AddRWWaypointCommand);
            break;
        case 4:
        case 5:
            r.click(*buttons[r.below(10)]);
            break;
        case 6:
            r.select(form.RWWaypointList);
            break;
        case 7:
            if (r.below(4) == 0)
                r.click(form.DeleteFeederCommand);
            break;
        case 8:
            r.click(form.AddArcCommand);
            break;
        case 9:
            if (r.below(3) == 0) {
                undoSome();
                expectSavedWorkReadsBack();
                r.click(form.RWSaveCommand);
                if (!form.isLoaded())
                    expectReadBack(m->Store, "save");
            } else if (r.below(8) == 0) {
                r.click(form.RWOopsCommand);
            }
            break;
        }
    }

    void arcStep() {
        ui::TextBox* boxes[] = {&arcForm.ArcText,       &arcForm.ArcStartText,
                                &arcForm.ArcEndText,    &arcForm.ArcRadiusText,
                                &arcForm.StepAngleText, &arcForm.ArcAltText};
        switch (r.below(6)) {
        case 0:
            r.click(arcForm.SelectNavaidCommand);
            if (search.isLoaded()) {
                r.type(search.SearchText,
                       r.pick(std::vector<std::string>{"SEA", "OLM", "ABC", "sea"}));
                r.click(search.SearchCommand);
                r.select(search.WaypointListBox);
                r.click(r.below(5) == 0 ? search.GoBackCommand : search.AddWaypoint);
            }
            break;
        case 1:
        case 2: {
            ui::TextBox& box = *boxes[r.below(6)];
            r.type(box, r.below(2) == 0 ? text() : std::to_string(r.below(361)));
            break;
        }
        case 3:
            r.click(*r.pick(std::vector<ui::Control*>{&arcForm.LeftOption, &arcForm.RightOption,
                                                      &arcForm.TurnInOptionYes,
                                                      &arcForm.TurnInOptionNo}));
            break;
        case 4:
            r.click(arcForm.TransferCommand);
            if (!arcForm.isLoaded() && form.isLoaded())
                expectSavedWorkReadsBack();
            break;
        case 5:
            if (r.below(6) == 0)
                r.click(arcForm.ExitCommand);
            break;
        }
    }

    // The working tables as the save would leave them.
    void expectSavedWorkReadsBack() {
        auto saved = std::make_unique<store::ProcedureStore>(m->Store);
        auto work = std::make_unique<store::ProcedureStore>();
        work->Runways = m->WorkRunways;
        work->RunwayCount = m->WorkRunwayCount;
        work->Fixes = m->WorkFixes;
        work->FixCount = m->WorkFixCount;
        std::int16_t start = m->FeederStart, last = 0;
        procedures::FixRenames renames;
        procedures::FeederTables tables{work->Runways,
                                        work->RunwayCount,
                                        work->Fixes,
                                        work->FixCount,
                                        form.Label8.caption(),
                                        start,
                                        last,
                                        renames};
        std::string notice;
        if (!procedures::saveFeederWork(tables, *saved, notice))
            expectReadBack(*saved, "transfer");
    }

    // The working tables and their counts.
    struct Work {
        store::RunwayTable rows;
        store::FixTable fixes;
        int rowCount, fixCount;
        explicit Work(const shell::Module1& m)
            : rows(m.WorkRunways), fixes(m.WorkFixes), rowCount(m.WorkRunwayCount),
              fixCount(m.WorkFixCount) {}
    };
    std::string differenceFrom(const Work& w) const {
        if (const int row = tablecheck::firstDifferentRow(m->WorkRunways, w.rows))
            return "runway row " + std::to_string(row);
        if (const int row = tablecheck::firstDifferentRow(m->WorkFixes, w.fixes))
            return "fix row " + std::to_string(row);
        if (m->WorkRunwayCount != w.rowCount || m->WorkFixCount != w.fixCount)
            return "counts";
        return "";
    }
    void undo() {
        t.app.dispatch([this] { form.RWUndoCommand_Click(); });
    }
    void redo() {
        t.app.dispatch([this] { form.RWRedoCommand_Click(); });
    }
    void undoSome() {
        const int steps = r.below(4);
        r.log << "undo " << steps << "\n";
        for (int i = 0; i < steps; ++i)
            undo();
    }

    // Undone to the start, the working tables are those opened; redone to
    // the end, those before undoing.
    void undoAndRedoEverything() {
        while (form.RWRedoCommand.enabled())
            redo();
        const auto before = std::make_unique<Work>(*m);
        while (form.RWUndoCommand.enabled())
            undo();
        ASSERT_EQ(differenceFrom(*opened), "") << r.lastCommands();
        while (form.RWRedoCommand.enabled())
            redo();
        ASSERT_EQ(differenceFrom(*before), "") << r.lastCommands();
    }

    void expectReadBack(const store::ProcedureStore& tables, const char* after) {
        ASSERT_EQ(support::readBackDifference(tables, m->Counters), "") << after << "\n"
                                                                        << r.lastCommands();
        ++checked;
    }

    void step() {
        // A user sent back to a refused box mends it at some point.
        if (auto* box = dynamic_cast<ui::TextBox*>(t.app.focusOwner()); box && r.below(3) == 0)
            r.type(*box, box == &arcForm.StepAngleText ? "10" : "");
        if (r.below(12) == 0) {
            r.log << "empty every box\n";
            for (ui::TextBox* box :
                 {&form.RWAddNavText, &form.RWAlt1Text, &form.RWFixNameText, &form.RwFixIDText,
                  &form.RWDDMLatText, &form.RWDMMLatText, &form.RWDDMLongText, &form.RWDMMLongText,
                  &form.RWVORFIXText, &form.RWHeadingText, &form.RWDistText, &arcForm.ArcAltText,
                  &arcForm.ArcStartText, &arcForm.ArcEndText, &arcForm.ArcRadiusText})
                box->setText("");
        }
        if (!form.isLoaded()) {
            const std::string runway = r.pick(std::vector<std::string>{"16L", "34R", "16C", "09"});
            r.log << "open " << runway << "\n";
            open(runway);
            opened = std::make_unique<Work>(*m);
            return;
        }
        if (arcForm.isLoaded() && r.below(3) != 0)
            arcStep();
        else
            editorStep();
    }

    support::RandomUser r{GetParam(), user};
    arc::AddARC& arcForm = t.app.add<arc::AddARC>(*m);
    arc::FindWaypointForm& search = t.app.add<arc::FindWaypointForm>(*m);
    int checked = 0;
    std::unique_ptr<Work> opened;
};

TEST_P(RandomFeederCommands, EverySaveReadsBackAndEveryStepUndoes) {
    const int steps = support::randomSteps(2500);
    for (int i = 0; i < steps && !HasFatalFailure(); ++i) {
        step();
        ASSERT_FALSE(t.app.ended()) << r.lastCommands();
        if (form.isLoaded()) {
            ASSERT_TRUE(form.historyRecorded()) << r.lastCommands();
            if (r.below(40) == 0) {
                ASSERT_NO_FATAL_FAILURE(undoAndRedoEverything());
            }
        }
    }
    EXPECT_GT(checked, 0) << r.lastCommands();
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomFeederCommands, ::testing::Values(1u, 2u, 3u, 4u));

} // namespace
} // namespace transitionstest
