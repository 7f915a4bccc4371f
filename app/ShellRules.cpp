#include "ShellRules.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

constexpr ToolBarButton buttons[] = {
    {1, "New"_L1, 1, &MenuItems::mnew},
    {2, "Open"_L1, 2, &MenuItems::mopen},
    {3, "Save"_L1, 3, &MenuItems::msave},
    {4, {}, 0, nullptr},
    {5, "GraphPr"_L1, 4, &MenuItems::mgraphpr},
    {6, "Print"_L1, 5, &MenuItems::mprint},
    {7, "Copy"_L1, 6, &MenuItems::mcopy},
    {8, {}, 0, nullptr},
    {9, "Opcoes"_L1, 7, &MenuItems::mopcoes},
    {10, {}, 0, nullptr},
    {11, "Auxilio"_L1, 8, &MenuItems::mauxiliogeral},
    {12, "Sair"_L1, 9, &MenuItems::msair},
};

// Menu positions: 0 mfile, 1 mvalorix, 2 mver, 3 mjanela, 4 mauxilio, then the
// hidden 5 mmsflexgrid, 6 mamort, 7 mmschart2, 8 mmschart3.
constexpr MenuBitmap bitmaps[] = {
    {0, 0, 0}, {1, 0, 1}, {2, 0, 3}, {3, 1, 0}, {4, 1, 1}, {5, 1, 2}, {6, 1, 4},
    {7, 4, 0}, {8, 0, 6}, {4, 7, 0}, {5, 7, 1}, {4, 8, 0}, {5, 8, 1},
};

constexpr int TwipsPerInch = 1440;

} // namespace

std::span<const ToolBarButton> toolBarButtons()
{
    return buttons;
}

std::span<const MenuBitmap> menuBitmaps()
{
    return bitmaps;
}

double twipsPerPixel(double logicalDpi)
{
    return TwipsPerInch / (logicalDpi > 0 ? logicalDpi : 96.0);
}

int twipsToPixels(int twips, double logicalDpi)
{
    return int(std::lround(twips / twipsPerPixel(logicalDpi)));
}

std::optional<std::int16_t> pixelsToTwips(int pixels, double logicalDpi)
{
    return roundToInt16(pixels * twipsPerPixel(logicalDpi));
}

QRect placedWindow(const QRect &defaultOuter, const Settings &settings, double dpiX, double dpiY)
{
    // Edges in the order top, left, height, width, each on its own: a new top
    // keeps the height.
    QRect outer = defaultOuter;
    if (settings.valorixTop != 0)
        outer.moveTop(twipsToPixels(settings.valorixTop, dpiY));
    if (settings.valorixLeft != 0)
        outer.moveLeft(twipsToPixels(settings.valorixLeft, dpiX));
    if (settings.valorixHeight != 0)
        outer.setHeight(twipsToPixels(settings.valorixHeight, dpiY));
    if (settings.valorixWidth != 0)
        outer.setWidth(twipsToPixels(settings.valorixWidth, dpiX));
    return outer;
}

void storePlacement(Settings &settings, const QRect &outer, double dpiX, double dpiY)
{
    const auto store = [](std::int16_t &setting, std::optional<std::int16_t> twips) {
        if (twips)
            setting = *twips;
    };
    store(settings.valorixTop, pixelsToTwips(outer.top(), dpiY));
    store(settings.valorixLeft, pixelsToTwips(outer.left(), dpiX));
    store(settings.valorixHeight, pixelsToTwips(outer.height(), dpiY));
    store(settings.valorixWidth, pixelsToTwips(outer.width(), dpiX));
}

QRect defaultPlacement(const QRect &available)
{
    const QSize size(qMin(1280, available.width() * 3 / 4), qMin(860, available.height() * 3 / 4));
    QRect outer(QPoint(), size);
    outer.moveCenter(available.center());
    return outer;
}

std::optional<int> systemPanelTwips(int windowWidthTwips)
{
    constexpr int OtherPanels = 5000;
    if (windowWidthTwips > OtherPanels)
        return windowWidthTwips - OtherPanels;
    return std::nullopt;
}

