// Any command of the transition editor and the arc screens, with hostile
// typed text, in a seeded random order: every save writes an airport file
// that reads back as the same tables. VEXTREL_RANDOM_STEPS sets the steps.
#include "TransitionScreen.h"

#include "arc/AddARC.h"
#include "arc/FindWaypointForm.h"
#include "procedures/FeederEdits.h"
#include "store/AirportWriter.h"
#include "support/TableDifference.h"

#include <cstdlib>
#include <random>
#include <sstream>

namespace transitionstest {
namespace {

class RandomAnswers : public ui::Messages {
public:
    RandomAnswers(std::mt19937& random, std::ostream& log) : random_(random), log_(log) {}

protected:
    int show(const ui::Message& message) override {
        int answer = ui::answers::OK;
        if (message.buttons != ui::Buttons::OK)
            answer = random_() % 2 == 0 ? ui::answers::Yes : ui::answers::No;
        log_ << "  message " << support::describe(message) << " -> " << answer << "\n";
        return answer;
    }

private:
    std::mt19937& random_;
    std::ostream& log_;
};

int stepsToRun() {
    const char* steps = std::getenv("VEXTREL_RANDOM_STEPS");
    return steps ? std::atoi(steps) : 2500;
}

// Whatever a file cannot hold as one token or one number.
const std::vector<std::string> hostile = {
    "",    " ",     "AB C", "\"Q",  "A\tB",   std::string(300, 'W'),
    "1,5", "6,000", "1e3",  "FL60", "6000ft", "\xC3\xA9T\xC3\xA9",
    "-1",  "999",   "0",    ".",    "+",      " 12 ",
    "360", "12.25"};
const std::vector<std::string> names = {"SEA",   "OLM",   "HQM",  "COYLA",  "CF16L",
                                        "NEWF1", "NEWF2", "ZZQX", "OLM270", "sea"};

class RandomFeederCommands : public TransitionScreen,
                             public ::testing::WithParamInterface<unsigned> {
protected:
    RandomFeederCommands() : random(GetParam()), answers(random, log) {
        t.app.setMessages(answers);
        loadKSEA();
    }

    template <class T> const T& pick(const std::vector<T>& from) {
        return from[random() % from.size()];
    }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(n)); }
    std::string text() {
        const int kind = below(4);
        return kind == 0 ? pick(hostile) : kind == 1 ? pick(names) : std::to_string(below(400));
    }
    void type(ui::TextBox& box, const std::string& typed) {
        log << "type " << box.name() << " '" << typed.substr(0, 20) << "'\n";
        if (box.visible() && box.enabled())
            user.replaceText(box, typed);
    }
    void click(ui::Control& control) {
        log << "click " << control.name() << "\n";
        user.click(control);
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
        switch (below(10)) {
        case 0:
        case 1:
        case 2:
            type(*boxes[below(11)], text());
            break;
        case 3:
            type(form.RWAddNavText, pick(names));
            click(form.AddRWWaypointCommand);
            break;
        case 4:
        case 5:
            click(*buttons[below(10)]);
            break;
        case 6:
            if (form.RWWaypointList.ListCount() > 0) {
                const int line = below(form.RWWaypointList.ListCount());
                log << "select " << line << "\n";
                user.select(form.RWWaypointList, line);
            }
            break;
        case 7:
            if (below(4) == 0)
                click(form.DeleteFeederCommand);
            break;
        case 8:
            click(form.AddArcCommand);
            break;
        case 9:
            if (below(3) == 0) {
                click(form.RWSaveCommand);
                if (!form.isLoaded())
                    expectReadBack(m->Store, "save");
            } else if (below(8) == 0) {
                click(form.RWOopsCommand);
            }
            break;
        }
    }

