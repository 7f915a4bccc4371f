// render_icon: draws one of our hand-written SVG icons as PNG files of the
// hicolor sizes, at build time, with QPainter alone.
//
//   render_icon ICON.svg OUTPUT_FOLDER CONTEXT NAME SIZE...
//
// writes OUTPUT_FOLDER/<SIZE>x<SIZE>/CONTEXT/NAME.png for every size.
//
// Only the small part of SVG that our icons use is understood: <svg viewBox>,
// <g>, <rect>, <circle>, <line>, <polyline>, <polygon> and <path> (commands
// M L H V C Q Z, absolute and relative), with the presentation attributes
// fill, stroke, stroke-width, stroke-linecap, stroke-linejoin, fill-opacity and
// stroke-opacity. Anything else stops the build with its name, so that an icon
// edited with a feature drawn here differently from an SVG renderer is noticed
// instead of shipped wrong. (`opacity` is one of them: on a group it fades the
// group as one picture, not each shape in it.)

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QXmlStreamReader>

#include <cstdio>
#include <optional>
#include <stdexcept>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct IconError : std::runtime_error
{
    explicit IconError(const QString &what) : std::runtime_error(what.toStdString()) {}
};

// The inherited presentation state of an element.
struct Style
{
    std::optional<QColor> fill = QColor(Qt::black);
    std::optional<QColor> stroke;
    double strokeWidth = 1;
    Qt::PenCapStyle cap = Qt::FlatCap;
    Qt::PenJoinStyle join = Qt::MiterJoin;
    double fillOpacity = 1;
    double strokeOpacity = 1;
};

double number(QStringView text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        throw IconError(u"not a number: "_s + text.toString());
    return value;
}

std::optional<QColor> paint(QStringView text)
{
    if (text == u"none")
        return std::nullopt;
    const QColor color = QColor::fromString(text);
    if (!color.isValid())
        throw IconError(u"not a colour: "_s + text.toString());
    return color;
}

// Reads numbers and command letters from a list of numbers ("1,2 3-4") or from
// path data ("M15 46 C 27 45, 38 37, 49 18").
class NumberScanner
{
public:
    explicit NumberScanner(QStringView text) : m_text(text) {}

    bool atEnd()
    {
        skipSeparators();
        return m_k >= m_text.size();
    }
    bool atLetter()
    {
        skipSeparators();
        return m_k < m_text.size() && m_text[m_k].isLetter();
    }
    QChar letter() { return m_text[m_k++]; }
    double next()
    {
        skipSeparators();
        qsizetype end = m_k;
        if (end < m_text.size() && (m_text[end] == u'-' || m_text[end] == u'+'))
            ++end;
        while (end < m_text.size() && (m_text[end].isDigit() || m_text[end] == u'.'))
            ++end;
        const double value = number(m_text.mid(m_k, end - m_k));
        m_k = end;
        return value;
    }

private:
    void skipSeparators()
    {
        while (m_k < m_text.size() && (m_text[m_k].isSpace() || m_text[m_k] == u','))
            ++m_k;
    }

    QStringView m_text;
    qsizetype m_k = 0;
};

std::vector<double> numberList(QStringView text)
{
    std::vector<double> numbers;
    NumberScanner scanner(text);
    while (!scanner.atEnd())
        numbers.push_back(scanner.next());
    return numbers;
}

// Path data with the commands M L H V C Q Z in both cases (lower case:
// relative to the current point). Numbers after a command repeat it, after M
// as L, as SVG says.
class PathData
{
public:
    explicit PathData(QStringView d) : m_scanner(d), m_d(d) {}

    QPainterPath path()
    {
        while (!m_scanner.atEnd()) {
            if (m_scanner.atLetter())
                m_command = m_scanner.letter();
            else if (m_command.isNull())
                throw IconError(u"path data without a command: "_s + m_d.toString());
            step(m_command.toUpper(), m_command.isLower());
        }
        return m_path;
    }

private:
    QPointF point(bool relative)
    {
        const double x = m_scanner.next();
        const double y = m_scanner.next();
        return relative ? m_current + QPointF(x, y) : QPointF(x, y);
    }

    void step(QChar command, bool relative)
    {
        switch (command.unicode()) {
        case u'M':
            m_current = point(relative);
            m_path.moveTo(m_current);
            m_command = relative ? u'l' : u'L';
            break;
        case u'L':
            m_current = point(relative);
            m_path.lineTo(m_current);
            break;
        case u'H':
            m_current.setX(m_scanner.next() + (relative ? m_current.x() : 0));
            m_path.lineTo(m_current);
            break;
        case u'V':
            m_current.setY(m_scanner.next() + (relative ? m_current.y() : 0));
            m_path.lineTo(m_current);
            break;
        case u'C': {
            const QPointF c1 = point(relative);
            const QPointF c2 = point(relative);
            m_current = point(relative);
            m_path.cubicTo(c1, c2, m_current);
            break;
        }
        case u'Q': {
            const QPointF c = point(relative);
            m_current = point(relative);
            m_path.quadTo(c, m_current);
            break;
        }
        case u'Z':
            m_path.closeSubpath();
            m_current = m_path.currentPosition();
            m_command = QChar();
            break;
        default:
            throw IconError(u"path command not drawn here: "_s + command);
        }
    }

    NumberScanner m_scanner;
    QStringView m_d;
    QPainterPath m_path;
    QPointF m_current;
    QChar m_command;
};

class IconPainter
{
public:
    explicit IconPainter(QPainter &painter) : m_painter(painter) {}

