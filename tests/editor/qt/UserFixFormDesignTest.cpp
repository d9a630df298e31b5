// The user-fix picker's Designer form on real widgets: every control finds
// its widget, the form fits the screen, and a fix is picked into the editor
// through them.
#include "editor/ModifyProcedure.h"
#include "editor/UserFixForm.h"
#include "shell/Module1.h"
#include "ui/qt/Application.h"
#include "ui/qt/FormDesigns.h"
#include "ui/qt/MessageBoxes.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

struct Harness {
    ui::qt::MessageBoxes messages;
    ui::App app{messages};
    std::unique_ptr<shell::Module1> m = std::make_unique<shell::Module1>();
    editor::ModifyProcedure& editor = app.add<editor::ModifyProcedure>(*m);
    editor::UserFixForm& picker = app.add<editor::UserFixForm>(*m);
    ui::qt::Application adapter{app};

    Harness() {
        store::FixRecord fix;
        fix.Name = "HAROB";
        m->UserFixTable.append(fix);
        fix.Name = "OLM270";
        fix.VOR = "OLM";
        fix.Heading = 270;
        fix.VORDist = 12;
        m->UserFixTable.append(fix);
        adapter.bind(picker, ui::qt::createDesignedWindow("UserFixForm"));
    }
    template <class W> W* widget(const ui::Control& control) {
        return qobject_cast<W*>(adapter.widget(control));
    }
};

} // namespace

class UserFixFormDesignTest : public QObject {
    Q_OBJECT

private slots:
    void init() { h = std::make_unique<Harness>(); }
    void cleanup() { h.reset(); }

    void aFixIsPickedThroughTheWidgets() {
        h->app.dispatch([this] { h->picker.show(); });
        QWidget* window = h->adapter.window(h->picker);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->sizeHint().width() <= 1024 && window->sizeHint().height() <= 768);
        QCOMPARE(window->windowTitle(), QString("User Fixes"));
        QCOMPARE(h->widget<QPushButton>(h->picker.GoBackCommand)->text(),
                 QString("      Oops        Go Back"));

        auto* list = h->widget<QListWidget>(h->picker.UserFixList);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QString("OLM270"));
        const QRect second = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(h->picker.UserFixList.listIndex(), 1);
        QTest::mouseClick(h->widget<QPushButton>(h->picker.UseFixCommand), Qt::LeftButton);

        QCOMPARE(h->editor.FixNameText.text(), std::string("OLM270"));
        QCOMPARE(h->editor.VORFIXText.text(), std::string("OLM"));
        QCOMPARE(h->editor.HeadingText.text(), std::string("270"));
        QVERIFY(!h->picker.visible());
        QVERIFY(!window->isVisible());
    }

private:
    std::unique_ptr<Harness> h;
};

QTEST_MAIN(UserFixFormDesignTest)
#include "UserFixFormDesignTest.moc"
