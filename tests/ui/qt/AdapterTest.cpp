// The forms rules on real widgets: keystrokes, clicks and focus through the
// binder, the message box port and the event boundary.
#include "../TestScreen.h"
#include "runtime/RuntimeError.h"
#include "ui/Forms.h"
#include "ui/qt/Application.h"
#include "ui/qt/BindError.h"
#include "ui/qt/FormDesigns.h"
#include "ui/qt/MessageBoxes.h"

#include "ui_TestScreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// The headless tests' screen, with the label the design adds and a click
// that fails or ends the program.
class Screen : public TestScreen {
public:
    explicit Screen(ui::App& app) : TestScreen(app) {
        NoteLabel.setCaption("Ident");
        OkCommand.Click = [this] {
            log.push_back("OkCommand_Click");
            if (failOnClick)
                throw runtime::RuntimeError(runtime::PathNotFound, "Path not found");
            if (endOnClick) {
                End();
                log.push_back("after End");
            }
        };
    }
    ui::Label NoteLabel{*this, "NoteLabel"};
    bool endOnClick = false;
    bool failOnClick = false;
};

std::unique_ptr<ui::qt::FormWindow> designedWindow() {
    auto window = std::make_unique<ui::qt::FormWindow>();
    Ui::TestScreen design;
    design.setupUi(window.get());
    return window;
}

// Radio buttons and check boxes take clicks on their indicator.
void clickIndicator(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Answers the next message box with its default button, as Enter would,
// keeping its text.
void answerNextBoxWithEnter(QString* text = nullptr) {
    QTimer::singleShot(20, [text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (text != nullptr)
                *text = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            answerNextBoxWithEnter(text);
        }
    });
}

// The widget a failed bind names; the message must name it too.
std::string bindError(const std::function<void()>& bind, const std::string& mentions = "") {
    try {
        bind();
    } catch (const ui::qt::BindError& e) {
        const std::string what = e.what();
        if (what.find(e.widgetName()) == std::string::npos ||
            what.find(mentions) == std::string::npos)
            return "unclear message: " + what;
        return e.widgetName();
    }
    return "bound";
}

struct Harness {
    ui::qt::MessageBoxes messages;
    ui::App app{messages};
    Screen screen{app};
    ui::qt::Application adapter{app};

    Harness() { adapter.bind(screen, designedWindow()); }
    template <class W> W* widget(const ui::Control& control) {
        return qobject_cast<W*>(adapter.widget(control));
    }
    QWidget* window() { return adapter.window(screen); }
};

} // namespace

class AdapterTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        h = std::make_unique<Harness>();
        h->app.dispatch([this] { h->screen.show(); });
        QVERIFY(QTest::qWaitForWindowActive(h->window()));
        h->screen.log.clear();
    }
    void cleanup() { h.reset(); }
    QStringList log() const {
        QStringList lines;
        for (const std::string& line : h->screen.log)
            lines << QString::fromStdString(line);
        return lines;
    }

    void designStateIsPushedToTheWidgets() {
        QCOMPARE(h->window()->windowTitle(), QString("Test Screen"));
        QCOMPARE(h->widget<QLabel>(h->screen.NoteLabel)->text(), QString("Ident"));
        QCOMPARE(h->widget<QPushButton>(h->screen.OkCommand)->text(), QString("&OK"));
        QVERIFY(h->widget<QRadioButton>(h->screen.NorthOption)->isChecked());
        QCOMPARE(QApplication::focusWidget(), h->widget<QLineEdit>(h->screen.IdentText));
        h->screen.IdentText.setForeColor(ui::colors::Red);
        QCOMPARE(h->widget<QLineEdit>(h->screen.IdentText)->palette().color(QPalette::Text),
                 QColor(255, 0, 0));
        h->screen.NameText.setEnabled(false);
        QVERIFY(!h->widget<QLineEdit>(h->screen.NameText)->isEnabled());
    }

    // A button's keys click it even from a line edit, whose own undo would
    // take Ctrl+Z; the click comes after the box's LostFocus (rule 4).
    void keysOfAButtonClickItFromALineEdit() {
        h->screen.OkCommand.setShortcuts({"Ctrl+Z", "Ctrl+Shift+Z"});
        h->screen.OkCommand.setToolTip("Undo: move SEA up");
        QCOMPARE(h->widget<QPushButton>(h->screen.OkCommand)->toolTip(),
                 QString("Undo: move SEA up"));
        auto* ident = h->widget<QLineEdit>(h->screen.IdentText);
        QTest::keyClicks(ident, "K");
        h->screen.log.clear();
        QTest::keyClick(ident, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(log(), QStringList({"IdentText_LostFocus, focus in OkCommand", "OkCommand_Click",
                                     "OkCommand_Click"}));
        QCOMPARE(ident->text(), QString("K"));
    }

    void typedTextFiresChangePerKeystrokeAndEnterInsertsNothing() {
        auto* ident = h->widget<QLineEdit>(h->screen.IdentText);
        QTest::keyClicks(ident, "KS");
        QTest::keyClick(ident, Qt::Key_Return);
        QTest::keyClicks(ident, "EAX");
        // F4 and Alt+Down are the keyboard's double click.
        QTest::keyClick(ident, Qt::Key_F4);
        QTest::keyClick(ident, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(
            log(),
            QStringList({"IdentText_KeyPress 75", "IdentText_Change K", "IdentText_KeyPress 83",
                         "IdentText_Change KS", "IdentText_KeyPress 13", "IdentText_KeyPress 69",
                         "IdentText_Change KSE", "IdentText_KeyPress 65", "IdentText_Change KSEA",
                         "IdentText_KeyPress 88", "IdentText_DblClick", "IdentText_DblClick"}));
        QCOMPARE(ident->text(), QString("KSEA"));
        QCOMPARE(h->screen.IdentText.text(), std::string("KSEA"));
        QCOMPARE(ident->cursorPosition(), 4);
    }

    void maxLengthCutsAssignedAndPastedText() {
        auto* ident = h->widget<QLineEdit>(h->screen.IdentText);
        h->screen.IdentText.setText("KSEATTLE");
        QCOMPARE(ident->text(), QString("KSEA"));
        QCOMPARE(log(), QStringList({"IdentText_Change KSEA"}));
        // A paste comes back as one edit.
        h->screen.IdentText.setText("");
        QApplication::clipboard()->setText("PAEWHATEVER");
        QTest::keyClick(ident, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h->screen.IdentText.text(), std::string("PAEW"));
        QCOMPARE(ident->text(), QString("PAEW"));
    }

    void refusingLostFocusKeepsTheClickFromBeingDelivered() {
        bool withMessage = true;
        h->screen.IdentText.LostFocus = [&] {
            h->screen.log.push_back("LostFocus");
            if (withMessage)
                h->screen.MsgBox("Enter only numbers please.");
            h->screen.IdentText.selectAll();
            h->screen.IdentText.setFocus();
        };
        auto* ident = h->widget<QLineEdit>(h->screen.IdentText);
        QTest::keyClicks(ident, "12A");
        h->screen.log.clear();

        // The first refusal shows its message in a nested event loop.
        QString shown;
        answerNextBoxWithEnter(&shown);
        QTest::mouseClick(h->widget<QPushButton>(h->screen.OkCommand), Qt::LeftButton);
        QCOMPARE(shown, QString("Enter only numbers please."));
        QTRY_COMPARE(QApplication::focusWidget(), ident);
        withMessage = false;
        clickIndicator(h->widget<QRadioButton>(h->screen.SouthOption));
        clickIndicator(h->widget<QCheckBox>(h->screen.FloatCheck));

        QCOMPARE(log(), QStringList({"LostFocus", "LostFocus", "LostFocus"}));
        QVERIFY(h->screen.IdentText.hasFocus());
        QCOMPARE(QApplication::focusWidget(), ident);
        QCOMPARE(ident->selectedText(), QString("12A"));
        QVERIFY(!h->widget<QRadioButton>(h->screen.SouthOption)->isChecked());
        QVERIFY(!h->widget<QCheckBox>(h->screen.FloatCheck)->isChecked());
    }

    void optionCheckBoxAndListClicksSetTheModel() {
        h->screen.WaypointList.AddItem("SEA");
        h->screen.WaypointList.AddItem("OLM");
        auto* list = h->widget<QListWidget>(h->screen.WaypointList);
        QCOMPARE(list->count(), 2);
        clickIndicator(h->widget<QRadioButton>(h->screen.SouthOption));
        clickIndicator(h->widget<QCheckBox>(h->screen.FloatCheck));
        const QPoint second = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
        // A double click: the first click selects, the second opens.
        QCOMPARE(log().mid(1), QStringList({"SouthOption_Click, North off", "FloatCheck_Click 1",
                                            "WaypointList_Click 1", "WaypointList_DblClick"}));
        QVERIFY(h->screen.SouthOption.value());
        QVERIFY(!h->screen.NorthOption.value());
        QVERIFY(!h->widget<QRadioButton>(h->screen.NorthOption)->isChecked());
        // "None" shows too, though Qt's own groups keep one checked.
        h->screen.SouthOption.setValue(false);
        QVERIFY(!h->widget<QRadioButton>(h->screen.SouthOption)->isChecked());
        // An arrow key chooses the next option of the group, focus and all.
        auto* north = h->widget<QRadioButton>(h->screen.NorthOption);
        clickIndicator(north);
        QTest::keyClick(north, Qt::Key_Right);
        QVERIFY(h->screen.SouthOption.value() && h->screen.SouthOption.hasFocus());
        QVERIFY(h->widget<QRadioButton>(h->screen.SouthOption)->isChecked());
        QVERIFY(!north->isChecked());
        QCOMPARE(h->screen.FloatCheck.value(), 1);
        QCOMPARE(list->currentRow(), 1);
        h->screen.WaypointList.setListIndex(-1);
        QCOMPARE(list->currentRow(), -1);
    }

    void tabMovesTheFocusThroughTheModel() {
        QTest::keyClick(h->widget<QLineEdit>(h->screen.IdentText), Qt::Key_Tab);
        QVERIFY(h->screen.NameText.hasFocus());
        QCOMPARE(QApplication::focusWidget(), h->widget<QLineEdit>(h->screen.NameText));
        QCOMPARE(log(), QStringList({"IdentText_LostFocus, focus in NameText"}));
        // The style draws the focus where keys moved it.
        QVERIFY(h->window()->testAttribute(Qt::WA_KeyboardFocusChange));
    }

    void anUnhandledErrorIsShownAndEndsTheProgram() {
        h->screen.failOnClick = true;
        QString shown;
        answerNextBoxWithEnter(&shown);
        QTest::mouseClick(h->widget<QPushButton>(h->screen.OkCommand), Qt::LeftButton);
        QCOMPARE(shown, QString("Run-time error '76':\n\nPath not found"));
        QVERIFY(h->app.ended());
        QVERIFY(!h->window()->isVisible());
    }

    void runReturnsWhenTheProgramEnds() {
        h->screen.endOnClick = true;
        QTimer::singleShot(0, [this] {
            QTest::mouseClick(h->widget<QPushButton>(h->screen.OkCommand), Qt::LeftButton);
        });
        QCOMPARE(h->adapter.run(h->screen), 0);
        QVERIFY(h->app.ended());
        QVERIFY(!h->window()->isVisible());
        QVERIFY(!log().contains("after End"));
        QVERIFY(!log().contains("Form_Unload"));
    }

    void closingTheWindowUnloadsTheScreen() {
        h->window()->close();
        QCOMPARE(log(), QStringList({"Form_Unload"}));
        QVERIFY(!h->screen.isLoaded());
        QVERIFY(!h->window()->isVisible());
        // Nothing is loaded any more: the program is over.
        QTRY_VERIFY(h->app.ended());
    }

    // Captions, texts and window titles come from the screens' code, which
    // the headless tests check; one left in a design would only be
    // overwritten at start-up, so a change made there would do nothing.
    // Every design fits a 1024 x 768 screen.
    void theDesignsFitTheScreenAndCarryNoCaptions() {
        for (const char* name :
             {"InitialLoad", "PickFile", "UsersNameForm", "FindFlyForm", "AddARC",
              "FindWaypointForm", "RunwayForm", "UserFixForm", "ModifyProcedure"}) {
            const auto window = ui::qt::createDesignedWindow(name);
            QVERIFY2(window != nullptr, name);
            const QSize size = window->sizeHint();
            QVERIFY2(
                size.width() <= 1024 && size.height() <= 768,
                qPrintable(QString("%1 %2x%3").arg(name).arg(size.width()).arg(size.height())));
            QStringList captions;
            if (!window->windowTitle().isEmpty())
                captions << window->windowTitle();
            for (const QWidget* w : window->findChildren<QWidget*>()) {
                QString text;
                if (const auto* label = qobject_cast<const QLabel*>(w))
                    text = label->text();
                else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
                    text = button->text();
                else if (const auto* box = qobject_cast<const QGroupBox*>(w))
                    text = box->title();
                else if (const auto* edit = qobject_cast<const QLineEdit*>(w))
                    text = edit->text();
                if (!text.isEmpty())
                    captions << w->objectName() + ": " + text;
            }
            QVERIFY2(captions.isEmpty(), qPrintable(QString(name) + " " + captions.join(", ")));
        }
    }

    void aMismatchedDesignFailsAtStartUpWithTheWidgetsName() {
        ui::qt::MessageBoxes messages;
        {
            ui::App app(messages);
            ui::Form form(app, "NoSuchScreen");
            ui::qt::Application adapter(app);
            QCOMPARE(bindError([&] { adapter.bindAll(); }), std::string("NoSuchScreen"));
        }
        {
            ui::App app(messages);
            Screen screen(app);
            ui::TextBox ghost(screen, "GhostText");
            ui::qt::Application adapter(app);
            QCOMPARE(bindError([&] { adapter.bind(screen, designedWindow()); }),
                     std::string("GhostText"));
        }
        ui::App app(messages);
        ui::Form form(app, "TestScreen");
        ui::TextBox wrong(form, "OkCommand");
        ui::Form other(app, "OtherScreen");
        ui::qt::Application adapter(app);
        QCOMPARE(bindError([&] { adapter.bind(form, designedWindow()); }, "QPushButton"),
                 std::string("OkCommand"));
        QCOMPARE(bindError([&] { adapter.bind(other, designedWindow()); }),
                 std::string("OtherScreen"));
    }

    void messageBoxesShowButtonsIconDefaultAndTitle() {
        const ui::Message question{"Line one\r\nLine two", ui::Buttons::YesNo, ui::Icon::Critical,
                                   ui::DefaultButton::Second, "Program termination."};
        auto box = ui::qt::makeMessageBox(question, nullptr);
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
        QCOMPARE(box->windowTitle(), QString("Program termination."));
        QCOMPARE(box->text(), QString("Line one\nLine two"));

        auto notice = ui::qt::makeMessageBox(ui::Message{"Saved."}, nullptr);
        QCOMPARE(notice->standardButtons(), QMessageBox::Ok);
        QCOMPARE(notice->icon(), QMessageBox::NoIcon);
        QCOMPARE(notice->windowTitle(), QString("Vextrel"));

        // Enter on a shown box gives its default answer.
        answerNextBoxWithEnter();
        QCOMPARE(h->messages.MsgBox("Really?", ui::Buttons::YesNo, ui::Icon::Critical,
                                    ui::DefaultButton::Second),
                 ui::answers::No);
        answerNextBoxWithEnter();
        QCOMPARE(h->messages.MsgBox("Really?", ui::Buttons::YesNo), ui::answers::Yes);
    }

private:
    std::unique_ptr<Harness> h;
};

QTEST_MAIN(AdapterTest)
#include "AdapterTest.moc"
