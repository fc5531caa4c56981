// Pictures of the real chart window: SVG, PDF and PNG hold what the chart
// shows, and a picture that cannot be written leaves nothing behind.
#include "picture/chart_picture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTransform>
#include <QXmlStreamReader>

#include "chart/export_commands.h"
#include "steam/saturated_properties.h"
#include "surface/test_support.h"
#include "testing/chart_test.h"
#include "testing/pdf_pages.h"

namespace calorix {
namespace {

// A drawn shape or text of an SVG document, with the stroke or fill and the
// transform of the group it stands in.
struct SvgItem {
    QString tag;
    QString colour;  // stroke of a shape, fill of a text
    QRectF bounds;   // in picture pixels, through the group's transform
    QString text;    // of a text
};

QTransform ParseMatrix(const QString& transform) {
    static const QRegularExpression matrix(QStringLiteral("matrix\\(([^)]*)\\)"));
    const QRegularExpressionMatch match = matrix.match(transform);
    if (!match.hasMatch()) return QTransform();
    const QStringList n = match.captured(1).split(QLatin1Char(','));
    if (n.size() != 6) return QTransform();
    return QTransform(n[0].toDouble(), n[1].toDouble(), n[2].toDouble(), n[3].toDouble(),
                      n[4].toDouble(), n[5].toDouble());
}

// The corners a shape's geometry names: every number pair of points or d,
// or the rectangle or ellipse.
QPolygonF ShapePoints(const QXmlStreamAttributes& a, const QString& tag) {
    QPolygonF points;
    const auto number = [&a](const char* name) { return a.value(QLatin1String(name)).toDouble(); };
    if (tag == QLatin1String("rect")) {
        points << QPointF(number("x"), number("y"))
               << QPointF(number("x") + number("width"), number("y") + number("height"));
    } else if (tag == QLatin1String("ellipse") || tag == QLatin1String("circle")) {
        const double rx = tag == QLatin1String("circle") ? number("r") : number("rx");
        const double ry = tag == QLatin1String("circle") ? number("r") : number("ry");
        points << QPointF(number("cx") - rx, number("cy") - ry)
               << QPointF(number("cx") + rx, number("cy") + ry);
    } else {
        static const QRegularExpression numberPattern(
            QStringLiteral("-?[0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?"));
        const QString text =
            a.value(QLatin1String(tag == QLatin1String("path") ? "d" : "points")).toString();
        std::vector<double> values;
        for (const QRegularExpressionMatch& m : numberPattern.globalMatch(text))
            values.push_back(m.captured().toDouble());
        for (std::size_t i = 0; i + 1 < values.size(); i += 2)
            points << QPointF(values[i], values[i + 1]);
    }
    return points;
}

std::vector<SvgItem> ReadSvg(const QByteArray& svg) {
    std::vector<SvgItem> items;
    QXmlStreamReader xml(svg);
    std::vector<QXmlStreamAttributes> groups;
    const auto inherited = [&groups](const char* name) {
        for (auto g = groups.rbegin(); g != groups.rend(); ++g) {
            if (g->hasAttribute(QLatin1String(name)))
                return g->value(QLatin1String(name)).toString();
        }
        return QString();
    };
    const auto transform = [&groups] {
        QTransform t;
        for (const QXmlStreamAttributes& g : groups)
            t = ParseMatrix(g.value(QLatin1String("transform")).toString()) * t;
        return t;
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("g")) groups.pop_back();
        if (!xml.isStartElement()) continue;
        const QString tag = xml.name().toString();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (tag == QLatin1String("g")) {
            groups.push_back(attributes);
        } else if (tag == QLatin1String("text")) {
            SvgItem item{tag,
                         attributes.hasAttribute(QLatin1String("fill"))
                             ? attributes.value(QLatin1String("fill")).toString()
                             : inherited("fill"),
                         {},
                         {}};
            item.bounds =
                transform().mapRect(QRectF(attributes.value(QLatin1String("x")).toDouble(),
                                           attributes.value(QLatin1String("y")).toDouble(), 0, 0));
            item.text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            items.push_back(item);
        } else if (tag != QLatin1String("svg") && tag != QLatin1String("title") &&
                   tag != QLatin1String("desc") && tag != QLatin1String("defs")) {
            const QPolygonF points = ShapePoints(attributes, tag);
            items.push_back({tag, inherited("stroke"), transform().map(points).boundingRect(), {}});
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return items;
}

class PictureTest : public test::ChartTest {
  protected:
    ChartPicture Picture() { return Chart().Exports().Picture(); }
    // Where the picture puts a twips point: at the centre of its pixel.
    QPointF PicturePoint(double x, double y) const { return {x / 15 + 0.5, y / 15 + 0.5}; }
    // The texts the drawing printed and the captions of the axis labels.
    QStringList ExpectedTexts() {
        QStringList texts;
        for (const TextPrimitive& text : Drawn<TextPrimitive>())
            texts << text.text.trimmed();
        for (int i = 1; i < 6; ++i) {
            texts << Chart()
                         .findChild<QLabel*>(QStringLiteral("Label2(%1)").arg(i))
                         ->text()
                         .trimmed();
        }
        return texts;
    }
    QTemporaryDir dir_;
};

TEST_F(PictureTest, TheSvgHoldsTheFrameTheDomeAndEveryText) {
    const QByteArray svg = Picture().Svg();
    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid());
    const std::vector<SvgItem> items = ReadSvg(svg);

    // The frame: one black rectangle on the chart frame's corners.
    const ChartFrame& f = area_->Frame();
    const QRectF frameRect(PicturePoint(f.ChartLeft, f.Top()),
                           PicturePoint(f.Right(), f.ChartBottom));
    int frames = 0, dome = 0, greys = 0;
    for (const SvgItem& item : items) {
        if (item.tag == QLatin1String("text")) continue;
        const QString colour = item.colour.toLower();
        if (colour == QLatin1String("#000000") &&
            std::abs(item.bounds.left() - frameRect.left()) < 0.01 &&
            std::abs(item.bounds.top() - frameRect.top()) < 0.01 &&
            std::abs(item.bounds.right() - frameRect.right()) < 0.01 &&
            std::abs(item.bounds.bottom() - frameRect.bottom()) < 0.01) {
            ++frames;
        }
        if (colour == QLatin1String("#800080")) ++dome;
        if (colour == QLatin1String("#c0c0c0")) ++greys;
    }
    EXPECT_EQ(frames, 1) << "the frame rectangle";
    // 374 liquid and 747 vapour segments, the origin's dot and the critical point.
    EXPECT_GE(dome, 374 + 747 + 1);
    EXPECT_EQ(greys, 0) << "the cross-hair is not part of the picture";

    QStringList texts;
    for (const SvgItem& item : items) {
        if (item.tag == QLatin1String("text")) texts << item.text.trimmed();
    }
    for (const QString& expected : ExpectedTexts()) {
        EXPECT_TRUE(texts.contains(expected)) << expected.toStdString();
    }
    // The vertical title, one letter a line.
    EXPECT_TRUE(texts.join(QString()).contains(QStringLiteral("Temperature")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Location:"))) << "the side panel is left out";
    EXPECT_FALSE(texts.contains(QStringLiteral("Locate")));
}

TEST_F(PictureTest, ThePdfIsOnePageOfTheChartsShapeWithItsTextsAsText) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(Picture().Write(buffer, PictureFormat::kPdf, 1));
    const QByteArray pdf = buffer.data();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    EXPECT_TRUE(pdf.contains("/Font")) << "texts stay text";
    const std::optional<QSizeF> box = test::PdfMediaBox(pdf);
    ASSERT_TRUE(box);
    // The page is the chart's size on the screen, in points.
    const QSize size = Picture().Size();
    EXPECT_NEAR(box->width(), size.width() * 72.0 / 96, 1);
    EXPECT_NEAR(box->height(), size.height() * 72.0 / 96, 1);
}

TEST_F(PictureTest, ThePngHasTheBlackFrameAndTheMagentaDomeAtTheirPixels) {
    const ChartFrame& f = area_->Frame();
    for (const int scale : {1, 2, 4}) {
        const QImage image = Picture().Image(scale).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(image.size(), Picture().Size() * scale) << scale;
        // Axis-parallel edges on whole device pixels, in their exact colour.
        const auto device = [scale](double twips) { return int(std::lround(twips / 15 * scale)); };
        const int midY = device((f.Top() + f.ChartBottom) / 2 + 37);
        // Right of the dome, where the low reference isobar has left the bottom edge.
        const int midX = device(f.ChartLeft + f.ChartWidth * 11.5 / 12);
        for (const QPoint edge :
             {QPoint(device(f.ChartLeft), midY), QPoint(device(f.Right()), midY),
              QPoint(midX, device(f.Top())), QPoint(midX, device(f.ChartBottom))}) {
            EXPECT_EQ(test::PixelColor(image, edge.x(), edge.y()), QColor(Qt::black))
                << "scale " << scale << " at " << edge.x() << ", " << edge.y();
        }
        // The dome passes through the saturated states: the pixel nearest
        // such a state is mostly magenta.
        for (const double T : {300.0, 450.0, 600.0}) {
            for (const double s : {double(SatLiquidEntropy(T)), double(SatVaporEntropy(T))}) {
                const ChartPoint p = f.Map(s, T);
                const QPointF at = PicturePoint(p.x, p.y) * scale;
                bool magenta = false;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QColor pixel =
                            test::PixelColor(image, int(at.x()) + dx, int(at.y()) + dy);
                        magenta |= test::MostlyInk(pixel, QBColor(5)) && pixel.red() < 200 &&
                                   pixel.green() < 100;
                    }
                }
                EXPECT_TRUE(magenta) << "scale " << scale << ", T = " << T << ", s = " << s;
            }
        }
    }
}

TEST_F(PictureTest, APngAtOneScaleIsWhatTheWindowShowsWithoutItsPanelAndCrossHair) {
    for (LineControl* line : Chart().LineControls())
        line->SetVisible(false);
    const QRect area = PictureArea(Chart());
    const QImage screen = Chart().grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = Picture().Image(1).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(screen.size(), picture.size());
    int differing = 0;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x)
            differing += screen.pixel(x, y) != picture.pixel(x, y);
    }
    EXPECT_EQ(differing, 0);
    // Without its side panel: the panel begins where the picture ends.
    EXPECT_EQ(area.right() + 1, Chart().PanelBox().x());
}

