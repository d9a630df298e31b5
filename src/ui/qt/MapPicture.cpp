#include "ui/qt/MapPicture.h"

#include "runtime/RuntimeError.h"
#include "ui/qt/QtCanvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>

namespace ui::qt {

namespace {

// Text needs the font database, which needs an application; headless when
// nothing says otherwise.
void ensureApplication() {
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vextrel";
    static char* argv[] = {name, nullptr};
    static auto app = std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

void writeMapPng(const map::Drawing& drawing, int width, int height,
                 const std::filesystem::path& file) {
    ensureApplication();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QtCanvas canvas(painter);
        map::paint(drawing, map::fitView(drawing, width, height), canvas);
        canvas.text({8, height - 30.0}, drawing.title, 12, 0x303030, true);
        canvas.text({8, height - 46.0}, drawing.variationCaption, 10, 0x303030, false);
    }
    if (!image.save(QString::fromStdString(file.string()), "PNG"))
        throw runtime::RuntimeError(runtime::PathNotFound, file.string());
}

} // namespace ui::qt
