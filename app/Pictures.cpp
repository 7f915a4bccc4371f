#include "Pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <numbers>

namespace pelmora {

namespace {

// Every picture is drawn on a 16 by 16 grid; half units put 1-unit lines on
// whole pixels at the menus' native size.
class Sketch
{
public:
    Sketch(QPainter &painter, bool disabled) : m_p(painter), m_disabled(disabled) {}

    QColor ink(QColor color) const
    {
        if (!m_disabled)
            return color;
        const int grey = 120 + qGray(color.rgb()) / 3;
        return QColor(grey, grey, grey);
    }
    void shape(const QPainterPath &path, QColor fill, QColor line, double width = 1.0)
    {
        m_p.setPen(QPen(ink(line), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_p.setBrush(fill.alpha() ? QBrush(ink(fill)) : QBrush(Qt::NoBrush));
        m_p.drawPath(path);
    }
    void box(QRectF r, QColor fill, QColor line, double radius = 0)
    {
        QPainterPath path;
        path.addRoundedRect(r, radius, radius);
        shape(path, fill, line);
    }
    void polygon(std::initializer_list<QPointF> points, QColor fill, QColor line, double width = 1.0)
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points)));
        path.closeSubpath();
        shape(path, fill, line, width);
    }
    void polyline(std::initializer_list<QPointF> points, QColor line, double width)
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points)));
        shape(path, Qt::transparent, line, width);
    }
    QPainter &painter() { return m_p; }

private:
    QPainter &m_p;
    bool m_disabled;
};

const QColor outline(0x4a, 0x55, 0x63);
const QColor paper(0xff, 0xff, 0xff);
const QColor textLine(0x9a, 0xa7, 0xb8);

void page(Sketch &s, QRectF r)
{
    const double fold = 2.5;
    s.polygon({r.topLeft(), {r.right() - fold, r.top()}, {r.right(), r.top() + fold}, r.bottomRight(), r.bottomLeft()},
              paper, outline);
    s.polygon({{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}},
              QColor(0xdd, 0xe3, 0xea), outline);
}

void textLines(Sketch &s, double left, double right, double top, int count)
{
    for (int k = 0; k < count; ++k)
        s.polyline({{left, top + 2 * k}, {right, top + 2 * k}}, textLine, 1.0);
}

void drawNew(Sketch &s)
{
    page(s, QRectF(2.5, 1.5, 9, 13));
    textLines(s, 4.5, 9.5, 6.5, 3);
    s.box(QRectF(9, 9, 6, 6), QColor(0x2e, 0xa0, 0x4f), QColor(0x1d, 0x73, 0x37), 3);
    s.polyline({{12, 10.5}, {12, 13.5}}, paper, 1.4);
    s.polyline({{10.5, 12}, {13.5, 12}}, paper, 1.4);
}

