// The Qt printer service without an installed printer (PDF), and the set-up dialog.
#include "platform/ZMPrinterService.h"

#include "support/MessageRecorder.h"
#include "support/NextModal.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PrinterService, WithoutAPrinterItPrintsPdfAt300DpiOnTheWholePage) {
    if (TQtPrinterService::PrinterInstalled()) GTEST_SKIP() << "a printer is installed";
    TQtPrinterService service;
    QPrinter& printer = service.Printer();
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.resolution(), 300);
    EXPECT_FALSE(printer.fullPage());
    const struct {
        QPageSize::PageSizeId size;
        int width, height;
    } pages[] = {{QPageSize::A4, 2479, 3508}, {QPageSize::Letter, 2550, 3300}};
    for (const auto& p : pages) {
        printer.setPageSize(QPageSize(p.size));
        EXPECT_EQ(service.PageWidth(), p.width);
        EXPECT_EQ(service.PageHeight(), p.height);
    }
}

TEST(PrinterService, PageSetupWithoutAPrinterWarnsAndShowsNoDialog) {
    if (TQtPrinterService::PrinterInstalled()) GTEST_SKIP() << "a printer is installed";
    MessageRecorder boxes;
    TQtPrinterService service;
    EXPECT_FALSE(service.Setup(nullptr));
    EXPECT_EQ(boxes.count(), 0);
    service.PageSetup(nullptr);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().kind, MsgKind::Warning);
    EXPECT_EQ(boxes.last().buttons, MsgButtons::Ok);
    EXPECT_EQ(boxes.last().text, PrinterWarning());
    EXPECT_EQ(PrinterWarning(), QStringLiteral("Before you can perform printer-related tasks such as page setup or "
                                               "printing a document, you need to install a printer."));
}

TEST(PrinterService, TheSetUpDialogAcceptsWithOkAndPrintsNothing) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString file = dir.filePath(QStringLiteral("never.pdf"));
    printer.setOutputFileName(file);
    QString accept;
    const NextModal answer([&](QWidget* modal) {
        if (auto* box = modal->findChild<QDialogButtonBox*>())
            if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) {
                accept = ok->text();
                ok->click();
            }
        if (modal->isVisible()) static_cast<QDialog*>(modal)->reject();
    });
    RunPrinterSetupDialog(printer, nullptr);
    EXPECT_EQ(accept, QStringLiteral("OK"));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(printer.printerState(), QPrinter::Idle);
}
