#pragma once

// The print dialog fprinter: the printer list Combo1, the page preview
// Picture1 and the buttons csetup, cok and ccancelar. A thin view over
// PrintDialogState (ChartPrint.h), which holds the printer, the orientations
// and the sizes; the dialog shows them and forwards its buttons. The chart it
// prints is the vector picture that the print command has just put on the
// clipboard.

#include "ChartPrint.h"
#include "PrinterServices.h"

#include <QDialog>
#include <QSize>

class QComboBox;
class QPushButton;

namespace pelmora {

class MessageBoxes;

struct PrintRequest
{
    std::int16_t &PrintOrient; // the setting, kept by the dialog's choices
    CurrentPrinter &printer;   // the program's current printer
    QSize windowTwips;         // the active project window's outer size
    QString proposedPdfPath;
};

// Picture1: the page preview, a white page with the chart at its place.
class PagePreview : public QWidget
{
    Q_OBJECT
public:
    explicit PagePreview(QWidget *parent = nullptr);
    void showChart(const QPicture &picture, const ChartPlacement &placement);
    void clear();
    QRect chartRect() const; // where the chart is drawn, in pixels; empty when none

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPicture m_picture;
    ChartPlacement m_placement;
};

class fprinter : public QDialog
{
    Q_OBJECT
public:
    fprinter(const PrintRequest &request, PrinterServices &printers, MessageBoxes &messages, QWidget *parent = nullptr);

    // The load: the printer takes PrintOrient, then the preview is laid out, the
    // printer list filled and the preview drawn. When that fails (no printer),
    // the two messages are shown and the dialog stays as far as it got.
    void load();

    const PrintDialogState &state() const { return m_state; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setTexts();
    void LayoutPreview();
    void FillPrinterList();
    void RefreshPreview();
    void showLoadError(PrintLoadError error);
    void setup();
    void print();
    void cancel();
    ChartPlacement placement(DrawTarget target) const;

    PrintRequest m_request;
    PrintDialogState m_state;
    PrinterServices &m_printers;
    MessageBoxes &m_messages;
    QComboBox *m_printerList; // Combo1
    PagePreview *m_preview;   // Picture1
    QPushButton *m_setup;     // csetup
    QPushButton *m_ok;        // cok
    QPushButton *m_cancel;    // ccancelar
};

} // namespace pelmora
