#pragma once

#include <QString>

#include <string>

namespace ui::qt {

// Texts are bytes in the system code page; widgets hold QStrings.
inline QString toQt(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string fromQt(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Caret positions: a byte offset into the model's text and the matching
// character offset in the widget's QString.
inline int toQtPosition(const std::string& text, int bytes) {
    return static_cast<int>(toQt(text.substr(0, static_cast<std::size_t>(bytes))).size());
}
inline int fromQtPosition(const QString& text, int characters) {
    return static_cast<int>(text.left(characters).toLocal8Bit().size());
}

} // namespace ui::qt
