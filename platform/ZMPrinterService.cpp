#include "platform/ZMPrinterService.h"

#include "platform/ZMFileChooser.h"
#include "platform/ZMMessage.h"

#include <QDialogButtonBox>
#include <QMarginsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include <algorithm>
#include <cstdint>

QString PrinterWarning() {
    return QStringLiteral("Before you can perform printer-related tasks such as page setup or printing a document, you "
                          "need to install a printer.");
}

void TPrinterService::PageSetup(QWidget* parent) {
    if (!Setup(parent)) message(parent, MsgKind::Warning, PrinterWarning());
}

TQtPrinterService::TQtPrinterService()
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      ownChooser_(std::make_unique<QtFileChooser>()),
      chooser_(ownChooser_.get()) {
    toPdf_ = !PrinterInstalled();
    if (toPdf_) {
        // Qt's default 1200 dpi would make a full-page picture of about 500 MB.
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setResolution(300);
        printer_->setPageMargins(QMarginsF(0, 0, 0, 0));
    }
}

TQtPrinterService::~TQtPrinterService() = default;

void TQtPrinterService::SetFileChooser(FileChooser* chooser) { chooser_ = chooser ? chooser : ownChooser_.get(); }

bool TQtPrinterService::PrinterInstalled() { return !QPrinterInfo::availablePrinters().isEmpty(); }

int TQtPrinterService::PageWidth() { return printer_->width(); }

int TQtPrinterService::PageHeight() { return printer_->height(); }

bool TQtPrinterService::Setup(QWidget* parent) {
    if (!PrinterInstalled()) return false;
    RunPrinterSetupDialog(*printer_, parent);
    return true;
}

TPrintOutcome TQtPrinterService::PrintPage(QWidget* parent, const QImage& picture, int left, int top) {
    if (toPdf_) {
        // Asked every time, so that a second print never replaces the first file unasked.
        const QString file = chooser_->choose({.parent = parent,
                                               .save = true,
                                               .filter = QStringLiteral("*.pdf|*.pdf"),
                                               .defaultExt = QStringLiteral(".pdf"),
                                               .fileName = printer_->outputFileName(),
                                               .overwritePrompt = true});
        if (file.isEmpty()) return TPrintOutcome::Cancelled;
        printer_->setOutputFileName(file);
    }
    QPainter painter;
    if (!painter.begin(printer_.get())) return TPrintOutcome::Failed;
    if (!picture.isNull()) {
        // Only the part on the page is drawn, so that far-away corners keep Qt's numbers small.
        const int64_t x1 = std::max<int64_t>(left, 0), y1 = std::max<int64_t>(top, 0);
        const int64_t x2 = std::min<int64_t>(int64_t(left) + picture.width(), PageWidth());
        const int64_t y2 = std::min<int64_t>(int64_t(top) + picture.height(), PageHeight());
        if (x2 > x1 && y2 > y1)
            painter.drawImage(QPoint(int(x1), int(y1)), picture,
                              QRect(int(x1 - left), int(y1 - top), int(x2 - x1), int(y2 - y1)));
    }
    const bool ended = painter.end();
    return ended && printer_->printerState() != QPrinter::Error ? TPrintOutcome::Printed : TPrintOutcome::Failed;
}

void RunPrinterSetupDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    if (auto* box = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    dialog.exec();
}
