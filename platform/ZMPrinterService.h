#pragma once
// The printer: its page size in printer pixels, its set-up dialog, and one page printed with a
// picture on it. The application keeps one, shared by File > "Page Setup..." and the Print
// dialog; tests put a fake in its place.

#include <QImage>
#include <QString>

#include <memory>

class FileChooser;
class QPrinter;
class QtFileChooser;
class QWidget;

enum class TPrintOutcome { Printed, Cancelled, Failed };

// "Before you can perform printer-related tasks such as page setup ..."
QString PrinterWarning();

class TPrinterService {
public:
    virtual ~TPrinterService() = default;

    // The printable area in printer pixels.
    virtual int PageWidth() = 0;
    virtual int PageHeight() = 0;
    // Runs the printer set-up dialog; false when there is no printer to set up.
    virtual bool Setup(QWidget* parent) = 0;
    // One page with `picture` unscaled at (left, top) of the printable area, cut at the page's
    // edges; a null picture prints a blank page. Failed when the document cannot be begun or the
    // printer reports an error.
    virtual TPrintOutcome PrintPage(QWidget* parent, const QImage& picture, int left, int top) = 0;

    // Setup, with the printer warning when it fails.
    void PageSetup(QWidget* parent);
};

// The Qt printer at high resolution. With no printer installed it prints to PDF at 300 dpi with
// no margins, asking for the file at every print.
class TQtPrinterService final : public TPrinterService {
public:
    TQtPrinterService();
    ~TQtPrinterService() override;

    QPrinter& Printer() { return *printer_; }
    // The save dialog that asks for the PDF file; null puts the real one back.
    void SetFileChooser(FileChooser* chooser);
    // Whether the system lists a printer.
    static bool PrinterInstalled();

    int PageWidth() override;
    int PageHeight() override;
    bool Setup(QWidget* parent) override;
    TPrintOutcome PrintPage(QWidget* parent, const QImage& picture, int left, int top) override;

private:
    std::unique_ptr<QPrinter> printer_;
    bool toPdf_ = false;
    std::unique_ptr<QtFileChooser> ownChooser_;
    FileChooser* chooser_ = nullptr;
};

// The set-up dialog on `printer`: the print dialog with its accept button reading "OK". Accepting
// keeps the settings and prints nothing.
void RunPrinterSetupDialog(QPrinter& printer, QWidget* parent);
