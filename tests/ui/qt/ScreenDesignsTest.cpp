// The screens' Designer forms on real widgets: every control finds its
// widget, and each screen's main task works through them.
#include "arc/AddARC.h"
#include "arc/FindWaypointForm.h"
#include "editor/ModifyProcedure.h"
#include "editor/UserFixForm.h"
#include "reference/AirportTable.h"
#include "reference/NavaidTable.h"
#include "runtime/TextFiles.h"
#include "shell/FindFlyForm.h"
#include "shell/InitialLoad.h"
#include "shell/Module1.h"
#include "shell/PickFile.h"
#include "shell/UsersNameForm.h"
#include "support/NoProcedureEditor.h"
#include "transitions/RunwayForm.h"
#include "ui/qt/Application.h"
#include "ui/qt/MessageBoxes.h"
#include "ui/qt/QtCanvas.h"

#include "map/MapBuilder.h"
#include "store/AirportReader.h"

#include <QAccessible>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <memory>

namespace {

std::filesystem::path bundled(const char* relative) {
    return std::filesystem::path(VEXTREL_DATA_DIR) / relative;
}

// Where `w` lies in its window.
QRect placeIn(QWidget* window, const QWidget* w) {
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

// The screens with their tables; bind() makes the widgets.
struct Harness {
    ui::qt::MessageBoxes messages;
    ui::App app{messages};
    std::unique_ptr<shell::Module1> m = std::make_unique<shell::Module1>();
    support::NoProcedureEditor noProcedureEditor;
    editor::ModifyProcedure& editor = app.add<editor::ModifyProcedure>(*m);
    editor::UserFixForm& picker = app.add<editor::UserFixForm>(*m);
    transitions::RunwayForm& runwayForm = app.add<transitions::RunwayForm>(*m, noProcedureEditor);
    arc::AddARC& arcForm = app.add<arc::AddARC>(*m);
    arc::FindWaypointForm& search = app.add<arc::FindWaypointForm>(*m);
    shell::InitialLoad& menu = app.add<shell::InitialLoad>(*m);
    shell::PickFile& pick = app.add<shell::PickFile>(*m);
    shell::FindFlyForm& locator = app.add<shell::FindFlyForm>(*m);
    shell::UsersNameForm& author = app.add<shell::UsersNameForm>(*m);
    std::unique_ptr<ui::qt::Application> adapter;

    // The sample airport in a data folder of its own, with the tables.
    void openKSEA(const QTemporaryDir& folder) {
        m->NavaidTable = reference::loadNavaids(bundled("reference/AllFlyNavaids.txt"));
        m->AirportTable = reference::loadAirports(bundled("reference/AllFlyAirports.txt"));
        m->DataFolder = folder.path().toStdString();
        runtime::writeFileReplacing(m->DataFolder / "KSEA.txt",
                                    runtime::readWholeFile(bundled("sample/PMDG/KSEA.txt")));
        m->AirportFileName = "KSEA.txt";
    }
    void bind() {
        adapter = std::make_unique<ui::qt::Application>(app);
        adapter->bindAll();
    }
    template <class W> W* widget(const ui::Control& control) {
        return qobject_cast<W*>(adapter->widget(control));
    }
    QWidget* shown(ui::Form& form) {
        app.dispatch([&] { form.show(); });
        QWidget* window = adapter->window(form);
        return QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }
    QStringList listLines(const ui::ListBox& box) {
        QStringList out;
        auto* list = widget<QListWidget>(box);
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    void clickLine(const ui::ListBox& box, int line) {
        auto* list = widget<QListWidget>(box);
        const QRect rect = list->visualItemRect(list->item(line));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void click(const ui::Control& button) {
        QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton);
    }
};

} // namespace

class ScreenDesignsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { h = std::make_unique<Harness>(); }
    void cleanup() { h.reset(); }

    void theSTARsOfAnAirportAreViewedAndExtended() {
        QTemporaryDir folder;
        h->openKSEA(folder);
        h->m->EditMode = shell::EditMode::ModifySTARs;
        h->bind();
        QWidget* window = h->shown(h->editor);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("Modify a Standard Terminal Arrival Procedure"));
        QCOMPARE(h->listLines(h->editor.WaypointList), (QStringList{"SUMMA", "BLAKO", "COYLA"}));
        QVERIFY(!h->adapter->widget(h->editor.OnHeadFrame)->isVisible());
        // Where the SID-only frames were, no empty border stands.
        for (QWidget* w : window->findChildren<QWidget*>()) {
            auto* frame = qobject_cast<QFrame*>(w);
            const bool bordered =
                qobject_cast<QGroupBox*>(w) != nullptr ||
                (frame != nullptr && frame->metaObject() == &QFrame::staticMetaObject &&
                 frame->frameShape() != QFrame::NoFrame);
            bool holdsSomething = false;
            for (QWidget* child : w->findChildren<QWidget*>())
                holdsSomething = holdsSomething || child->isVisible();
            QVERIFY2(!bordered || !w->isVisible() || holdsSomething, qPrintable(w->objectName()));
        }

        // OLM4's runway 16C has no transition: red on the widget too.
        QCOMPARE(h->widget<QPushButton>(h->editor.NextProcedureCommand)->text(),
                 QString("&View Next Procedure"));
        QCOMPARE(namingFaults(h->editor), QStringList{});
        h->click(h->editor.NextProcedureCommand);
        h->click(h->editor.NextProcedureCommand);
        QCOMPARE(h->listLines(h->editor.WaypointList), (QStringList{"OLM", "CHENY"}));
        auto* runway = h->widget<QLineEdit>(h->editor.RwText1);
        QCOMPARE(runway->text(), QString("16C"));
        QCOMPARE(runway->palette().color(QPalette::Text), QColor(Qt::red));

        auto* navaid = h->widget<QLineEdit>(h->editor.AddNavText);
        QTest::mouseClick(navaid, Qt::LeftButton);
        QTest::keyClicks(navaid, "pae");
        h->click(h->editor.AddWaypointCommand);
        QCOMPARE(h->listLines(h->editor.WaypointList), (QStringList{"OLM", "CHENY", "PAE"}));
        QCOMPARE(h->m->Store.STARs[8].VOR, std::string("PAE"));
        QCOMPARE(int(h->m->Counters.STARRowCount), 8);

        // The map follows: PAE drawn with OLM4, and a click on it selects
        // its line.
        QStringList drawn;
        for (const auto& p : h->editor.ProcedureMap.drawing().points)
            if (p.emphasis == map::Emphasis::Current && p.line >= 0)
                drawn << QString::fromStdString(p.name);
        QCOMPARE(drawn, (QStringList{"OLM", "CHENY", "PAE"}));
        h->app.dispatch([this] { h->editor.ProcedureMap.userClicked(2); });
        QCOMPARE(h->editor.WaypointList.listIndex(), 2);
        QVERIFY(h->editor.ProcedureMap.drawing().points.back().selected);
    }

