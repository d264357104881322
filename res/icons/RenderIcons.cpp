// Renders the application icon's SVG source to the PNG sizes that are installed and built in:
// spanwise-SIZE.png for each size the desktops, Windows' icon file and the web page's manifest
// use, and spanwise-maskable-SIZE.png, the icon on a full square of its own blue, small enough
// inside it that a launcher's circle or rounded square cuts off none of it.
// Usage: spanwise_render_icons SOURCE.svg OUTPUT_DIR

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>

namespace {

// Within a maskable icon, only the circle of 80% of its width in the middle is sure to show;
// the drawing's corners lie on a circle of about 1.24 times its width.
constexpr double kMaskableScale = 0.64;
const QColor kMaskableBackground(0x2f, 0x55, 0x97); // the recorder's body in spanwise.svg

bool Render(QSvgRenderer& renderer, int nSize, bool bMaskable, const QString& file) {
    QImage image(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(bMaskable ? kMaskableBackground : QColor(Qt::transparent));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (bMaskable) {
        const double drawn = nSize * kMaskableScale;
        const double margin = (nSize - drawn) / 2;
        renderer.render(&painter, QRectF(margin, margin, drawn, drawn));
    } else {
        renderer.render(&painter);
    }
    painter.end();
    return image.save(file, "PNG");
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE.svg OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const QString dir = QString::fromLocal8Bit(argv[2]);
    QStringList failed;
    for (const int nSize : {16, 20, 24, 32, 40, 48, 64, 128, 192, 256, 512}) {
        const QString file = QStringLiteral("%1/spanwise-%2.png").arg(dir).arg(nSize);
        if (!Render(renderer, nSize, false, file)) {
            failed << file;
        }
    }
    const QString maskable = dir + QStringLiteral("/spanwise-maskable-512.png");
    if (!Render(renderer, 512, true, maskable)) {
        failed << maskable;
    }
    if (!failed.isEmpty()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(failed.join(", ")));
        return 1;
    }
    return 0;
}
