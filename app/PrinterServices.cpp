#include "PrinterServices.h"

#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr int PdfResolution = 600;
// A printer cannot print to the paper's edge; the PDF file keeps the same
// margin, so that a chart lands where a printer would put it.
constexpr double PdfMarginInches = 0.25;

QPageLayout::Orientation pageOrientation(std::int16_t orientation)
{
    return orientation == PrintOrientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
}

// The paper of the user's region, as the print system would choose it.
QPageSize regionalPageSize()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

void setUpPrinter(QPrinter &printer, const QString &name, std::int16_t orientation)
{
    if (name == QtPrinterServices::pdfPrinterName()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(regionalPageSize());
    } else {
        printer.setPrinterName(name);
    }
    printer.setPageOrientation(pageOrientation(orientation));
}

QString programTitle()
{
    return u"Pelmora"_s;
}

} // namespace

QRectF chartRect(const ChartPlacement &placement, QSize deviceSize, double dpiX, double dpiY)
{
    const ChartPlacement fitted =
        fitOnPage(placement, deviceSize.width() * TwipsPerInch / dpiX, deviceSize.height() * TwipsPerInch / dpiY);
    return QRectF(fitted.x * dpiX / TwipsPerInch, fitted.y * dpiY / TwipsPerInch, fitted.width * dpiX / TwipsPerInch,
                  fitted.height * dpiY / TwipsPerInch);
}

void paintChart(QPainter &painter, const QPicture &picture, const ChartPlacement &placement, double dpiX, double dpiY)
{
    const QRect source = picture.boundingRect();
    if (picture.isNull() || source.isEmpty() || !painter.device())
        return;
    const QSize device(painter.device()->width(), painter.device()->height());
    const QRectF target = chartRect(placement, device, dpiX, dpiY);
    // A picture plays itself scaled from its own resolution to the device's.
    const double ownX = double(painter.device()->logicalDpiX()) / picture.logicalDpiX();
    const double ownY = double(painter.device()->logicalDpiY()) / picture.logicalDpiY();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / source.width() / ownX, target.height() / source.height() / ownY);
    painter.drawPicture(-source.topLeft(), picture);
    painter.restore();
}

QString QtPrinterServices::pdfPrinterName()
{
    return u"PDF File"_s; // a device name, like the installed printers' own, in every language
}

QStringList QtPrinterServices::printerNames() const
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.append(pdfPrinterName());
    return names;
}

QString QtPrinterServices::defaultPrinterName() const
{
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? pdfPrinterName() : name;
}

std::optional<std::int16_t> QtPrinterServices::PrinterSetup(const QString &printer, std::int16_t orientation)
{
    QPrinter device;
    setUpPrinter(device, printer, orientation);
    QPageSetupDialog dialog(&device, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return device.pageLayout().orientation() == QPageLayout::Portrait ? PrintOrientation::Portrait
                                                                      : PrintOrientation::Landscape;
}

bool QtPrinterServices::confirm(const QString &text)
{
    return QMessageBox::question(m_parent, programTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<QString> QtPrinterServices::pdfFileName(const QString &proposed)
{
    const QString path = QFileDialog::getSaveFileName(m_parent, tr("Print to PDF File"), proposed, u"PDF (*.pdf)"_s);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

bool QtPrinterServices::printPage(const ChartPage &page)
{
    if (page.printer == pdfPrinterName()) {
        const auto path = pdfFileName(page.proposedPdfPath);
        return path && printPdf(page, *path);
    }
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, page.printer, page.orientation);
    printer.setDocName(programTitle());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paintChart(painter, page.picture, page.placement, printer.resolution(), printer.resolution());
    return painter.end(); // ends the document, which sends the page
}

// Written through a QSaveFile, so that a failure leaves no half-written file.
bool QtPrinterServices::printPdf(const ChartPage &page, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(PdfResolution);
        writer.setCreator(programTitle());
        writer.setTitle(programTitle());
        const double margin = PdfMarginInches * 25.4;
        writer.setPageLayout(QPageLayout(regionalPageSize(), pageOrientation(page.orientation),
                                         QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        paintChart(painter, page.picture, page.placement, writer.resolution(), writer.resolution());
        if (!painter.end())
            return false;
    }
    return file.commit();
}

} // namespace pelmora