    void aUserFixIsPickedIntoTheEditor() {
        store::FixRecord fix;
        fix.Name = "HAROB";
        h->m->UserFixTable.append(fix);
        fix.Name = "OLM270";
        fix.VOR = "OLM";
        fix.Heading = 270;
        fix.VORDist = 12;
        h->m->UserFixTable.append(fix);
        h->bind();
        QWidget* window = h->shown(h->picker);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("User Fixes"));
        // Shown without the runs of spaces, with the Alt letters underlined.
        QCOMPARE(h->widget<QPushButton>(h->picker.UseFixCommand)->text(), QString("&Use Fix Data"));
        QCOMPARE(h->widget<QPushButton>(h->picker.GoBackCommand)->text(), QString("&Oops Go Back"));
        QCOMPARE(h->listLines(h->picker.UserFixList), (QStringList{"HAROB", "OLM270"}));
        // With no entry chosen, the picker waits for one.
        h->click(h->picker.UseFixCommand);
        QVERIFY(window->isVisible());
        QCOMPARE(h->editor.FixNameText.text(), std::string());
        // Nothing is marked before the arrow keys choose.
        auto* list = h->widget<QListWidget>(h->picker.UserFixList);
        QTRY_COMPARE(list->currentRow(), -1);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(h->picker.UserFixList.listIndex(), 0);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(h->picker.UserFixList.listIndex(), 1);
        QTest::keyClick(list, Qt::Key_U, Qt::AltModifier);

