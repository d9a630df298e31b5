// The transition editor's Designer form on real widgets: every control finds
// its widget, the option pairs are separate groups, and a feeder can be built
// through the widgets.
#include "shell/Module1.h"
#include "support/NoProcedureEditor.h"
#include "transitions/RunwayForm.h"
#include "ui/qt/Application.h"
#include "ui/qt/FormDesigns.h"
#include "ui/qt/MessageBoxes.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace {

struct Harness {
    ui::qt::MessageBoxes messages;
    ui::App app{messages};
    std::unique_ptr<shell::Module1> m = std::make_unique<shell::Module1>();
    support::NoProcedureEditor procedureEditor;
    transitions::RunwayForm& form = app.add<transitions::RunwayForm>(*m, procedureEditor);
    ui::qt::Application adapter{app};

    Harness() {
        m->NavaidTable = reference::NavaidTable({{"SEA", 47.435361f, -122.309611f, 116.8f}});
        m->EditMode = shell::EditMode::ModifySTARs;
        m->TransitionRunway = "16C";
        m->Store.Runways[1] = {"16L", "CF16L", "", "2000", store::True, store::True};
        m->Store.RunwayCount = 1;
        adapter.bindAll();
    }
    template <class W> W* widget(const ui::Control& control) {
        return qobject_cast<W*>(adapter.widget(control));
    }
};

} // namespace

class RunwayFormDesignTest : public QObject {
    Q_OBJECT

private slots:
    void theDesignFitsTheScreen() {
        const auto window = ui::qt::createDesignedWindow("RunwayForm");
        QVERIFY(window != nullptr);
        QVERIFY(window->sizeHint().width() <= 1024 && window->sizeHint().height() <= 768);
    }

    void aFeederIsBuiltThroughTheWidgets() {
        Harness h;
        h.app.dispatch([&] { h.form.show(); });
        QWidget* window = h.adapter.window(h.form);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), QString("Modify a Runway Intermediate Fix Procedure"));
        QCOMPARE(h.widget<QPushButton>(h.form.RWSaveCommand)->text(),
                 QString("Save Rw 16C  Feeder"));

        // North/South and East/West are two groups.
        QTest::mouseClick(h.widget<QRadioButton>(h.form.RWSLatOption), Qt::LeftButton);
        QVERIFY(h.widget<QRadioButton>(h.form.RWSLatOption)->isChecked());
        QVERIFY(h.widget<QRadioButton>(h.form.RWWLongOption)->isChecked());

        auto* navaid = h.widget<QLineEdit>(h.form.RWAddNavText);
        QTest::keyClicks(navaid, "sea");
        QTest::keyClick(navaid, Qt::Key_Return);
        QVERIFY(h.widget<QLineEdit>(h.form.RWAlt1Text)->hasFocus());
        QTest::keyClicks(h.widget<QLineEdit>(h.form.RWAlt1Text), "3000");
        QTest::mouseClick(h.widget<QPushButton>(h.form.AddRWWaypointCommand), Qt::LeftButton);

        auto* list = h.widget<QListWidget>(h.form.RWWaypointList);
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QString("SEA"));
        QCOMPARE(h.m->WorkRunways[2].Alt, std::string("3000"));
    }
};

QTEST_MAIN(RunwayFormDesignTest)
#include "RunwayFormDesignTest.moc"
