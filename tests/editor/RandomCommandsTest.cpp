// Any command in any mode, in a seeded random order: after every one the
// procedure tables keep their layout.
#include "EditorScreen.h"
#include "Invariant.h"

#include <charconv>
#include <cstdlib>
#include <random>
#include <sstream>

namespace editortest {
namespace {

// Answers every message at random and keeps no script.
class RandomAnswers : public ui::Messages {
public:
    RandomAnswers(std::mt19937& random, std::ostream& log) : random_(random), log_(log) {}
    int shown = 0;

protected:
    int show(const ui::Message& message) override {
        ++shown;
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

class RandomCommands : public EditorScreen, public ::testing::WithParamInterface<unsigned> {
protected:
    RandomCommands() : random(GetParam()), answers(random, log) {
        t.app.add<StandInScreen>("InitialLoad");
        t.app.setMessages(answers);
    }

    template <class T> const T& pick(const std::vector<T>& from) {
        return from[random() % from.size()];
    }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(n)); }

    void open() {
        const std::string mode = pick(std::vector<std::string>{"E", "T", "D", "S"});
        log << "open " << mode << "\n";
        m->BackToMenu = store::False;
        const auto saved = m->DataFolder / "KSEA.txt";
        if (mode == "D" || mode == "S") {
            // The airport as saved last, else the sample.
            openModify(mode, std::filesystem::exists(saved) ? runtime::readWholeFile(saved)
                                                            : sampleKSEA());
        } else {
            std::filesystem::remove(saved);
            openCreate(mode);
        }
    }
    void type(ui::TextBox& box, const std::string& text) {
        log << "type " << box.name() << " '" << text << "'\n";
        user.replaceText(box, text);
    }
    void click(ui::Control& control) {
        log << "click " << control.name() << "\n";
        user.click(control);
    }
    std::string altitude() { return std::to_string(1000 * (1 + below(9))); }

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
        switch (below(17)) {
        case 0:
        case 1:
        case 2:
            type(ed->AddNavText, pick(navaids));
            if (below(3) == 0)
                type(ed->Alt1Text, altitude());
            if (ed->isSIDMode() && below(4) == 0) {
                type(ed->OnHeadAltText, "1500");
                if (below(2) == 0)
                    type(ed->OnHeadDistText, "3");
            }
            if (ed->isSIDMode() && below(6) == 0)
                type(ed->InterceptHeadingText, "250");
            click(ed->AddWaypointCommand);
            break;
        case 3: {
            // A new fix by latitude and longitude, or a known one by name.
            const bool known = below(2) == 0 && m->Store.FixCount > 0;
            type(ed->FixNameText, known ? m->Store.Fixes[1 + below(m->Store.FixCount)].Name
                                        : "RF" + std::to_string(++fixNumber));
            if (!known) {
                type(ed->DDMLatText, "47");
                type(ed->DMMLatText, std::to_string(below(60)));
                type(ed->DDMLongText, "122");
                type(ed->DMMLongText, std::to_string(below(60)));
            }
            click(ed->AddWaypointCommand);
            break;
        }
        case 4:
        case 5:
            if (ed->WaypointList.ListCount() > 0) {
                const int line = below(ed->WaypointList.ListCount());
                log << "select " << line << "\n";
                user.select(ed->WaypointList, line);
            }
            break;
        case 6:
            if (below(2) == 0)
                type(ed->Alt1Text, altitude());
            if (ed->isSIDMode() && below(4) == 0)
                type(ed->OnHeadDistText, std::to_string(1 + below(5)));
            click(ed->ModifyWaypointCommand);
            break;
        case 7:
        case 8:
        case 9:
        case 10:
            click(*pick(std::vector<ui::Control*>{&ed->DeleteWaypointCommand, &ed->MoveUp,
                                                  &ed->MoveDown, &ed->ClearDataCommand,
                                                  &ed->NextProcedureCommand}));
            break;
        case 11:
            click(ed->AddAnotherProcedureCommand);
            if (ed->ProcedureNameText.text().empty())
                type(ed->ProcedureNameText, pick(names));
            if (ed->RwText1.text().empty())
                type(ed->RwText1, "16L");
            break;
        case 12:
            if (below(3) == 0)
                click(ed->DeleteProcedureCommand);
            break;
        case 13:
            type(ed->runwayBox(1 + below(3)), pick(runways));
            break;
        case 14:
            type(ed->ProcedureNameText, pick(names));
            break;
        case 15:
            if (below(4) == 0)
                click(ed->SaveCommand);
            break;
        case 16:
            if (below(10) == 0)
                click(ed->OopsCommand);
            break;
        }
    }

    std::string lastCommands() const {
        const std::string all = log.str();
        return all.substr(all.size() > 6000 ? all.size() - 6000 : 0);
    }

    std::mt19937 random;
    std::ostringstream log;
    RandomAnswers answers;
    int fixNumber = 0;
};

// VEXTREL_RANDOM_STEPS sets the steps of each seed for a longer run by hand.
int stepCount() {
    int steps = 1000;
    if (const char* text = std::getenv("VEXTREL_RANDOM_STEPS")) {
        const std::string_view view(text);
        std::from_chars(view.data(), view.data() + view.size(), steps);
    }
    return steps;
}

TEST_P(RandomCommands, KeepTheTableLayout) {
    open();
    const int steps = stepCount();
    for (int i = 0; i < steps; ++i) {
        step();
        const std::string why = checkInvariant(*m);
        ASSERT_EQ(why, "") << "after step " << i << " in mode " << m->EditMode << ", commands:\n"
                           << lastCommands();
        ASSERT_FALSE(t.app.ended()) << lastCommands();
    }
    EXPECT_GT(answers.shown, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomCommands, ::testing::Values(1u, 2u, 3u));

} // namespace
} // namespace editortest
