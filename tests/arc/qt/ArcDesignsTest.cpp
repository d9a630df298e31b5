// The arc generator's and the navaid search's Designer forms on real
// widgets: every control finds its widget, and the screens work through them.
#include "arc/AddARC.h"
#include "arc/FindWaypointForm.h"
#include "shell/Module1.h"
#include "ui/qt/Application.h"
#include "ui/qt/FormDesigns.h"
#include "ui/qt/MessageBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

struct Harness {
    ui::qt::MessageBoxes messages;
    ui::App app{messages};
    std::unique_ptr<shell::Module1> m = std::make_unique<shell::Module1>();
    arc::AddARC& arcForm = app.add<arc::AddARC>(*m);
    arc::FindWaypointForm& search = app.add<arc::FindWaypointForm>(*m);
    ui::qt::Application adapter{app};

    Harness() {
        m->NavaidTable = reference::NavaidTable({{"ABC", 10, 20, 0}, {"ABC", -33.5f, 151.25f, 0}});
        adapter.bindAll();
    }
    template <class W> W* widget(const ui::Control& control) {
        return qobject_cast<W*>(adapter.widget(control));
    }
};

} // namespace

class ArcDesignsTest : public QObject {
    Q_OBJECT

private slots:
    void bothScreensHaveADesignThatFitsTheScreen() {
        for (const char* name : {"AddARC", "FindWaypointForm"}) {
            const auto window = ui::qt::createDesignedWindow(name);
            QVERIFY2(window != nullptr, name);
            QVERIFY2(window->sizeHint().width() <= 1024 && window->sizeHint().height() <= 768,
                     name);
        }
    }

    void searchAndTransferThroughTheWidgets() {
        Harness h;
        h.app.dispatch([&] { h.arcForm.show(); });
        QCOMPARE(h.adapter.window(h.arcForm)->windowTitle(), QString("ARC Designer"));
        QVERIFY(!h.widget<QLineEdit>(h.arcForm.ArcText)->isVisible());
        QTest::mouseClick(h.widget<QPushButton>(h.arcForm.SelectNavaidCommand), Qt::LeftButton);
        QWidget* searchWindow = h.adapter.window(h.search);
        QVERIFY(QTest::qWaitForWindowExposed(searchWindow));

        auto* searchText = h.widget<QLineEdit>(h.search.SearchText);
        QTest::keyClicks(searchText, "abc");
        QTest::mouseClick(h.widget<QPushButton>(h.search.SearchCommand), Qt::LeftButton);
        auto* results = h.widget<QListWidget>(h.search.WaypointListBox);
        QCOMPARE(results->count(), 2);

        const QRect second = results->visualItemRect(results->item(1));
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(h.widget<QLabel>(h.search.LatText)->text(), QString("S33 30.00     Latitude"));

        QTest::mouseClick(h.widget<QPushButton>(h.search.AddWaypoint), Qt::LeftButton);
        QVERIFY(!searchWindow->isVisible());
        QCOMPARE(h.widget<QLineEdit>(h.arcForm.ArcText)->text(), QString("ABC"));
        QVERIFY(h.widget<QLineEdit>(h.arcForm.ArcText)->isVisible());
    }
};

QTEST_MAIN(ArcDesignsTest)
#include "ArcDesignsTest.moc"
