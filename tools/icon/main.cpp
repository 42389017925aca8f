// flickerbox_icongen: draws the program's icon, a TV set with a big switch
// before it, as an SVG and as PNGs of the sizes desktops ask for. Both come
// from the one list of shapes below, so they always show the same picture.
// Usage: flickerbox_icongen <output folder>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cstdio>
#include <vector>

namespace {

constexpr int Canvas = 256;  // the shapes are drawn on a 256 x 256 grid

struct Shape {
    enum Kind { RoundedRect, Ellipse, Polygon, Line } kind;
    std::vector<QPointF> points;  // rect/ellipse: top left, bottom right; line: ends
    QColor fill;  // invalid: none
    QColor stroke;  // invalid: none
    double strokeWidth = 0;
    double radius = 0;
};

std::vector<Shape> icon_shapes()
{
    const QColor cabinet("#7a4a26"), rim("#3b2412"), screen("#9fd8f5"), dark("#222222");
    return {
        {Shape::Line, {{100, 52}, {70, 14}}, {}, dark, 8},
        {Shape::Line, {{156, 52}, {186, 14}}, {}, dark, 8},
        {Shape::RoundedRect, {{16, 48}, {240, 210}}, cabinet, rim, 8, 26},
        {Shape::RoundedRect, {{38, 68}, {196, 190}}, screen, rim, 6, 14},
        // a sun and a hill: something playing on the screen
        {Shape::Ellipse, {{60, 84}, {100, 124}}, QColor("#ffd23c"), {}, 0},
        {Shape::Polygon,
         {{40, 188}, {40, 160}, {110, 128}, {194, 170}, {194, 188}},
         QColor("#4caf50"),
         {},
         0},
        {Shape::Ellipse, {{206, 84}, {230, 108}}, QColor("#e8c9a0"), rim, 4},
        {Shape::Ellipse, {{206, 124}, {230, 148}}, QColor("#e8c9a0"), rim, 4},
        // the learner's switch, big and red, in front of the set
        {Shape::Ellipse, {{150, 162}, {250, 250}}, QColor("#b71c1c"), dark, 6},
        {Shape::Ellipse, {{160, 164}, {240, 230}}, QColor("#ef3b3b"), {}, 0},
        {Shape::Ellipse, {{176, 172}, {204, 188}}, QColor("#ff9c9c"), {}, 0},
    };
}

QString svg_colour(const QColor& c)
{
    return c.isValid() ? c.name() : QStringLiteral("none");
}

QString svg_of(const std::vector<Shape>& shapes)
{
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                 "viewBox=\"0 0 %1 %1\">\n")
                      .arg(Canvas);
    for (const Shape& s : shapes) {
        const QString paint =
            QStringLiteral(" fill=\"%1\" stroke=\"%2\" stroke-width=\"%3\" stroke-linecap=\"round\"/>\n")
                .arg(svg_colour(s.fill), svg_colour(s.stroke))
                .arg(s.strokeWidth);
        const QPointF a = s.points[0], b = s.points.size() > 1 ? s.points[1] : a;
        switch (s.kind) {
        case Shape::RoundedRect:
            out += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"")
                       .arg(a.x())
                       .arg(a.y())
                       .arg(b.x() - a.x())
                       .arg(b.y() - a.y())
                       .arg(s.radius)
                + paint;
            break;
        case Shape::Ellipse:
            out += QStringLiteral("  <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"")
                       .arg((a.x() + b.x()) / 2)
                       .arg((a.y() + b.y()) / 2)
                       .arg((b.x() - a.x()) / 2)
                       .arg((b.y() - a.y()) / 2)
                + paint;
            break;
        case Shape::Polygon: {
            QStringList points;
            for (const QPointF& p : s.points)
                points << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
            out += QStringLiteral("  <polygon points=\"%1\"").arg(points.join(u' ')) + paint;
            break;
        }
        case Shape::Line:
            out += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"")
                       .arg(a.x())
                       .arg(a.y())
                       .arg(b.x())
                       .arg(b.y())
                + paint;
            break;
        }
    }
    return out + QStringLiteral("</svg>\n");
}

QImage png_of(const std::vector<Shape>& shapes, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size) / Canvas, double(size) / Canvas);
    for (const Shape& s : shapes) {
        painter.setBrush(s.fill.isValid() ? QBrush(s.fill) : QBrush(Qt::NoBrush));
        QPen pen = s.stroke.isValid() ? QPen(s.stroke, s.strokeWidth) : QPen(Qt::NoPen);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        const QRectF box(s.points[0], s.points.size() > 1 ? s.points[1] : s.points[0]);
        switch (s.kind) {
        case Shape::RoundedRect: painter.drawRoundedRect(box, s.radius, s.radius); break;
        case Shape::Ellipse: painter.drawEllipse(box); break;
        case Shape::Polygon:
            painter.drawPolygon(QPolygonF(QList<QPointF>(s.points.begin(), s.points.end())));
            break;
        case Shape::Line: painter.drawLine(s.points[0], s.points[1]); break;
        }
    }
    return image;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: flickerbox_icongen <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::vector<Shape> shapes = icon_shapes();
    QFile svg(out.filePath(QStringLiteral("icon.svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(svg_of(shapes).toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = out.filePath(QStringLiteral("icon-%1.png").arg(size));
        if (!png_of(shapes, size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
