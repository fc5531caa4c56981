// calorix_render_icon: renders one size of the program's icon from its SVG
// drawing into a PNG, at build time.
//   calorix_render_icon DRAWING.svg SIZE OUT.png
// SIZE is the side of the square picture in pixels (1 to 1024). The drawing is
// scaled to fill it on a transparent background. Exit status 0 when the PNG
// was written whole, 2 after one line on standard error otherwise (nothing is
// left at OUT.png then).
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QSvgRenderer>
#include <charconv>
#include <iostream>
#include <string>

namespace {

int Fail(const std::string& why) {
    std::cerr << "calorix_render_icon: " << why << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return Fail("usage: calorix_render_icon DRAWING.svg SIZE OUT.png");
    const std::string sizeText = argv[2];
    int size = 0;
    const auto [end, error] =
        std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
    if (error != std::errc() || end != sizeText.data() + sizeText.size() || size < 1 ||
        size > 1024) {
        return Fail("the size must be a whole number of pixels from 1 to 1024, not " + sizeText);
    }
    const QString drawing = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(drawing);
    if (!renderer.isValid()) return Fail(std::string(argv[1]) + " is not an SVG drawing");

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();

    QSaveFile out(QString::fromLocal8Bit(argv[3]));
    if (!out.open(QIODevice::WriteOnly) || !image.save(&out, "PNG") || !out.commit()) {
        return Fail(std::string("cannot write ") + argv[3] + ": " +
                    out.errorString().toStdString());
    }
    return 0;
}
