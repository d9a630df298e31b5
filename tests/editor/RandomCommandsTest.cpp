// Any command in any mode, in a seeded random order: after every one the
// procedure tables keep their layout.
#include "EditorScreen.h"
#include "Invariant.h"
#include "support/RandomUser.h"

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
                r.click(ed->SaveCommand);
            break;
        case 16:
            if (r.below(10) == 0)
                r.click(ed->OopsCommand);
            break;
        }
    }

    support::RandomUser r{GetParam(), user};
    int fixNumber = 0;
};

TEST_P(RandomCommands, KeepTheTableLayout) {
    open();
    const int steps = support::randomSteps(1000);
    for (int i = 0; i < steps; ++i) {
        step();
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
