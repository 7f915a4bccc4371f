#include "PrintDialog.h"

#include "ChartPicture.h"
#include "DocumentSlots.h"
#include "ShellRules.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

// The layout's sizes are the dialog's outer ones; this much of them is the
// window frame: the caption and the borders.
constexpr int FrameWidth = 120;
constexpr int FrameHeight = 395;

constexpr int Margin = 105;
constexpr int PreviewTop = 600;
constexpr int ButtonWidth = 1365;
constexpr int ButtonGap = 75;

// Load errors as "Error: " number, blank, description.
QString loadErrorText(PrintLoadError error)
{
    const bool noPrinter = error == PrintLoadError::NoPrinter;
    const int number = noPrinter ? 484 : 380;
    const QString description = noPrinter ? u"Printer driver unavailable"_s : u"Invalid property value"_s;
    return u"Error: "_s + QString::number(number) + u' ' + description;
}

} // namespace

PagePreview::PagePreview(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"Picture1"_s);
}

void PagePreview::showChart(const QPicture &picture, const ChartPlacement &placement)
{
    m_picture = picture;
    m_placement = placement;
    update();
}

void PagePreview::clear()
{
    m_picture = QPicture();
    update();
}

QRect PagePreview::chartRect() const
{
    if (m_picture.isNull())
        return {};
    return pelmora::chartRect(m_placement, size(), logicalDpiX(), logicalDpiY()).toRect();
}

void PagePreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setClipRect(rect());
    paintChart(painter, m_picture, m_placement, logicalDpiX(), logicalDpiY());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

fprinter::fprinter(const PrintRequest &request, PrinterServices &printers, MessageBoxes &messages, QWidget *parent)
    : QDialog(parent),
      m_request(request),
      m_state(request.PrintOrient, request.printer, printers.printerNames(), printers.defaultPrinterName()),
      m_printers(printers),
      m_messages(messages),
      m_printerList(new QComboBox(this)),
      m_preview(new PagePreview(this)),
      m_setup(new QPushButton(this)),
      m_ok(new QPushButton(this)),
      m_cancel(new QPushButton(this))
{
    setObjectName(u"fprinter"_s);
    m_printerList->setObjectName(u"Combo1"_s);
    m_setup->setObjectName(u"csetup"_s);
    m_ok->setObjectName(u"cok"_s);
    m_cancel->setObjectName(u"ccancelar"_s);
    // The list's text is the printer's caption, not one of its entries.
    m_printerList->setEditable(true);
    m_printerList->lineEdit()->setReadOnly(true);
    m_printerList->setInsertPolicy(QComboBox::NoInsert);
    m_printerList->setEditText(u"No Printer"_s);
    m_printerList->installEventFilter(this);
    m_ok->setDefault(true);

    connect(m_printerList, &QComboBox::activated, this, [this](int index) { m_state.choosePrinter(index); });
    connect(m_setup, &QPushButton::clicked, this, &fprinter::setup);
    connect(m_ok, &QPushButton::clicked, this, &fprinter::print);
    connect(m_cancel, &QPushButton::clicked, this, &fprinter::cancel);

    setTexts();
    LayoutPreview(); // the designed layout, which a failed load keeps
}

void fprinter::setTexts()
{
    setWindowTitle(u"Print"_s);
    m_ok->setText(u"OK"_s);
    m_setup->setText(tr("Setup..."));
    m_cancel->setText(tr("Cancel"));
}

void fprinter::load()
{
    if (const auto error = m_state.load()) {
        showLoadError(*error);
        return;
    }
    LayoutPreview();
    FillPrinterList();
    RefreshPreview();
}

void fprinter::showLoadError(PrintLoadError error)
{
    m_messages.information(loadErrorText(error));
    m_messages.information(u"A default printer does not exist. You must install a printer to send the chart."_s);
}

void fprinter::LayoutPreview()
{
    const PreviewLayout layout = m_state.layout();
    const double dpi = logicalDpiY();
    const auto px = [dpi](int twips) { return twipsToPixels(twips, dpi); };
    setFixedSize(px(layout.dialogWidth - FrameWidth), px(layout.dialogHeight - FrameHeight));
    int left = layout.dialogWidth - FrameWidth - Margin - 3 * ButtonWidth - 2 * ButtonGap;
    m_printerList->setGeometry(px(Margin), px(Margin), px(left - ButtonGap - Margin), px(315));
    for (QPushButton *button : {m_setup, m_ok, m_cancel}) {
        button->setGeometry(px(left), px(Margin - 15), px(ButtonWidth), px(375));
        left += ButtonWidth + ButtonGap;
    }
    m_preview->setGeometry(px(Margin), px(PreviewTop), px(layout.pictureWidth), px(layout.pictureHeight));
}

void fprinter::FillPrinterList()
{
    m_printerList->clear();
    m_printerList->addItems(m_state.printers());
    m_printerList->setEditText(m_state.PrinterCaption());
}

ChartPlacement fprinter::placement(DrawTarget target) const
{
    return DrawChart(target, m_request.windowTwips.width(), m_request.windowTwips.height(), m_state.PrintOrient());
}

void fprinter::RefreshPreview()
{
    m_preview->clear();
    m_preview->showChart(vectorPictureFrom(QGuiApplication::clipboard()->mimeData()), placement(DrawTarget::Preview));
}

void fprinter::setup()
{
    const auto orientation = m_printers.PrinterSetup(m_state.deviceName(), m_state.dialogOrientation());
    if (!orientation)
        return;                        // cancelled: nothing changes
    QCoreApplication::processEvents(); // the set-up dialog's window goes away first
    m_state.setupChosen(*orientation);
    m_printerList->setEditText(m_state.PrinterCaption());
    LayoutPreview();
    RefreshPreview();
}

void fprinter::print()
{
    RefreshPreview();
    const QString question = u"The graphic will be send to "_s + m_state.PrinterCaption();
    if (!m_printers.confirm(question))
        return;
    m_state.DialogToPrinter();
    const ChartPage page{m_state.deviceName(), m_state.printerOrientation(),
                         vectorPictureFrom(QGuiApplication::clipboard()->mimeData()), placement(DrawTarget::Printer),
                         m_request.proposedPdfPath};
    if (!m_state.hasPrinter() || !m_printers.printPage(page))
        return; // nothing was printed: the dialog stays open
    accept();
}

void fprinter::cancel()
{
    m_state.cancel();
    reject();
}

bool fprinter::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving the list shows the current printer's caption again.
    if (watched == m_printerList && event->type() == QEvent::FocusOut && m_state.hasPrinter())
        m_printerList->setEditText(m_state.PrinterCaption());
    return QDialog::eventFilter(watched, event);
}

} // namespace pelmora