        QCOMPARE(h->editor.FixNameText.text(), std::string("OLM270"));
        QCOMPARE(h->editor.VORFIXText.text(), std::string("OLM"));
        QCOMPARE(h->editor.HeadingText.text(), std::string("270"));
        QVERIFY(!window->isVisible());
    }

    void aFeederIsBuilt() {
        h->m->NavaidTable = reference::NavaidTable({{"SEA", 47.435361f, -122.309611f, 116.8f}});
        h->m->EditMode = shell::EditMode::ModifySTARs;
        h->m->TransitionRunway = "16C";
        h->m->Store.Runways[1] = {"16L", "CF16L", "", "2000", store::True, store::True};
        h->m->Store.RunwayCount = 1;
        h->bind();
        QWidget* window = h->shown(h->runwayForm);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("Modify a Runway Intermediate Fix Procedure"));
        QCOMPARE(h->widget<QPushButton>(h->runwayForm.RWSaveCommand)->text(),
                 QString("&Save Rw 16C Feeder"));

        // North/South and East/West are two groups.
        QTest::mouseClick(h->widget<QRadioButton>(h->runwayForm.RWSLatOption), Qt::LeftButton);
        QVERIFY(h->widget<QRadioButton>(h->runwayForm.RWSLatOption)->isChecked());
        QVERIFY(h->widget<QRadioButton>(h->runwayForm.RWWLongOption)->isChecked());

        auto* navaid = h->widget<QLineEdit>(h->runwayForm.RWAddNavText);
        QTest::keyClicks(navaid, "sea");
        QTest::keyClick(navaid, Qt::Key_Return);
        auto* altitude = h->widget<QLineEdit>(h->runwayForm.RWAlt1Text);
        QVERIFY(altitude->hasFocus());
        QTest::keyClicks(altitude, "3000");
        h->click(h->runwayForm.AddRWWaypointCommand);
        QCOMPARE(h->listLines(h->runwayForm.RWWaypointList), QStringList{"SEA"});
        QCOMPARE(h->m->WorkRunways[2].Alt, std::string("3000"));
    }

    void anArcCentreIsSearchedAndTransferred() {
        h->m->NavaidTable =
            reference::NavaidTable({{"ABC", 10, 20, 0}, {"ABC", -33.5f, 151.25f, 0}});
        h->bind();
        QWidget* window = h->shown(h->arcForm);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("ARC Designer"));
        auto* centre = h->widget<QLineEdit>(h->arcForm.ArcText);
        QVERIFY(!centre->isVisible());
        h->click(h->arcForm.SelectNavaidCommand);
        QWidget* searchWindow = h->adapter->window(h->search);
        QVERIFY(QTest::qWaitForWindowExposed(searchWindow));

        QTest::keyClicks(h->widget<QLineEdit>(h->search.SearchText), "abc");
        QTest::keyClick(h->widget<QLineEdit>(h->search.SearchText), Qt::Key_Return);
        QCOMPARE(h->listLines(h->search.WaypointListBox).size(), 2);
        h->clickLine(h->search.WaypointListBox, 1);
        QCOMPARE(h->widget<QLabel>(h->search.LatText)->text(), QString("S33 30.00 Latitude"));

        h->click(h->search.AddWaypoint);
        QVERIFY(!searchWindow->isVisible());
        QCOMPARE(centre->text(), QString("ABC"));
        QVERIFY(centre->isVisible());
    }

    // KSEA's first STAR and an arc around SEA painted offscreen: the strong
    // colour where the legs and the arc run, nothing between.
    void theMapPaintsLegsAndArcs() {
        std::string text = runtime::readWholeFile(bundled("sample/PMDG/KSEA.txt"));
        text.replace(text.find("ENDFIXES"), 8,
                     "FIX SEA1 COLOCATED SEA 90 15\r\nFIX SEA2 COLOCATED SEA 180 15\r\nENDFIXES");
        text.replace(text.find("FIX COYLA FLOAT 5000 RNW"), 24,
                     "FIX COYLA FLOAT 5000 FIX SEA1 FIX SEA2 RNW");
        auto store = std::make_unique<store::ProcedureStore>();
        store::ProcedureCounters counters;
        QVERIFY(store::LoadData(text, *store, counters).ok);
        const auto navaids = reference::loadNavaids(bundled("reference/AllFlyNavaids.txt"));
        const auto airports = reference::loadAirports(bundled("reference/AllFlyAirports.txt"));
        map::MapRequest request;
        request.tables.store = store.get();
        request.tables.navaids = &navaids;
        request.airport = *airports.findAirport("KSEA");
        request.focus = {map::RouteKind::STAR, 1, "", -1};
        const map::Drawing drawing = map::buildMap(request);
        const map::View view = map::fitView(drawing, 500, 500);
        QImage image(500, 500, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            ui::qt::QtCanvas canvas(painter);
            map::paint(drawing, view, canvas);
        }
        const auto strongNear = [&](map::Point at) {
            const map::Pixel px = view.toPixel(at);
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy) {
                    const QColor c = image.pixelColor(int(px.x) + dx, int(px.y) + dy);
                    if (c.blue() > 150 && c.red() < 60)
                        return true;
                }
            return false;
        };
        const auto at = [&](const std::string& name) {
            for (const auto& p : drawing.points)
                if (p.name == name && p.emphasis == map::Emphasis::Current)
                    return p.at;
            return map::Point{1e9, 1e9};
        };
        const auto middle = [](map::Point a, map::Point b) {
            return map::Point{(a.x + b.x) / 2, (a.y + b.y) / 2};
        };
        QVERIFY(strongNear(middle(at("SUMMA"), at("BLAKO"))));
        QVERIFY(strongNear(middle(at("BLAKO"), at("COYLA"))));
        // The arc's middle, on the circle south-east of SEA; the chord's
        // middle, well inside it, stays white.
        std::vector<map::Point> arc;
        for (const auto& line : drawing.lines)
            if (line.points.size() > arc.size())
                arc = line.points;
        QCOMPARE(int(arc.size()), 91);
        QVERIFY(strongNear(arc[arc.size() / 2]));
        QVERIFY(!strongNear(middle(at("SEA1"), at("SEA2"))));
    }

    // Every screen's design on real widgets: each control a user works with
    // has a name a screen reader says, unique in its window, and the role of
    // what it is; each button has an Alt letter of its own; every window is
    // titled; Tab goes as the screen is read; and a box stays by what is
    // left of it (its label) when the window is widened.
    void everyDesignIsNamedReadInOrderAndWidens() {
        h->bind();
        QStringList wrong;
        for (ui::Form* form : h->app.forms()) {
            // The window alone: loading the screen would run its start-up.
            QWidget* window = h->adapter->window(*form);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            wrong << namingFaults(*form) << readingOrderFaults(*form);
            const QMap<QString, int> before = gapsLeftOfBoxes(*form);
            window->resize(window->width() + 400, window->height());
            QTest::qWait(1);
            const QMap<QString, int> after = gapsLeftOfBoxes(*form);
            for (auto it = before.begin(); it != before.end(); ++it)
                if (after.value(it.key()) > it.value() + 16)
                    wrong << QString::fromStdString(form->name()) + ": " + it.key() +
                                 " moves off " + QString::number(it.value()) + " -> " +
                                 QString::number(after.value(it.key()));
            window->hide();
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("\n")));
    }

    // Tab goes as the editors are read in each mode, as they stand once
    // opened.
    void tabFollowsTheReadingOrderInEveryMode() {
        QTemporaryDir folder;
        h->openKSEA(folder);
        h->bind();
        QStringList wrong;
        for (const shell::EditMode mode :
             {shell::EditMode::CreateSIDs, shell::EditMode::ModifySIDs,
              shell::EditMode::CreateSTARs, shell::EditMode::ModifySTARs}) {
            h->m->EditMode = mode;
            QVERIFY(h->shown(h->editor));
            wrong << readingOrderFaults(h->editor);
            h->app.dispatch([this] { h->editor.unload(); });
        }
        h->m->TransitionRunway = "16L";
        QVERIFY(h->shown(h->runwayForm));
        wrong << readingOrderFaults(h->runwayForm);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("\n")));
    }