void drawOpen(Sketch &s)
{
    const QColor back(0xd9, 0xa4, 0x36), front(0xf4, 0xcc, 0x6a), edge(0x9a, 0x6d, 0x1c);
    s.polygon({{1.5, 3.5}, {5.5, 3.5}, {7, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}, back, edge);
    s.polygon({{3.5, 7.5}, {15, 7.5}, {13.5, 13.5}, {1.5, 13.5}}, front, edge);
}

void drawSave(Sketch &s)
{
    const QColor body(0x33, 0x6c, 0xc4), edge(0x1f, 0x47, 0x8a);
    s.box(QRectF(1.5, 1.5, 13, 13), body, edge, 1.5);
    s.box(QRectF(4, 1.5, 8, 5.5), paper, edge);
    s.box(QRectF(4.5, 9.5, 7, 5), QColor(0xd3, 0xdc, 0xe8), edge);
    s.box(QRectF(9, 10.5, 1.5, 3), edge, edge);
}

void drawGraphProperties(Sketch &s)
{
    s.box(QRectF(1.5, 1.5, 13, 9.5), paper, outline, 1);
    s.polyline({{3, 3.5}, {6, 5}, {9, 7.5}, {13, 9.5}}, QColor(0xc6, 0x32, 0x2e), 1.3);
    s.polyline({{3, 6}, {6, 6.5}, {9, 8}, {13, 9.8}}, QColor(0x2c, 0x6b, 0xc9), 1.3);
    s.polyline({{2, 13.5}, {14, 13.5}}, outline, 1.2);
    s.box(QRectF(8, 11.8, 2.5, 3.4), QColor(0x5b, 0x8b, 0xd9), QColor(0x24, 0x49, 0x8a), 0.6);
}

void drawPrint(Sketch &s)
{
    s.box(QRectF(4.5, 1.5, 7, 5), paper, outline);
    s.box(QRectF(1.5, 5.5, 13, 6.5), QColor(0x8c, 0x96, 0xa3), QColor(0x4a, 0x55, 0x63), 1.5);
    s.box(QRectF(4.5, 9.5, 7, 5), paper, outline);
    textLines(s, 6, 10, 11.5, 2);
    s.box(QRectF(11.8, 7, 1.4, 1.4), QColor(0x3a, 0xc0, 0x5a), QColor(0x2a, 0x8a, 0x40), 0.7);
}

void drawCopy(Sketch &s)
{
    page(s, QRectF(1.5, 1.5, 8, 10));
    page(s, QRectF(6, 4.5, 8.5, 10));
    textLines(s, 7.5, 12.5, 8.5, 3);
}

void drawOptions(Sketch &s)
{
    // A gear: eight teeth between radii 5 and 7, a hole of radius 2.2.
    QPainterPath gear;
    const int teeth = 8;
    for (int k = 0; k < teeth * 4; ++k) {
        const double angle = (k - 0.5) * std::numbers::pi / (teeth * 2);
        const double radius = (k % 4 == 0 || k % 4 == 1) ? 7.0 : 5.0;
        const QPointF point(8 + radius * std::cos(angle), 8 + radius * std::sin(angle));
        if (k == 0)
            gear.moveTo(point);
        else
            gear.lineTo(point);
    }
    gear.closeSubpath();
    gear.addEllipse(QPointF(8, 8), 2.2, 2.2);
    s.shape(gear, QColor(0x6f, 0x7d, 0x8f), QColor(0x3b, 0x45, 0x52));
}

void drawHelp(Sketch &s)
{
    QPainterPath circle;
    circle.addEllipse(QRectF(1, 1, 14, 14));
    s.shape(circle, QColor(0x2f, 0x7b, 0xd6), QColor(0x1c, 0x52, 0x99));
    QPainterPath mark; // a question mark: a hook and a dot
    mark.moveTo(5.6, 6.2);
    mark.cubicTo(5.6, 3.2, 10.6, 3.2, 10.4, 6.2);
    mark.cubicTo(10.3, 7.8, 8, 7.9, 8, 9.9);
    s.shape(mark, Qt::transparent, paper, 1.8);
    QPainterPath dot;
    dot.addEllipse(QPointF(8, 12.3), 1.1, 1.1);
    s.shape(dot, paper, paper, 0.2);
}

void drawExit(Sketch &s)
{
    s.box(QRectF(2.5, 1.5, 7.5, 13), QColor(0xb5, 0x7f, 0x4a), QColor(0x6e, 0x46, 0x22));
    s.box(QRectF(7.3, 7.5, 1.3, 1.3), QColor(0xf2, 0xd3, 0x5b), QColor(0x8a, 0x6a, 0x10), 0.65);
    const QColor arrow(0xd0, 0x3a, 0x2f);
    s.polyline({{8, 8.2}, {14, 8.2}}, arrow, 2);
    s.polygon({{15.2, 8.2}, {12, 5.2}, {12, 11.2}}, arrow, arrow, 0.5);
}

void drawReady(Sketch &s)
{
    QPainterPath circle;
    circle.addEllipse(QRectF(1, 1, 14, 14));
    s.shape(circle, QColor(0x33, 0xa3, 0x53), QColor(0x1f, 0x73, 0x37));
    s.polyline({{4.5, 8.3}, {7, 10.8}, {11.5, 5.3}}, paper, 1.8);
}

void drawBusy(Sketch &s)
{
    const QColor frame(0x5a, 0x45, 0x2a), sand(0xe7, 0xa8, 0x32), glass(0xfd, 0xf3, 0xdc);
    s.polygon({{4, 2.5}, {12, 2.5}, {8, 8}}, glass, frame);
    s.polygon({{8, 8}, {12, 13.5}, {4, 13.5}}, glass, frame);
    s.polygon({{5.6, 4.5}, {10.4, 4.5}, {8, 7.7}}, sand, sand, 0.3);
    s.polygon({{8, 10.5}, {11, 13.3}, {5, 13.3}}, sand, sand, 0.3);
    s.polyline({{3, 1.5}, {13, 1.5}}, frame, 1.6);
    s.polyline({{3, 14.5}, {13, 14.5}}, frame, 1.6);
}

void drawProgram(Sketch &s)
{
    s.box(QRectF(0.5, 0.5, 15, 15), QColor(0x1f, 0x5f, 0x8b), QColor(0x14, 0x40, 0x5f), 3);
    const QColor bar(0xe6, 0xf0, 0xf8);
    s.box(QRectF(3, 9, 2.2, 4.5), bar, bar);
    s.box(QRectF(6.9, 6.5, 2.2, 7), bar, bar);
    s.box(QRectF(10.8, 4, 2.2, 9.5), bar, bar);
    s.polyline({{2.5, 8}, {6.5, 5.5}, {9.5, 5.8}, {13.5, 2.5}}, QColor(0xf5, 0xc4, 0x3c), 1.3);
}

void drawPicture(Picture picture, QPainter &painter, const QRectF &rect, bool disabled)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 16.0, rect.height() / 16.0);
    if (disabled)
        painter.setOpacity(0.55);
    Sketch s(painter, disabled);
    switch (picture) {
    case Picture::New: drawNew(s); break;
    case Picture::Open: drawOpen(s); break;
    case Picture::Save: drawSave(s); break;
    case Picture::GraphProperties: drawGraphProperties(s); break;
    case Picture::Print: drawPrint(s); break;
    case Picture::Copy: drawCopy(s); break;
    case Picture::Options: drawOptions(s); break;
    case Picture::Help: drawHelp(s); break;
    case Picture::Exit: drawExit(s); break;
    case Picture::Ready: drawReady(s); break;
    case Picture::Busy: drawBusy(s); break;
    case Picture::Program: drawProgram(s); break;
    }
    painter.restore();
}

class PictureEngine : public QIconEngine
{
public:
    explicit PictureEngine(Picture picture) : m_picture(picture) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        // Square, centred in the rectangle asked for.
        const int side = qMin(rect.width(), rect.height());
        QRectF square(0, 0, side, side);
        square.moveCenter(QRectF(rect).center());
        drawPicture(m_picture, *painter, square, mode == QIcon::Disabled);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        pixmap.setDevicePixelRatio(scale);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine *clone() const override { return new PictureEngine(m_picture); }

private:
    Picture m_picture;
};

} // namespace

QIcon pictureIcon(Picture picture)
{
    return QIcon(new PictureEngine(picture));
}

QIcon toolBarImage(int index)
{
    if (index < 1 || index > 9)
        return {};
    return pictureIcon(Picture(index - 1));
}

QIcon menuBitmap(int index)
{
    if (index < 0 || index > 8)
        return {};
    return pictureIcon(Picture(index));
}

QIcon statusPicture(int index)
{
    if (index == 1)
        return pictureIcon(Picture::Ready);
    if (index == 2)
        return pictureIcon(Picture::Busy);
    return {};
}

} // namespace pelmora