    void draw(QXmlStreamReader &xml, Style style)
    {
        const QStringView name = xml.name();
        applyAttributes(xml.attributes(), style);
        const QXmlStreamAttributes a = xml.attributes();
        auto value = [&](const char *key) {
            if (!a.hasAttribute(QLatin1StringView(key)))
                throw IconError(u"<%1> without %2"_s.arg(name, QLatin1StringView(key)));
            return number(a.value(QLatin1StringView(key)));
        };
        if (name == u"g" || name == u"svg") {
            drawChildren(xml, style);
            return;
        }
        QPainterPath shape;
        if (name == u"rect") {
            const QRectF box(value("x"), value("y"), value("width"), value("height"));
            const double rx = a.hasAttribute(u"rx"_s) ? value("rx") : 0;
            const double ry = a.hasAttribute(u"ry"_s) ? value("ry") : rx;
            shape.addRoundedRect(box, rx, ry);
        } else if (name == u"circle") {
            shape.addEllipse(QPointF(value("cx"), value("cy")), value("r"), value("r"));
        } else if (name == u"line") {
            shape.moveTo(value("x1"), value("y1"));
            shape.lineTo(value("x2"), value("y2"));
            style.fill.reset();
        } else if (name == u"polyline" || name == u"polygon") {
            const std::vector<double> n = numberList(a.value(u"points"_s));
            if (n.size() < 4 || n.size() % 2 != 0)
                throw IconError(u"points need pairs of numbers"_s);
            shape.moveTo(n[0], n[1]);
            for (std::size_t k = 2; k < n.size(); k += 2)
                shape.lineTo(n[k], n[k + 1]);
            if (name == u"polygon")
                shape.closeSubpath();
        } else if (name == u"path") {
            shape = PathData(a.value(u"d"_s)).path();
        } else {
            throw IconError(u"element not drawn here: "_s + name.toString());
        }
        fillAndStroke(shape, style);
        xml.skipCurrentElement();
    }

private:
    void drawChildren(QXmlStreamReader &xml, const Style &style)
    {
        while (xml.readNextStartElement()) {
            if (xml.name() == u"title" || xml.name() == u"desc")
                xml.skipCurrentElement();
            else
                draw(xml, style);
        }
    }

    static void applyAttributes(const QXmlStreamAttributes &attributes, Style &style)
    {
        static const QStringList geometry = {u"x"_s, u"y"_s, u"width"_s, u"height"_s, u"rx"_s, u"ry"_s,
                                             u"cx"_s, u"cy"_s, u"r"_s, u"x1"_s, u"y1"_s, u"x2"_s,
                                             u"y2"_s, u"points"_s, u"d"_s, u"viewBox"_s, u"version"_s,
                                             u"id"_s};
        for (const QXmlStreamAttribute &attribute : attributes) {
            const QStringView key = attribute.qualifiedName();
            const QStringView value = attribute.value();
            if (key == u"fill")
                style.fill = paint(value);
            else if (key == u"stroke")
                style.stroke = paint(value);
            else if (key == u"stroke-width")
                style.strokeWidth = number(value);
            else if (key == u"fill-opacity")
                style.fillOpacity = number(value);
            else if (key == u"stroke-opacity")
                style.strokeOpacity = number(value);
            else if (key == u"stroke-linecap")
                style.cap = value == u"round" ? Qt::RoundCap : value == u"square" ? Qt::SquareCap : Qt::FlatCap;
            else if (key == u"stroke-linejoin")
                style.join = value == u"round" ? Qt::RoundJoin : value == u"bevel" ? Qt::BevelJoin : Qt::MiterJoin;
            else if (!key.startsWith(u"xmlns") && !geometry.contains(key))
                throw IconError(u"attribute not drawn here: "_s + key.toString());
        }
    }

    void fillAndStroke(const QPainterPath &shape, const Style &style)
    {
        if (style.fill) {
            QColor color = *style.fill;
            color.setAlphaF(float(color.alphaF() * style.fillOpacity));
            m_painter.fillPath(shape, color);
        }
        if (style.stroke && style.strokeWidth > 0) {
            QColor color = *style.stroke;
            color.setAlphaF(float(color.alphaF() * style.strokeOpacity));
            m_painter.strokePath(shape, QPen(color, style.strokeWidth, Qt::SolidLine, style.cap, style.join));
        }
    }

    QPainter &m_painter;
};

QImage render(const QByteArray &svg, int size)
{
    QXmlStreamReader xml(svg);
    if (!xml.readNextStartElement() || xml.name() != u"svg")
        throw IconError(u"no <svg> element"_s);
    const std::vector<double> box = numberList(xml.attributes().value(u"viewBox"_s));
    if (box.size() != 4 || box[2] <= 0 || box[3] <= 0)
        throw IconError(u"the <svg> element needs a viewBox"_s);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / box[2], size / box[3]);
    painter.translate(-box[0], -box[1]);
    IconPainter(painter).draw(xml, Style());
    if (xml.hasError())
        throw IconError(xml.errorString());
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 6) {
        std::fputs("usage: render_icon ICON.svg OUTPUT_FOLDER CONTEXT NAME SIZE...\n", stderr);
        return 2;
    }
    const QString &source = args[1];
    try {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly))
            throw IconError(u"cannot read the file"_s);
        const QByteArray svg = file.readAll();
        for (const QString &sizeText : args.mid(5)) {
            const int size = int(number(sizeText));
            const QString folder = u"%1/%2x%2/%3"_s.arg(args[2]).arg(size).arg(args[3]);
            const QString target = folder + u'/' + args[4] + u".png"_s;
            if (!QDir().mkpath(folder) || !render(svg, size).save(target, "PNG"))
                throw IconError(u"cannot write "_s + target);
        }
    } catch (const IconError &error) {
        std::fprintf(stderr, "render_icon: %s: %s\n", qPrintable(source), error.what());
        return 1;
    }
    return 0;
}
