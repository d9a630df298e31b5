#pragma once

#include "arc/AddARC.h"
#include "arc/FindWaypointForm.h"
#include "shell/Module1.h"
#include "support/TestApp.h"
#include "transitions/FeederAccess.h"
#include "ui/Forms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace arctest {

// Stands in for the transition editor: its feeder list and the row
// insertion it offers the arc generator, on Module1's WorkRunways.
class FeederEditorDouble : public ui::Form, public transitions::FeederAccess {
public:
    FeederEditorDouble(ui::App& app, shell::Module1& m)
        : ui::Form(app, "RunwayForm"), RWAddNavText(*this, "RWAddNavText"),
          RWWaypointList(*this, "RWWaypointList"), m_(m) {}

    ui::TextBox RWAddNavText;
    ui::ListBox RWWaypointList;
    std::string runway = "16C";

    std::string runwayLabel() const override { return runway; }
    int feederWaypointCount() const override { return RWWaypointList.ListCount(); }
    int freeRunwayRows() const override {
        return store::RunwayCapacity - std::max<int>(m_.WorkRunwayCount, end() - 1);
    }
    bool appendFixWaypoint(const std::string& fix, const std::string& alt) override {
        if (freeRunwayRows() < 1)
            return false;
        const int p = end();
        for (int row = m_.WorkRunwayCount; row >= p; --row)
            m_.WorkRunways[row + 1] = m_.WorkRunways[row];
        ++m_.WorkRunwayCount;
        m_.WorkRunways[p] = store::RunwayWaypoint{runway, fix, "", alt, store::False, store::False};
        m_.LastInsertedRow = static_cast<std::int16_t>(p);
        RWWaypointList.AddItem(fix);
        return true;
    }

private:
    int end() const { return m_.FeederStart + RWWaypointList.ListCount(); }
    shell::Module1& m_;
};

inline store::RunwayWaypoint navaidRow(std::string id, std::string navaid) {
    return {std::move(id), "", std::move(navaid), "", store::False, store::False};
}

inline store::FixRecord radialFix(std::string name, std::string vor, float distance,
                                  float heading) {
    store::FixRecord fix;
    fix.Name = std::move(name);
    fix.VOR = std::move(vor);
    fix.VORDist = distance;
    fix.Heading = heading;
    return fix;
}

// Navaids with a triple identifier and known positions.
inline reference::NavaidTable testNavaids() {
    return reference::NavaidTable({
        {"ABC", 10, 20, 0},
        {"ABC", -33.5f, 151.25f, 0},
        {"ABC", 47.45f, -122.309611f, 0},
        {"OLM", 46.971111f, -122.902222f, 113.4f},
        {"SEA", 47.435361f, -122.309611f, 116.8f},
    });
}

// The arc generator over a transition editor whose feeder on screen is
// runway 16C's first feeder (SEA, then the navaid OLM); runway 34R's feeder
// follows it in WorkRunways.
struct ArcScreens : ::testing::Test {
    support::TestApp t;
    std::unique_ptr<shell::Module1> m = std::make_unique<shell::Module1>();
    FeederEditorDouble& editor = t.app.add<FeederEditorDouble>(*m);
    arc::AddARC& arcForm = t.app.add<arc::AddARC>(*m);
    arc::FindWaypointForm& search = t.app.add<arc::FindWaypointForm>(*m);

    ArcScreens() {
        m->NavaidTable = testNavaids();
        m->WorkRunways[1] = navaidRow("16C", "SEA");
        m->WorkRunways[1].FROM = store::True;
        m->WorkRunways[2] = navaidRow("16C", "OLM");
        m->WorkRunways[2].EOP = store::True;
        m->WorkRunways[3] = navaidRow("34R", "SEA");
        m->WorkRunways[3].FROM = store::True;
        m->WorkRunways[3].EOP = store::True;
        m->WorkRunwayCount = 3;
        m->FeederStart = 1;
        editor.RWWaypointList.AddItem("SEA");
        editor.RWWaypointList.AddItem("OLM");
        t.user.start(editor);
    }

    void openArc() {
        t.app.dispatch([&] { arcForm.show(); });
    }

    // "Select Navaid", search, pick the entry and hand it over.
    void chooseNavaid(const std::string& identifier, int entry = 0) {
        t.user.click(arcForm.SelectNavaidCommand);
        t.user.replaceText(search.SearchText, identifier);
        t.user.click(search.SearchCommand);
        if (search.WaypointListBox.listIndex() != entry)
            t.user.select(search.WaypointListBox, entry);
        t.user.click(search.AddWaypoint);
    }

    struct Arc {
        std::string start, end, radius;
        bool right = true;
        std::string step = "10";
        bool turnIn = false;
        std::string alt;
    };
    void fillIn(const Arc& a) {
        t.user.replaceText(arcForm.ArcStartText, a.start);
        t.user.replaceText(arcForm.ArcEndText, a.end);
        t.user.replaceText(arcForm.ArcRadiusText, a.radius);
        t.user.replaceText(arcForm.StepAngleText, a.step);
        t.user.replaceText(arcForm.ArcAltText, a.alt);
        t.user.click(a.right ? arcForm.RightOption : arcForm.LeftOption);
        t.user.click(a.turnIn ? arcForm.TurnInOptionYes : arcForm.TurnInOptionNo);
    }
    // A whole arc around SEA, from opening the screen to the transfer.
    void makeArc(const Arc& a) {
        openArc();
        chooseNavaid("SEA");
        fillIn(a);
        t.user.click(arcForm.TransferCommand);
    }

    std::vector<std::string> listEntries() const {
        std::vector<std::string> out;
        for (int i = 0; i < editor.RWWaypointList.ListCount(); ++i)
            out.push_back(editor.RWWaypointList.List(i));
        return out;
    }
};

} // namespace arctest
