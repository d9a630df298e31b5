#pragma once

#include "reference/NavaidTable.h"
#include "reference/UserFixFile.h"
#include "shell/Module1.h"
#include "store/AirportReader.h"
#include "support/TestApp.h"
#include "transitions/RunwayForm.h"
#include "ui/Forms.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace transitionstest {

inline std::filesystem::path bundledFile(const std::string& relative) {
    return std::filesystem::path(VEXTREL_DATA_DIR) / relative;
}

// The bundled reference tables, read once for the whole test program.
struct BundledReference {
    reference::NavaidTable navaids =
        reference::loadNavaids(bundledFile("reference/AllFlyNavaids.txt"));
    reference::UserFixTable userFixes =
        reference::loadUserFixes(bundledFile("reference/UserFixes.txt"));
};

inline const BundledReference& bundled() {
    static const BundledReference tables;
    return tables;
}

// Stands in for the procedure editor: the boxes and list the transition
// editor reads or changes when it opens and closes.
class EditorDouble : public ui::Form {
public:
    explicit EditorDouble(ui::App& app) : ui::Form(app, "ModifyProcedure") {
        for (ui::TextBox* box : runwayBoxes())
            box->setForeColor(ui::colors::Red);
    }
    ui::TextBox AptNameText{*this, "AptNameText"};
    ui::TextBox AddNavText{*this, "AddNavText"};
    ui::ListBox WaypointList{*this, "WaypointList"};
    ui::TextBox RwText1{*this, "RwText1"}, RwText2{*this, "RwText2"}, RwText3{*this, "RwText3"},
        RwText4{*this, "RwText4"}, RwText5{*this, "RwText5"}, RwText6{*this, "RwText6"},
        RwText7{*this, "RwText7"}, RwText8{*this, "RwText8"};
    std::vector<ui::TextBox*> runwayBoxes() {
        return {&RwText1, &RwText2, &RwText3, &RwText4, &RwText5, &RwText6, &RwText7, &RwText8};
    }
};

// Stands in for the arc generator: counts how often it was opened.
class ArcDouble : public ui::Form {
public:
    explicit ArcDouble(ui::App& app) : ui::Form(app, "AddARC") {}
    int opened = 0;

protected:
    void Form_Load() override { ++opened; }
};

inline store::RunwayWaypoint fixRow(std::string id, std::string fix, std::string alt = "",
                                    store::Flag from = store::False,
                                    store::Flag eop = store::False) {
    return {std::move(id), std::move(fix), "", std::move(alt), from, eop};
}
inline store::RunwayWaypoint navaidRow(std::string id, std::string navaid, std::string alt = "",
                                       store::Flag from = store::False,
                                       store::Flag eop = store::False) {
    return {std::move(id), "", std::move(navaid), std::move(alt), from, eop};
}

inline store::FixRecord latLonFix(std::string name, std::string latDeg, std::string latMin,
                                  std::string longDeg, std::string longMin) {
    store::FixRecord fix;
    fix.Name = std::move(name);
    fix.HemLat = "N";
    fix.LatDeg = std::move(latDeg);
    fix.LatMin = std::move(latMin);
    fix.HemLong = "W";
    fix.LongDeg = std::move(longDeg);
    fix.LongMin = std::move(longMin);
    return fix;
}

// The transition editor over the procedure editor's stand-in, in mode "S",
// with the bundled reference tables and the reference position at Seattle.
class TransitionScreen : public ::testing::Test {
protected:
    TransitionScreen() {
        m->NavaidTable = bundled().navaids;
        m->UserFixTable = bundled().userFixes;
        m->EditMode = "S";
        m->Reference = {47.449, -122.309};
        editor.AptNameText.setText("KSEA");
        user.start(editor);
    }

    // The airport file of the bundled sample.
    void loadKSEA() {
        const store::ReadResult read =
            store::LoadDataFromFile(bundledFile("sample/PMDG/KSEA.txt"), m->Store, m->Counters);
        ASSERT_TRUE(read.ok) << read.message;
    }
    // Rows 1.. of Runways, from a list; the rest empty.
    void setRunways(const std::vector<store::RunwayWaypoint>& rows) {
        m->Store.Runways.clear();
        for (std::size_t i = 0; i < rows.size(); ++i)
            m->Store.Runways[static_cast<int>(i) + 1] = rows[i];
        m->Store.RunwayCount = static_cast<std::int16_t>(rows.size());
    }
    void setFixes(const std::vector<store::FixRecord>& fixes) {
        m->Store.Fixes.clear();
        for (std::size_t i = 0; i < fixes.size(); ++i)
            m->Store.Fixes[static_cast<int>(i) + 1] = fixes[i];
        m->Store.FixCount = static_cast<std::int32_t>(fixes.size());
        m->Store.FixesDefined = store::True;
    }

    // The double click on runway box `box` of the procedure editor.
    void open(const std::string& runway, int box = 1) {
        m->TransitionRunway = runway;
        m->OpeningRunwayBox = static_cast<std::int16_t>(box);
        t.app.dispatch([&] {
            editor.hide();
            form.show();
        });
    }

    std::vector<std::string> entries() const {
        std::vector<std::string> out;
        for (int i = 0; i < form.RWWaypointList.ListCount(); ++i)
            out.push_back(form.RWWaypointList.List(i));
        return out;
    }
    std::vector<store::RunwayWaypoint> workRows() const {
        std::vector<store::RunwayWaypoint> out;
        for (int i = 1; i <= m->WorkRunwayCount; ++i)
            out.push_back(m->WorkRunways[i]);
        return out;
    }
    std::vector<store::RunwayWaypoint> storeRows() const {
        std::vector<store::RunwayWaypoint> out;
        for (int i = 1; i <= store::RunwayCapacity && !m->Store.Runways[i].ID.empty(); ++i)
            out.push_back(m->Store.Runways[i]);
        return out;
    }

    void addNavaid(const std::string& id, const std::string& alt = "") {
        user.typeInto(form.RWAddNavText, id);
        if (!alt.empty())
            user.typeInto(form.RWAlt1Text, alt);
        user.click(form.AddRWWaypointCommand);
    }

    support::TestApp t;
    support::ScriptedUser& user = t.user;
    support::ScriptedMessages& messages = t.messages;
    std::unique_ptr<shell::Module1> m = std::make_unique<shell::Module1>();
    EditorDouble& editor = t.app.add<EditorDouble>();
    ArcDouble& arc = t.app.add<ArcDouble>();
    transitions::RunwayForm& form = t.app.add<transitions::RunwayForm>(*m);
};

} // namespace transitionstest
