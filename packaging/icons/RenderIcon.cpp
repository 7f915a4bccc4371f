// render_icon: draws one of our SVG icons as PNG files of the hicolor sizes, at
// build time, with Qt SVG, the renderer the program's own pictures use.
//
//   render_icon ICON.svg OUTPUT_FOLDER CONTEXT NAME SIZE...
//
// writes OUTPUT_FOLDER/<SIZE>x<SIZE>/CONTEXT/NAME.png for every size.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 6) {
        std::fputs("usage: render_icon ICON.svg OUTPUT_FOLDER CONTEXT NAME SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_icon: %s: not a valid SVG file\n", qPrintable(args[1]));
        return 1;
    }
    for (const QString &sizeText : args.mid(5)) {
        const int size = sizeText.toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/%3").arg(args[2]).arg(size).arg(args[3]);
        const QString target = folder + QLatin1Char('/') + args[4] + QStringLiteral(".png");
        if (size <= 0 || !QDir().mkpath(folder) || !image.save(target, "PNG")) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(target));
            return 1;
        }
    }
    return 0;
}
