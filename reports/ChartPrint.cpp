#include "ChartPrint.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

constexpr int DialogWidth = 9240;
constexpr int PageLong = 8910; // the preview's long side, page proportions
constexpr int PageShort = 6300;

bool isOrientation(std::int16_t value)
{
    return value == PrintOrientation::Portrait || value == PrintOrientation::Landscape;
}

// The default rounding mode rounds to nearest, ties to even: 5062.5 gives 5062.
std::int32_t roundHalfEven(double value)
{
    return std::int32_t(std::nearbyint(value));
}

} // namespace

PreviewLayout LayoutPreview(std::int16_t PrintOrient)
{
    if (PrintOrient == PrintOrientation::Portrait)
        return {DialogWidth, 10010, PageShort, PageLong};
    return {DialogWidth, 7400, PageLong, PageShort};
}

ChartPlacement DrawChart(DrawTarget target, int windowWidth, int windowHeight, std::int16_t PrintOrient)
{
    if (target == DrawTarget::Printer)
        return {0, 800, windowWidth, windowHeight};
    // The window's proportions scaled into the preview:
    //   W = width × 8910 / d,  d = 15840 (17400 in portrait)
    //   H = height × 6300 / 11400
    const double d = PrintOrient == PrintOrientation::Portrait ? 17400.0 : 15840.0;
    return {0, 300, roundHalfEven(windowWidth * double(PageLong) / d),
            roundHalfEven(windowHeight * double(PageShort) / 11400.0)};
}

ChartPlacement fitOnPage(const ChartPlacement &placement, double pageWidth, double pageHeight)
{
    if (placement.width <= 0 || placement.height <= 0)
        return placement;
    const double room =
        std::min((pageWidth - placement.x) / placement.width, (pageHeight - placement.y) / placement.height);
    if (room >= 1.0 || room <= 0.0)
        return placement;
    return {placement.x, placement.y, std::int32_t(std::floor(placement.width * room)),
            std::int32_t(std::floor(placement.height * room))};
}

QString PrinterCaption(const QString &deviceName, std::int16_t PrintOrient)
{
    QString caption = deviceName + u" - "_s;
    if (PrintOrient == PrintOrientation::Portrait)
        caption += u"Portrait"_s;
    else if (PrintOrient == PrintOrientation::Landscape)
        caption += u"Landscape"_s;
    return caption;
}

PrintDialogState::PrintDialogState(std::int16_t &PrintOrient, CurrentPrinter &printer, QStringList printers,
                                   QString defaultPrinter)
    : m_PrintOrient(PrintOrient),
      m_printer(printer),
      m_printers(std::move(printers)),
      m_defaultPrinter(std::move(defaultPrinter))
{
}

std::optional<PrintLoadError> PrintDialogState::load()
{
    if (m_PrintOrient == PrintOrientation::Unset)
        m_PrintOrient = PrintOrientation::Landscape;

    // The printer chosen earlier in this run, while it is still installed; else
    // the default printer.
    QString name = m_printer.deviceName;
    if (!m_printers.contains(name))
        name = m_defaultPrinter;
    if (!m_printers.contains(name))
        return PrintLoadError::NoPrinter;
    m_printer.deviceName = name;
    m_hasPrinter = true;

    if (!isOrientation(m_PrintOrient))
        return PrintLoadError::InvalidOrientation;
    m_printer.orientation = m_PrintOrient;
    PrinterToDialog();
    return std::nullopt;
}

void PrintDialogState::PrinterToDialog()
{
    if (m_hasPrinter && isOrientation(m_printer.orientation))
        m_dialogOrientation = m_printer.orientation;
}

// Without a printer both statements fail and are skipped.
void PrintDialogState::DialogToPrinter()
{
    if (!m_hasPrinter)
        return;
    if (isOrientation(m_dialogOrientation))
        m_printer.orientation = m_dialogOrientation;
    m_PrintOrient = m_printer.orientation;
}

QString PrintDialogState::PrinterCaption() const
{
    return pelmora::PrinterCaption(deviceName(), m_PrintOrient);
}

void PrintDialogState::choosePrinter(int index)
{
    if (index < 0 || index >= m_printers.size())
        return;
    m_printer.deviceName = m_printers[index];
    m_hasPrinter = true;
    DialogToPrinter();
}

void PrintDialogState::setupChosen(std::int16_t orientation)
{
    if (isOrientation(orientation))
        m_dialogOrientation = orientation;
    DialogToPrinter();
}

void PrintDialogState::cancel()
{
    if (m_hasPrinter)
        m_PrintOrient = m_printer.orientation;
}

} // namespace pelmora
