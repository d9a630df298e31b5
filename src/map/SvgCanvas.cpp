#include "map/SvgCanvas.h"

#include "runtime/Numbers.h"

#include <cmath>

namespace map {

namespace {

std::string num(double v) {
    const double rounded = std::round(v * 10) / 10;
    std::string s = runtime::bareNumber(rounded == 0 ? 0 : rounded);
    if (s.starts_with("."))
        s = "0" + s;
    else if (s.starts_with("-."))
        s = "-0" + s.substr(1);
    return s;
}

std::string hex(std::uint32_t rgb) {
    static const char* const digits = "0123456789abcdef";
    std::string s = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        s += digits[(rgb >> shift) & 15];
    return s;
}

std::string stroke(const Pen& pen) {
    std::string s = " stroke=\"" + hex(pen.rgb) + "\" stroke-width=\"" + num(pen.width) + "\"";
    if (pen.dashed)
        s += " stroke-dasharray=\"6 4\"";
    return s;
}

std::string points(const std::vector<Pixel>& pts) {
    std::string s;
    for (const Pixel& p : pts)
        s += (s.empty() ? "" : " ") + num(p.x) + "," + num(p.y);
    return s;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20)
                out += c;
        }
    }
    return out;
}

} // namespace

SvgCanvas::SvgCanvas(int width, int height) {
    out_ =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
        "width=\"" +
        std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
        std::to_string(width) + " " + std::to_string(height) +
        "\" font-family=\"sans-serif\">\n<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
}

void SvgCanvas::polyline(const std::vector<Pixel>& pts, const Pen& pen) {
    out_ += "<polyline fill=\"none\"" + stroke(pen) + " points=\"" + points(pts) + "\"/>\n";
}

void SvgCanvas::polygon(const std::vector<Pixel>& pts, const Pen& pen, std::uint32_t fill) {
    out_ +=
        "<polygon fill=\"" + hex(fill) + "\"" + stroke(pen) + " points=\"" + points(pts) + "\"/>\n";
}

void SvgCanvas::circle(Pixel c, double radius, const Pen& pen, bool filled) {
    out_ += "<circle cx=\"" + num(c.x) + "\" cy=\"" + num(c.y) + "\" r=\"" + num(radius) +
            "\" fill=\"" + (filled ? hex(pen.rgb) : std::string("none")) + "\"" + stroke(pen) +
            "/>\n";
}

void SvgCanvas::text(Pixel at, const std::string& text, double size, std::uint32_t rgb, bool bold) {
    out_ += "<text x=\"" + num(at.x) + "\" y=\"" + num(at.y) + "\" font-size=\"" + num(size) +
            "\" fill=\"" + hex(rgb) + "\"" + (bold ? " font-weight=\"bold\"" : "") + ">" +
            escaped(text) + "</text>\n";
}

std::string svgPicture(const Drawing& drawing, int width, int height) {
    SvgCanvas canvas(width, height);
    paint(drawing, fitView(drawing, width, height), canvas);
    canvas.text({8, height - 30.0}, drawing.title, 12, 0x303030, true);
    canvas.text({8, height - 46.0}, drawing.variationCaption, 10, 0x303030, false);
    return canvas.document();
}

} // namespace map
