// Any command in any mode, in a seeded random order: after every one the
// procedure tables keep their layout, and every step is undone and redone.
#include "EditorScreen.h"
#include "Invariant.h"
#include "support/RandomUser.h"
#include "support/TableDifference.h"
#include "store/AirportReader.h"
#include "store/AirportWriter.h"

#include <memory>

namespace editortest {
namespace {

class RandomCommands : public EditorScreen, public ::testing::WithParamInterface<unsigned> {
protected:
    RandomCommands() {
        t.app.add<StandInScreen>("InitialLoad");
        t.app.setMessages(r);
    }

    void open() {
        const shell::EditMode mode =
            r.pick(std::vector{CreateSIDs, CreateSTARs, ModifySIDs, ModifySTARs});
        r.log << "open " << static_cast<int>(mode) << "\n";
        m->BackToMenu = store::False;
        const auto saved = m->DataFolder / "KSEA.txt";
        if (shell::isModify(mode)) {
            // The airport as saved last, else the sample.
            openModify(mode, std::filesystem::exists(saved) ? runtime::readWholeFile(saved)
                                                            : sampleKSEA());
        } else {
            std::filesystem::remove(saved);
            openCreate(mode);
        }
        opened = std::make_unique<store::ProcedureStore>(m->Store);
        openedCounters = m->Counters;
    }

    void undo() {
        t.app.dispatch([this] { ed->UndoCommand_Click(); });
    }

    void redo() {
        t.app.dispatch([this] { ed->RedoCommand_Click(); });
    }

    // Undone to the start, the tables are those opened (read from the file);
    // redone to the end, those before undoing. A save refused after undoing
    // leaves steps to redo: they are redone first.
    void undoAndRedoEverything() {
        while (ed->RedoCommand.enabled())
            redo();
        const auto before = std::make_unique<store::ProcedureStore>(m->Store);
        const store::ProcedureCounters counters = m->Counters;
        while (ed->UndoCommand.enabled())
            undo();
        ASSERT_EQ(tablecheck::tableDifference(m->Store, *opened), "") << r.lastCommands();
        ASSERT_TRUE(m->Counters == openedCounters && m->Store.FixCount == opened->FixCount)
            << r.lastCommands();
        while (ed->RedoCommand.enabled())
            redo();
        ASSERT_EQ(tablecheck::tableDifference(m->Store, *before), "") << r.lastCommands();
        ASSERT_TRUE(m->Counters == counters && m->Store.FixCount == before->FixCount);
    }

    // A few steps undone, then saved: the file reads back to the tables shown.
    void undoSomeAndSave() {
        r.click(ed->ClearDataCommand);
        const int steps = r.below(4);
        r.log << "undo " << steps << "\n";
        for (int i = 0; i < steps; ++i)
            undo();
        const auto shown = std::make_unique<store::ProcedureStore>(m->Store);
        store::ProcedureCounters counters = m->Counters;
        const bool boxesStored = ed->boxesMatchProcedure();
        r.click(ed->SaveCommand);
        if (ed->isLoaded() || !boxesStored)
            return;
        const auto fromFile = std::make_unique<store::ProcedureStore>();
        const auto fromShown = std::make_unique<store::ProcedureStore>();
        store::ProcedureCounters read;
        ASSERT_TRUE(
            store::LoadDataFromFile(m->DataFolder / (ed->SavedICAO + ".txt"), *fromFile, read).ok);
        const std::string text = store::PrintTheSidStarFile(*shown, counters, {"KSEA", "", "", ""});
        ASSERT_TRUE(store::LoadData(text, *fromShown, read).ok);
        ASSERT_EQ(tablecheck::tableDifference(*fromFile, *fromShown), "") << r.lastCommands();
    }
    std::string altitude() { return std::to_string(1000 * (1 + r.below(9))); }

