#include "ui/qt/MessageBoxes.h"

#include "ui/qt/Text.h"

#include <QApplication>
#include <QPushButton>

namespace ui::qt {

std::unique_ptr<QMessageBox> makeMessageBox(const ui::Message& message, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(toQt(message.title));
    box->setTextFormat(Qt::PlainText);
    // Prompts break lines with CR LF; the label wants LF alone.
    QString text = toQt(message.prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
    box->setText(text);
    box->setIcon(message.icon == ui::Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon);
    if (message.buttons == ui::Buttons::OK) {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
    } else {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(message.defaultButton == ui::DefaultButton::First ? QMessageBox::Yes
                                                                                : QMessageBox::No);
    }
    return box;
}

int answerOf(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Yes:
        return ui::answers::Yes;
    case QMessageBox::No:
        return ui::answers::No;
    default:
        return ui::answers::OK;
    }
}

int MessageBoxes::show(const ui::Message& message) {
    const auto box = makeMessageBox(message, QApplication::activeWindow());
    box->exec();
    if (box->clickedButton() == nullptr)
        return answerOf(box->standardButton(box->defaultButton()));
    return answerOf(box->standardButton(box->clickedButton()));
}

} // namespace ui::qt