    void arcStep() {
        ui::TextBox* boxes[] = {&arcForm.ArcText,       &arcForm.ArcStartText,
                                &arcForm.ArcEndText,    &arcForm.ArcRadiusText,
                                &arcForm.StepAngleText, &arcForm.ArcAltText};
        switch (below(6)) {
        case 0:
            click(arcForm.SelectNavaidCommand);
            if (search.isLoaded()) {
                type(search.SearchText, pick(std::vector<std::string>{"SEA", "OLM", "ABC", "sea"}));
                click(search.SearchCommand);
                if (search.WaypointListBox.ListCount() > 0)
                    user.select(search.WaypointListBox, below(search.WaypointListBox.ListCount()));
                click(below(5) == 0 ? search.GoBackCommand : search.AddWaypoint);
            }
            break;
        case 1:
        case 2: {
            ui::TextBox& box = *boxes[below(6)];
            type(box, below(2) == 0 ? text() : std::to_string(below(361)));
            break;
        }
        case 3:
            click(*pick(std::vector<ui::Control*>{&arcForm.LeftOption, &arcForm.RightOption,
                                                  &arcForm.TurnInOptionYes,
                                                  &arcForm.TurnInOptionNo}));
            break;
        case 4:
            click(arcForm.TransferCommand);
            if (!arcForm.isLoaded() && form.isLoaded())
                expectSavedWorkReadsBack();
            break;
        case 5:
            if (below(6) == 0)
                click(arcForm.ExitCommand);
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

    void expectReadBack(store::ProcedureStore& tables, const char* after) {
        store::ProcedureCounters counters = m->Counters;
        const std::string file =
            store::PrintTheSidStarFile(tables, counters, {"KSEA", "", "", "1/2/2027"});
        auto again = std::make_unique<shell::Module1>();
        const store::ReadResult read = store::LoadData(file, again->Store, again->Counters);
        ASSERT_TRUE(read.ok) << after << ": " << read.message << "\n" << lastCommands();
        // The file keeps no arc flag.
        auto written = std::make_unique<store::ProcedureStore>(tables);
        for (int i = 1; i <= store::FixCapacity; ++i)
            written->Fixes[i].IsArcPoint = store::False;
        ASSERT_EQ(tablecheck::tableDifference(*written, again->Store), "") << after << "\n"
                                                                           << file << lastCommands();
        ++checked;
    }

    void step() {
        // A user sent back to a refused box mends it at some point.
        if (auto* box = dynamic_cast<ui::TextBox*>(t.app.focusOwner()); box && below(3) == 0)
            type(*box, box == &arcForm.StepAngleText ? "10" : "");
        if (below(12) == 0) {
            log << "empty every box\n";
            for (ui::TextBox* box :
                 {&form.RWAddNavText, &form.RWAlt1Text, &form.RWFixNameText, &form.RwFixIDText,
                  &form.RWDDMLatText, &form.RWDMMLatText, &form.RWDDMLongText, &form.RWDMMLongText,
                  &form.RWVORFIXText, &form.RWHeadingText, &form.RWDistText, &arcForm.ArcAltText,
                  &arcForm.ArcStartText, &arcForm.ArcEndText, &arcForm.ArcRadiusText})
                box->setText("");
        }
        if (!form.isLoaded()) {
            const std::string runway = pick(std::vector<std::string>{"16L", "34R", "16C", "09"});
            log << "open " << runway << "\n";
            open(runway);
            return;
        }
        if (arcForm.isLoaded() && below(3) != 0)
            arcStep();
        else
            editorStep();
    }

    std::string lastCommands() const {
        const std::string all = log.str();
        return all.substr(all.size() > 4000 ? all.size() - 4000 : 0);
    }

    std::mt19937 random;
    std::ostringstream log;
    RandomAnswers answers;
    arc::AddARC& arcForm = t.app.add<arc::AddARC>(*m);
    arc::FindWaypointForm& search = t.app.add<arc::FindWaypointForm>(*m);
    int checked = 0;
};

TEST_P(RandomFeederCommands, EverySaveReadsBackAsTheSameTables) {
    const int steps = stepsToRun();
    for (int i = 0; i < steps && !HasFatalFailure(); ++i) {
        step();
        ASSERT_FALSE(t.app.ended()) << lastCommands();
    }
    EXPECT_GT(checked, 0) << lastCommands();
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomFeederCommands, ::testing::Values(1u, 2u, 3u, 4u));

} // namespace
} // namespace transitionstest
