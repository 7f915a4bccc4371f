#pragma once

// Printing a chart, without widgets: the sizes of the print dialog fprinter and
// its page preview, where the chart goes on the preview and on the printed page,
// the printer's caption, and the dialog's state (the current printer, its
// orientation and the set-up dialog's). The dialog only shows this state and
// forwards its buttons here. Sizes and positions are in twips (1/1440 inch).

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace pelmora {

// The values of the setting PrintOrient; 0 (not set yet) is taken as landscape.
namespace PrintOrientation {
inline constexpr std::int16_t Unset = 0;
inline constexpr std::int16_t Portrait = 1;
inline constexpr std::int16_t Landscape = 2;
} // namespace PrintOrientation

// The dialog's outer size and the preview Picture1's size for PrintOrient.
// The preview keeps the page's proportions: 8910 / 6300 ≈ 1.414 either way.
struct PreviewLayout
{
    int dialogWidth = 0;
    int dialogHeight = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    bool operator==(const PreviewLayout &) const = default;
};
PreviewLayout LayoutPreview(std::int16_t PrintOrient);

// Where DrawChart paints the chart: on the preview, scaled from the project
// window's outer size, or on the printer at the window's own size, 800 twips
// below the top of the page.
enum class DrawTarget { Preview, Printer };
struct ChartPlacement
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const ChartPlacement &) const = default;
};
ChartPlacement DrawChart(DrawTarget target, int windowWidth, int windowHeight, std::int16_t PrintOrient);

// A chart that would run off a page of `pageWidth` × `pageHeight` (a window
// wider than the paper) is scaled down about its top left corner, keeping its
// proportions, until it fits; one that fits stays as it is.
ChartPlacement fitOnPage(const ChartPlacement &placement, double pageWidth, double pageHeight);

// "<device name> - Portrait" (PrintOrient 1) or " - Landscape" (2); nothing
// after the dash for other values.
QString PrinterCaption(const QString &deviceName, std::int16_t PrintOrient);

// The program's current printer, which stays chosen for later prints. An empty
// name stands for the system's default printer. A printer's orientation is
// always one of the two; a new one starts in portrait.
struct CurrentPrinter
{
    QString deviceName;
    std::int16_t orientation = PrintOrientation::Portrait;
};

// Why the dialog could not load: no printer to print on, or a PrintOrient that
// is no orientation (a settings file edited by hand).
enum class PrintLoadError { NoPrinter, InvalidOrientation };

// The state behind fprinter for one showing.
class PrintDialogState
{
public:
    // `printers`: the installed printers' device names in the system's order;
    // `defaultPrinter`: the one that is current when none has been chosen yet.
    PrintDialogState(std::int16_t &PrintOrient, CurrentPrinter &printer, QStringList printers, QString defaultPrinter);

    // The load: PrintOrient 0 becomes landscape, the printer takes PrintOrient
    // and the set-up dialog the printer's orientation. Fails, and stops there,
    // when there is no printer or PrintOrient is no orientation.
    std::optional<PrintLoadError> load();

    void PrinterToDialog();
    void DialogToPrinter();
    QString PrinterCaption() const;
    PreviewLayout layout() const { return LayoutPreview(m_PrintOrient); }

    // The printer list was clicked at `index`.
    void choosePrinter(int index);
    // The set-up dialog was closed with OK at `orientation`.
    void setupChosen(std::int16_t orientation);
    // Cancel: PrintOrient takes the printer's orientation.
    void cancel();

    const QStringList &printers() const { return m_printers; }
    bool hasPrinter() const { return m_hasPrinter; }
    QString deviceName() const { return m_hasPrinter ? m_printer.deviceName : QString(); }
    std::int16_t printerOrientation() const { return m_printer.orientation; }
    std::int16_t dialogOrientation() const { return m_dialogOrientation; }
    std::int16_t PrintOrient() const { return m_PrintOrient; }

private:
    std::int16_t &m_PrintOrient;
    CurrentPrinter &m_printer;
    QStringList m_printers;
    QString m_defaultPrinter;
    std::int16_t m_dialogOrientation = PrintOrientation::Portrait; // the set-up dialog's own default
    bool m_hasPrinter = false;                                     // a printer is current
};

} // namespace pelmora