private:
    // Where Tab goes against the reading order among the controls shown:
    // top to bottom, and left to right within a row. A frame is read as a
    // whole: its place counts against what lies outside it.
    QStringList readingOrderFaults(const ui::Form& form) {
        QWidget* window = h->adapter->window(form);
        const auto place = [&](const ui::Control& c) {
            return placeIn(window, h->adapter->widget(c));
        };
        const auto outermost = [](const ui::Control* c) {
            while (c->container() != nullptr)
                c = c->container();
            return c;
        };
        QStringList wrong;
        window->layout()->activate();
        const ui::Control* previous = nullptr;
        for (const ui::Control* c : form.tabOrder()) {
            QWidget* w = h->adapter->widget(*c);
            if (!c->focusable() || !c->tabStop() || w == nullptr || !w->isVisibleTo(window))
                continue;
            if (previous != nullptr) {
                const bool oneFrame = outermost(c) == outermost(previous);
                const QRect r = place(oneFrame ? *c : *outermost(c));
                const QRect p = place(oneFrame ? *previous : *outermost(previous));
                const bool sameRow = r.top() < p.bottom() && p.top() < r.bottom();
                if (sameRow ? r.left() < p.left() : r.top() < p.top())
                    wrong << QString::fromStdString(form.name() + ": " + previous->name() + " -> " +
                                                    c->name());
            }
            previous = c;
        }
        return wrong;
    }

    // For each box shown, the room between it and the nearest widget on its
    // left in the same row.
    QMap<QString, int> gapsLeftOfBoxes(const ui::Form& form) {
        QWidget* window = h->adapter->window(form);
        window->layout()->activate();
        QList<QWidget*> shown;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (w->isVisibleTo(window) && w->findChildren<QWidget*>().isEmpty())
                shown << w;
        QMap<QString, int> gaps;
        for (const ui::Control* c : form.controls()) {
            auto* box = qobject_cast<QLineEdit*>(h->adapter->widget(*c));
            if (box == nullptr || !box->isVisibleTo(window))
                continue;
            const QRect r = placeIn(window, box);
            int gap = -1;
            for (QWidget* w : shown) {
                QRect o = placeIn(window, w);
                // A label ends where its text does.
                if (auto* label = qobject_cast<QLabel*>(w);
                    label != nullptr && !(label->alignment() & (Qt::AlignRight | Qt::AlignHCenter)))
                    o.setWidth(std::min(o.width(), label->sizeHint().width()));
                if (w != box && o.right() < r.left() && o.top() < r.bottom() &&
                    r.top() < o.bottom())
                    gap = gap < 0 ? r.left() - o.right() : std::min(gap, r.left() - o.right());
            }
            if (gap >= 0)
                gaps[QString::fromStdString(c->name())] = gap;
        }
        return gaps;
    }

    QStringList namingFaults(const ui::Form& form) {
        QStringList wrong;
        const QString where = QString::fromStdString(form.name()) + ": ";
        QWidget* window = h->adapter->window(form);
        if (window->windowTitle().isEmpty() || window->accessibleName().isEmpty())
            wrong << where + "untitled window";
        QSet<QString> names;
        QSet<QString> letters;
        for (const ui::Control* c : form.controls()) {
            QWidget* w = h->adapter->widget(*c);
            const std::string_view kind = c->kind();
            if (!c->exposed()) {
                if (w != nullptr)
                    wrong << where + "a widget for the helper " + QString::fromStdString(c->name());
                continue;
            }
            if (kind == "Label" || kind == "Frame")
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            const QString name = a->text(QAccessible::Name);
            const QString what = where + QString::fromStdString(c->name());
            if (name.isEmpty() || name.contains("  "))
                wrong << what + " has no name, or runs of spaces in it: " + name;
            else if (names.contains(name))
                wrong << what + " has the name of another: " + name;
            names << name;
            const QAccessible::Role role = kind == "OptionButton"    ? QAccessible::RadioButton
                                           : kind == "CheckBox"      ? QAccessible::CheckBox
                                           : kind == "CommandButton" ? QAccessible::Button
                                                                     : a->role();
            if (a->role() != role)
                wrong << what + " is exposed as role " + QString::number(a->role());
            // Qt groups the options of one parent, the model those of one frame.
            if (kind == "OptionButton" && c->container() != nullptr &&
                w->parentWidget() != h->adapter->widget(*c->container()))
                wrong << what + " is not in its frame's widget";
            if (kind == "CommandButton") {
                const QString letter =
                    QKeySequence::mnemonic(qobject_cast<QPushButton*>(w)->text()).toString();
                if (letter.isEmpty() || letters.contains(letter))
                    wrong << what + " has no Alt letter of its own";
                letters << letter;
            }
        }
        return wrong;
    }

    std::unique_ptr<Harness> h;
};

QTEST_MAIN(ScreenDesignsTest)
#include "ScreenDesignsTest.moc"
