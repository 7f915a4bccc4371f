#pragma once

// The printers as the print dialog fprinter needs them: the installed
// printers' names, the set-up dialog, the confirmation and the printing of one
// page. QtPrinterServices is the desktop's: the printers that the print system
// knows, and a printer "PDF File" that writes the page into a PDF file, so that
// a machine without a printer can still print a chart.

#include "ChartPrint.h"

#include <QCoreApplication>
#include <QPicture>
#include <QPointer>
#include <QWidget>

#include <optional>

class QPainter;

namespace pelmora {

// One page: the chart's vector picture at `placement`, in twips from the top
// left of the page's printable area.
struct ChartPage
{
    QString printer; // device name
    std::int16_t orientation = PrintOrientation::Landscape;
    QPicture picture;
    ChartPlacement placement;
    QString proposedPdfPath; // where the PDF file printer proposes to write
};

class PrinterServices
{
public:
    virtual ~PrinterServices() = default;

    // The installed printers' device names in the system's order.
    virtual QStringList printerNames() const = 0;
    // The system's default printer; empty when there is none.
    virtual QString defaultPrinterName() const = 0;
    // The printer set-up dialog, opened at `orientation`: the orientation chosen,
    // or nothing when the user cancelled. It never changes the system's default
    // printer.
    virtual std::optional<std::int16_t> PrinterSetup(const QString &printer, std::int16_t orientation) = 0;
    // A Yes/No question captioned with the program's title: true for Yes.
    virtual bool confirm(const QString &text) = 0;
    // Prints the page and ends the document; false when nothing was printed.
    virtual bool printPage(const ChartPage &page) = 0;
};

// Where `placement` (twips) lands on a device of `deviceSize` pixels with the
// given dots per inch: fitted on the device's page (fitOnPage), in pixels.
QRectF chartRect(const ChartPlacement &placement, QSize deviceSize, double dpiX, double dpiY);

// Plays `picture` into that rectangle of the painter's device, its bounding
// rectangle scaled onto it: lines and texts drawn at the device's resolution.
void paintChart(QPainter &painter, const QPicture &picture, const ChartPlacement &placement, double dpiX, double dpiY);

class QtPrinterServices : public PrinterServices
{
    Q_DECLARE_TR_FUNCTIONS(QtPrinterServices)
public:
    void setParent(QWidget *parent) { m_parent = parent; }

    // The print system's printers, then the PDF file printer.
    QStringList printerNames() const override;
    // The print system's default printer, else the PDF file printer.
    QString defaultPrinterName() const override;
    std::optional<std::int16_t> PrinterSetup(const QString &printer, std::int16_t orientation) override;
    bool confirm(const QString &text) override;
    bool printPage(const ChartPage &page) override;

    static QString pdfPrinterName();

protected:
    // The file that the PDF file printer writes: a save dialog; nothing when
    // the user cancelled.
    virtual std::optional<QString> pdfFileName(const QString &proposed);
    QWidget *parent() const { return m_parent; }

private:
    bool printPdf(const ChartPage &page, const QString &path);
    QPointer<QWidget> m_parent;
};

} // namespace pelmora