TEST_F(PictureTest, APictureThatCannotBeWrittenSaysWhyAndLeavesNothing) {
    ASSERT_TRUE(dir_.isValid());
    QString error;
    // A folder that does not exist.
    const QString missing = dir_.filePath(QStringLiteral("missing/chart.svg"));
    EXPECT_FALSE(ExportPicture(Picture(), missing, PictureFormat::kSvg, 1, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(missing));
    // A folder where the file should go: written beside it, the rename fails.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("taken.png")));
    error.clear();
    EXPECT_FALSE(ExportPicture(Picture(), dir_.filePath(QStringLiteral("taken.png")),
                               PictureFormat::kPng, 2, &error));
    EXPECT_FALSE(error.isEmpty());
    // A scale that no PNG is drawn at.
    error.clear();
    EXPECT_FALSE(ExportPicture(Picture(), dir_.filePath(QStringLiteral("odd.png")),
                               PictureFormat::kPng, 3, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("taken.png")});

    // And a picture that can be written is there whole, under its name.
    const QString good = dir_.filePath(QStringLiteral("chart.png"));
    ASSERT_TRUE(ExportPicture(Picture(), good, PictureFormat::kPng, 1, &error));
    EXPECT_EQ(QImage(good).size(), Picture().Size());
}

TEST_F(PictureTest, PrintingScalesTheChartToThePageKeepingItsProportions) {
    ASSERT_TRUE(dir_.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir_.filePath(QStringLiteral("printed.pdf")));
    printer.setPageOrientation(QPageLayout::Landscape);
    ASSERT_TRUE(Picture().Print(printer));
    QFile file(printer.outputFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
}

TEST_F(PictureTest, TheClipboardGetsAnImageAndTheSvg) {
    std::unique_ptr<QMimeData> data(Picture().MimeData());
    EXPECT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), Picture().Size() * 2);
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
}

TEST(FormatOfPath, TakesTheExtensionInAnyCase) {
    EXPECT_EQ(FormatOfPath(QStringLiteral("a/chart.PNG")), PictureFormat::kPng);
    EXPECT_EQ(FormatOfPath(QStringLiteral("chart.svg")), PictureFormat::kSvg);
    EXPECT_EQ(FormatOfPath(QStringLiteral("x.y.Pdf")), PictureFormat::kPdf);
    EXPECT_FALSE(FormatOfPath(QStringLiteral("chart")).has_value());
    EXPECT_FALSE(FormatOfPath(QStringLiteral("chart.png.bak")).has_value());
    EXPECT_FALSE(FormatOfPath(QStringLiteral("png")).has_value());
}

}  // namespace
}  // namespace calorix
