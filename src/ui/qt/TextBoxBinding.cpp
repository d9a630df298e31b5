#include "ui/qt/TextBoxBinding.h"

#include "ui/App.h"
#include "ui/TextBox.h"
#include "ui/qt/Application.h"
#include "ui/qt/Colors.h"
#include "ui/qt/Text.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace ui::qt {

TextBoxBinding::TextBoxBinding(Application& owner, ui::TextBox& box, QLineEdit& edit)
    : ControlBinding(owner, box, edit), box_(box), edit_(edit) {
    // The model keeps the limit; Qt's own would cut text the model holds.
    edit_.setMaxLength(32767);
    QObject::connect(&edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (syncing())
            return;
        app().userEdit(box_, fromQt(text), fromQtPosition(text, edit_.cursorPosition()));
        const Application::Sync sync(owner_);
        apply(ui::Property::Text);
        apply(ui::Property::Selection);
    });
    QObject::connect(&edit_, &QLineEdit::cursorPositionChanged, this, [this] { takeSelection(); });
    QObject::connect(&edit_, &QLineEdit::selectionChanged, this, [this] { takeSelection(); });
}

void TextBoxBinding::takeSelection() {
    if (syncing())
        return;
    const QString text = edit_.text();
    if (edit_.hasSelectedText()) {
        const int start = edit_.selectionStart();
        const int length = static_cast<int>(edit_.selectedText().size());
        const int byteStart = fromQtPosition(text, start);
        box_.selectByUser(byteStart, fromQtPosition(text, start + length) - byteStart);
    } else {
        box_.selectByUser(fromQtPosition(text, edit_.cursorPosition()), 0);
    }
}

void TextBoxBinding::apply(ui::Property what) {
    switch (what) {
    case ui::Property::Text:
        if (fromQt(edit_.text()) != box_.text())
            edit_.setText(toQt(box_.text()));
        break;
    case ui::Property::Selection: {
        const std::string& text = box_.text();
        const int start = toQtPosition(text, box_.selStart());
        const int end = toQtPosition(text, box_.selStart() + box_.selLength());
        if (end > start)
            edit_.setSelection(start, end - start);
        else
            edit_.setCursorPosition(start);
        break;
    }
    case ui::Property::ForeColor: {
        QPalette palette = edit_.palette();
        palette.setColor(QPalette::Text, toQColor(box_.foreColor()));
        edit_.setPalette(palette);
        break;
    }
    default:
        ControlBinding::apply(what);
    }
}

bool TextBoxBinding::mousePressed(QObject&, QMouseEvent&, bool doubleClick) {
    if (doubleClick)
        app().userDoubleClick(box_);
    return false;
}

bool TextBoxBinding::keyPressed(QKeyEvent& event) {
    // F4 and Alt+Down open what a double click on the box opens (a list to
    // pick from, another editor): the keyboard's way to it.
    if (event.key() == Qt::Key_F4 ||
        (event.key() == Qt::Key_Down && (event.modifiers() & Qt::AltModifier))) {
        app().userDoubleClick(box_);
        return true;
    }
    int code = -1;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        code = ui::KeyEnter;
        break;
    case Qt::Key_Backspace:
        code = ui::KeyBackspace;
        break;
    case Qt::Key_Escape:
        code = ui::KeyEscape;
        break;
    default: {
        if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QByteArray bytes = event.text().toLocal8Bit();
        // A character the code page spells in several bytes is inserted by
        // the widget and comes back as an edit.
        if (bytes.size() != 1 || static_cast<unsigned char>(bytes[0]) < 32)
            return false;
        code = static_cast<unsigned char>(bytes[0]);
    }
    }
    takeSelection();
    app().userKey(box_, code);
    return true;
}

} // namespace ui::qt
