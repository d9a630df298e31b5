// The procedure editor's Designer form on real widgets: every control finds
// its widget, the form fits the screen, and a STAR is viewed and extended
// through the widgets.
#include "editor/ModifyProcedure.h"
#include "reference/AirportTable.h"
#include "reference/NavaidTable.h"
#include "runtime/TextFiles.h"
#include "shell/Module1.h"
#include "ui/qt/Application.h"
#include "ui/qt/FormDesigns.h"
#include "ui/qt/MessageBoxes.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <memory>

namespace {

std::filesystem::path bundled(const char* relative) {
    return std::filesystem::path(VEXTREL_DATA_DIR) / relative;
}

struct Harness {
    ui::qt::MessageBoxes messages;
    ui::App app{messages};
    std::unique_ptr<shell::Module1> m = std::make_unique<shell::Module1>();
    editor::ModifyProcedure& editor = app.add<editor::ModifyProcedure>(*m);
    ui::qt::Application adapter{app};
    QTemporaryDir folder;

    Harness() {
        m->NavaidTable = reference::loadNavaids(bundled("reference/AllFlyNavaids.txt"));
        m->AirportTable = reference::loadAirports(bundled("reference/AllFlyAirports.txt"));
        m->DataFolder = folder.path().toStdString();
        runtime::writeFileReplacing(m->DataFolder / "KSEA.txt",
                                    runtime::readWholeFile(bundled("sample/PMDG/KSEA.txt")));
        adapter.bind(editor, ui::qt::createDesignedWindow("ModifyProcedure"));
    }
    template <class W> W* widget(const ui::Control& control) {
        return qobject_cast<W*>(adapter.widget(control));
    }
    QStringList listLines() {
        QStringList out;
        auto* list = widget<QListWidget>(editor.WaypointList);
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
};

} // namespace

class ModifyProcedureDesignTest : public QObject {
    Q_OBJECT

private slots:
    void init() { h = std::make_unique<Harness>(); }
    void cleanup() { h.reset(); }

    void theSTARsOfAnAirportAreViewedAndExtendedThroughTheWidgets() {
        h->m->EditMode = shell::EditMode::ModifySTARs;
        h->m->AirportFileName = "KSEA.txt";
        h->app.dispatch([this] { h->editor.show(); });
        QWidget* window = h->adapter.window(h->editor);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->sizeHint().width() <= 1024 && window->sizeHint().height() <= 768);
        QCOMPARE(window->windowTitle(), QString("Modify a Standard Terminal Arrival Procedure"));
        QCOMPARE(h->listLines(), (QStringList{"SUMMA", "BLAKO", "COYLA"}));
        QVERIFY(!h->adapter.widget(h->editor.OnHeadFrame)->isVisible());

        // OLM4's runway 16C has no transition: red on the widget too.
        auto* next = h->widget<QPushButton>(h->editor.NextProcedureCommand);
        QCOMPARE(next->text(), QString("View Next Procedure"));
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(h->listLines(), (QStringList{"OLM", "CHENY"}));
        auto* runway = h->widget<QLineEdit>(h->editor.RwText1);
        QCOMPARE(runway->text(), QString("16C"));
        QCOMPARE(runway->palette().color(QPalette::Text), QColor(Qt::red));

        auto* navaid = h->widget<QLineEdit>(h->editor.AddNavText);
        QTest::mouseClick(navaid, Qt::LeftButton);
        QTest::keyClicks(navaid, "pae");
        QTest::mouseClick(h->widget<QPushButton>(h->editor.AddWaypointCommand), Qt::LeftButton);
        QCOMPARE(h->listLines(), (QStringList{"OLM", "CHENY", "PAE"}));
        QCOMPARE(h->m->Store.STARs[8].VOR, std::string("PAE"));
        QCOMPARE(int(h->m->Counters.STARRowCount), 8);
    }

private:
    std::unique_ptr<Harness> h;
};

QTEST_MAIN(ModifyProcedureDesignTest)
#include "ModifyProcedureDesignTest.moc"
