#pragma once

// The main window's rules that need no widgets: the tool-bar and menu-bitmap
// tables, the window placement in twips, the width of the first status panel,
// where project windows open and how they are arranged, the Graph Properties
// toggle, the language and list separator of the Options dialog, and the texts
// of status panel 1 made of parts.

#include "Language.h"
#include "MenuItems.h"
#include "Settings.h"

#include <QLatin1StringView>
#include <QList>
#include <QRect>

#include <optional>
#include <span>

namespace pelmora {

// ---- tool bar ----

// Button `number` (from 1) with its key and picture (1..9 of the tool-bar image
// list); it runs the command of the menu item `command`. Separators have an
// empty key and no command. The button is the item's own action, so a click
// runs exactly that command, and the key is the button's object name.
struct ToolBarButton
{
    int number;
    QLatin1StringView key;
    int picture;
    QAction *MenuItems::*command;
};
std::span<const ToolBarButton> toolBarButtons();

// ---- menu bitmaps ----

// Picture `picture` (0..8 of the menu pictures) for the item at `item` of the
// menu at `menu`: positions from 0, separators counted; the hidden menus come
// after the five of the menu bar.
struct MenuBitmap
{
    int picture;
    int menu;
    int item;
};
std::span<const MenuBitmap> menuBitmaps();

// ---- placement ----

// 1440 twips an inch: 15 twips a pixel at 96 logical dots per inch.
double twipsPerPixel(double logicalDpi);
int twipsToPixels(int twips, double logicalDpi);
std::optional<std::int16_t> pixelsToTwips(int pixels, double logicalDpi);

// Where the main window goes at start-up, as outer edges in pixels: each stored
// edge that is not 0 replaces that edge of `defaultOuter`. (A maximised window
// takes no placement; the caller maximises it instead.)
QRect placedWindow(const QRect &defaultOuter, const Settings &settings, double dpiX, double dpiY);

// Stores the outer edges at exit. An edge that does not fit in 16 bits keeps
// its old value.
void storePlacement(Settings &settings, const QRect &outer, double dpiX, double dpiY);

// The default place and size when none is stored: three quarters of the
// screen's free area, at most 1280 by 860 pixels, centred.
QRect defaultPlacement(const QRect &available);

// Status panel 1 follows the window's width: the width less 5000 twips, when
// the window is wider than 5000 twips; else it keeps its width (no value).
std::optional<int> systemPanelTwips(int windowWidthTwips);

// ---- project windows: where they open and how they are arranged ----

// Side by side (vertical tiling) or one above the other (horizontal tiling):
// `count` rectangles that fill `area` without gaps. Windows that would come out
// narrower (lower) than `minimum` wrap into further rows (columns), as few as
// keep them at that size, with the windows shared out evenly among them.
enum class Arrangement { Vertical, Horizontal };
QList<QRect> tiledRects(Arrangement arrangement, int count, const QRect &area, const QSize &minimum);

// Cascaded: window k a `step` (a title bar's height) down and right of window
// k - 1, all of one size: as large as `area` leaves beside the steps, but not
// smaller than `minimum` nor larger than the area. A window that would leave
// the area starts again at its top left.
QList<QRect> cascadedRects(int count, const QRect &area, int step, const QSize &minimum);

// Where a new window opens: a `step` down and right of `previous` (the window
// opened before it), at the `wanted` size bounded by the room left there; when
// that room is less than `minimum`, or there is no previous window, at the top
// left of `area` at the wanted size bounded by the area.
QRect newWindowRect(const std::optional<QRect> &previous, const QSize &wanted, const QSize &minimum, const QRect &area,
                    int step);

// ---- Graph Properties ----

// The sliders of the large chart: hidden when shown; shown when hidden unless
// the amortization list covers the charts (no change: no value).
std::optional<bool> graphPropertiesToggle(bool slidersShown, bool chartsShown);

// ---- language, list separator, status texts ----

std::optional<Language> chosenLanguage(const Settings &settings);

// The Options dialog: a click on an option button sets its flag and clears the
// other. OK makes the field's text the list separator, as typed, of any length;
// only an empty field gives ";". (Closing by the close box leaves ListSep as it was.)
void chooseLanguage(Settings &settings, Language language);
QString listSepFromOptions(QStringView fieldText);

// The greeting of status panel 1 at start-up, for the time of day as "HH:MM"
// (24-hour clock), compared as text: up to "12:00" morning, after it afternoon,
// from "18:00" on evening. Like the paste hint, in the language of the
// installed translation.
QString Greeting(QStringView clockTime, QStringView userName);

// Status panel 1 after a chart has been copied: how to paste it elsewhere.
QString pasteHint();

} // namespace pelmora