    void step() {
        if (!ed->isLoaded() || !ed->visible() || m->BackToMenu != store::False) {
            if (ed->isLoaded())
                t.app.dispatch([this] { ed->unload(); });
            open();
            return;
        }
        static const std::vector<std::string> navaids{"SEA", "OLM", "HQM", "PAE", "BTG", "ZZZ"};
        static const std::vector<std::string> names{"P1", "P2", "P3"};
        static const std::vector<std::string> runways{"16L", "34R", "16C", "9", "27", ""};
        switch (r.below(17)) {
        case 0:
        case 1:
        case 2:
            r.type(ed->AddNavText, r.pick(navaids));
            if (r.below(3) == 0)
                r.type(ed->Alt1Text, altitude());
            if (ed->isSIDMode() && r.below(4) == 0) {
                r.type(ed->OnHeadAltText, "1500");
                if (r.below(2) == 0)
                    r.type(ed->OnHeadDistText, "3");
            }
            if (ed->isSIDMode() && r.below(6) == 0)
                r.type(ed->InterceptHeadingText, "250");
            r.click(ed->AddWaypointCommand);
            break;
        case 3: {
            // A new fix by latitude and longitude, or a known one by name.
            const bool known = r.below(2) == 0 && m->Store.FixCount > 0;
            r.type(ed->FixNameText, known ? m->Store.Fixes[1 + r.below(m->Store.FixCount)].Name
                                          : "RF" + std::to_string(++fixNumber));
            if (!known) {
                r.type(ed->DDMLatText, "47");
                r.type(ed->DMMLatText, std::to_string(r.below(60)));
                r.type(ed->DDMLongText, "122");
                r.type(ed->DMMLongText, std::to_string(r.below(60)));
            }
            r.click(ed->AddWaypointCommand);
            break;
        }
        case 4:
        case 5:
            r.select(ed->WaypointList);
            break;
        case 6:
            if (r.below(2) == 0)
                r.type(ed->Alt1Text, altitude());
            if (ed->isSIDMode() && r.below(4) == 0)
                r.type(ed->OnHeadDistText, std::to_string(1 + r.below(5)));
            r.click(ed->ModifyWaypointCommand);
            break;
        case 7:
        case 8:
        case 9:
        case 10:
            r.click(*r.pick(std::vector<ui::Control*>{&ed->DeleteWaypointCommand, &ed->MoveUp,
                                                      &ed->MoveDown, &ed->ClearDataCommand,
                                                      &ed->NextProcedureCommand}));
            break;
        case 11:
            r.click(ed->AddAnotherProcedureCommand);
            if (ed->ProcedureNameText.text().empty())
                r.type(ed->ProcedureNameText, r.pick(names));
            if (ed->RwText1.text().empty())
                r.type(ed->RwText1, "16L");
            break;
        case 12:
            if (r.below(3) == 0)
                r.click(ed->DeleteProcedureCommand);
            break;
        case 13:
            r.type(ed->runwayBox(1 + r.below(3)), r.pick(runways));
            break;
        case 14:
            r.type(ed->ProcedureNameText, r.pick(names));
            break;
        case 15:
            if (r.below(4) == 0)
                undoSomeAndSave();
            break;
        case 16:
            if (r.below(10) == 0)
                r.click(ed->OopsCommand);
            break;
        }
    }

    support::RandomUser r{GetParam(), user};
    int fixNumber = 0;
    std::unique_ptr<store::ProcedureStore> opened;
    store::ProcedureCounters openedCounters;
};

TEST_P(RandomCommands, KeepTheTableLayoutAndUndoEveryStep) {
    open();
    const int steps = support::randomSteps(1000);
    for (int i = 0; i < steps; ++i) {
        step();
        if (ed->isLoaded()) {
            ASSERT_TRUE(ed->historyRecorded()) << r.lastCommands();
            if (r.below(40) == 0) {
                ASSERT_NO_FATAL_FAILURE(undoAndRedoEverything());
            }
        }
        const std::string why = checkInvariant(*m);
        ASSERT_EQ(why, "") << "after step " << i << " in mode " << static_cast<int>(m->EditMode)
                           << ", commands:\n"
                           << r.lastCommands();
        ASSERT_FALSE(t.app.ended()) << r.lastCommands();
    }
    EXPECT_GT(r.shown, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomCommands, ::testing::Values(1u, 2u, 3u));

} // namespace
} // namespace editortest