QList<QRect> tiledRects(Arrangement arrangement, int count, const QRect &area, const QSize &minimum)
{
    QList<QRect> rects;
    if (count <= 0)
        return rects;
    // Along: the direction in which windows stand next to each other; across:
    // the direction in which further lines are added.
    const bool sideBySide = arrangement == Arrangement::Vertical;
    const int along = sideBySide ? area.width() : area.height();
    const int across = sideBySide ? area.height() : area.width();
    const int least = sideBySide ? minimum.width() : minimum.height();
    const int fit = least > 0 ? std::clamp(along / least, 1, count) : count;
    const int lines = (count + fit - 1) / fit;
    const int perLine = (count + lines - 1) / lines;
    // Integer shares whose sum is the whole length, so no pixel is left over.
    const auto share = [](int length, int k, int of) { return std::pair(length * k / of, length * (k + 1) / of); };
    for (int k = 0; k < count; ++k) {
        const int line = k / perLine;
        const int inLine = std::min(perLine, count - line * perLine);
        const auto [from, to] = share(along, k % perLine, inLine);
        const auto [top, bottom] = share(across, line, lines);
        if (sideBySide)
            rects.append(QRect(area.left() + from, area.top() + top, to - from, bottom - top));
        else
            rects.append(QRect(area.left() + top, area.top() + from, bottom - top, to - from));
    }
    return rects;
}

QList<QRect> cascadedRects(int count, const QRect &area, int step, const QSize &minimum)
{
    QList<QRect> rects;
    if (count <= 0)
        return rects;
    step = std::max(step, 0);
    const int steps = step * (count - 1);
    const QSize size = (area.size() - QSize(steps, steps)).expandedTo(minimum).boundedTo(area.size());
    // How many steps a window of that size can go before it leaves the area.
    const int room = std::min(area.width() - size.width(), area.height() - size.height());
    const int places = step > 0 ? room / step + 1 : 1;
    for (int k = 0; k < count; ++k) {
        const int offset = step * (k % places);
        rects.append(QRect(area.topLeft() + QPoint(offset, offset), size));
    }
    return rects;
}

QRect newWindowRect(const std::optional<QRect> &previous, const QSize &wanted, const QSize &minimum, const QRect &area,
                    int step)
{
    if (previous) {
        const QPoint at = previous->topLeft() + QPoint(step, step);
        const QSize room(area.right() - at.x() + 1, area.bottom() - at.y() + 1);
        const QSize size = wanted.boundedTo(room);
        const bool usable = size == wanted || (size.width() >= minimum.width() && size.height() >= minimum.height());
        if (area.contains(at) && usable)
            return QRect(at, size);
    }
    return QRect(area.topLeft(), wanted.boundedTo(area.size()));
}

std::optional<bool> graphPropertiesToggle(bool slidersShown, bool chartsShown)
{
    if (slidersShown)
        return false;
    if (!chartsShown)
        return std::nullopt;
    return true;
}

std::optional<Language> chosenLanguage(const Settings &settings)
{
    return chosenLanguage(settings.OptEN, settings.OptPT);
}

void chooseLanguage(Settings &settings, Language language)
{
    settings.OptEN = language == Language::English;
    settings.OptPT = language == Language::Portuguese;
}

QString listSepFromOptions(QStringView fieldText)
{
    return fieldText.isEmpty() ? u";"_s : fieldText.toString();
}

QString Greeting(QStringView clockTime, QStringView userName)
{
    // Compared as text, which orders "HH:MM" times as the clock does.
    const char *salutation = QT_TRANSLATE_NOOP("StatusTexts", "Good afternoon");
    if (clockTime.compare(u"12:00") <= 0)
        salutation = QT_TRANSLATE_NOOP("StatusTexts", "Good morning");
    else if (clockTime.compare(u"18:00") >= 0)
        salutation = QT_TRANSLATE_NOOP("StatusTexts", "Good evening");
    QString greeting = QCoreApplication::translate("StatusTexts", salutation);
    greeting += u' ';
    greeting += userName;
    greeting += QCoreApplication::translate("StatusTexts", ". Welcome to Valorix.");
    return greeting;
}

QString pasteHint()
{
    return QCoreApplication::translate("StatusTexts", "Edit Paste (chart's data)") +
           QCoreApplication::translate("StatusTexts", " and Edit Paste Special (chart bitmap)");
}

} // namespace pelmora
