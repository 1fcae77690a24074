#include "output/fmPrint.h"

#include "engine/ZMNumber.h"
#include "output/ZMDrawingPicture.h"
#include "platform/ZMCanvas.h"
#include "platform/ZMError.h"
#include "platform/ZMGuard.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMPicture.h"
#include "platform/ZMPrinterService.h"
#include "platform/ZMWindowPlace.h"
#include "platform/cstCHMHelpClass.h"
#include "plot/ZMCoordinate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <cstdint>
#include <string>

namespace {

constexpr int kPreviewWidth = 140;
constexpr int kPreviewHeight = 180;

// The twelve texts and their share of the paper, in the arithmetic order that gives the exact
// pixel counts.
struct Fraction {
    const char* of;  // "1/2 of Paper "
    double (*part)(double);
};
const std::array<Fraction, 6> kFractions = {{
    {"1/1 of Paper ", [](double p) { return p; }},
    {"1/2 of Paper ", [](double p) { return p * 0.5; }},
    {"1/3 of Paper ", [](double p) { return p / 3; }},
    {"2/3 of Paper ", [](double p) { return p * 2 / 3; }},
    {"1/4 of Paper ", [](double p) { return p / 4; }},
    {"3/4 of Paper ", [](double p) { return p * 3 / 4; }},
}};

QStringList FractionItems(const char* side, std::initializer_list<int> rows) {
    QStringList items;
    for (int row : rows) items << QString::fromLatin1(kFractions[size_t(row)].of) + QString::fromLatin1(side);
    return items;
}

QComboBox* FractionBox(QWidget* parent, const char* name, const QStringList& items, const QString& text) {
    QComboBox* box = NamedTypedCombo(parent, name);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(text);
    box->setMinimumWidth(170);
    return box;
}

bool IsEnter(const QEvent* event) {
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

int ParsePaperFraction(const QString& text, int pageWidth, int pageHeight) {
    const std::string trimmed = zm::Trim(text.toStdString());
    for (const Fraction& f : kFractions) {
        const std::string of = f.of;
        if (trimmed == of + "Width") return zm::TruncSat(f.part(double(pageWidth) - 2));
        if (trimmed == of + "Height") return zm::TruncSat(f.part(double(pageHeight) - 2));
    }
    return -1;
}

TFormPrint::TFormPrint(TPrinterService& printer, QWidget* parent) : QDialog(parent), printer_(printer) {
    setObjectName(QStringLiteral("FormPrint"));
    setWindowTitle(QStringLiteral("Print"));
    auto* top = new QVBoxLayout(this);

    auto* basic = new QGroupBox(QStringLiteral("Basic Configuration"), this);
    auto* basicRow = new QHBoxLayout(basic);
    basicRow->addWidget(NamedLabel(basic, "Label1", "You can set Printer/Paper properties here."), 1);
    Button1 = NamedButton(basic, "Button1", "Page Setup...");
    basicRow->addWidget(Button1);
    top->addWidget(basic);

    auto* advanced = new QGroupBox(QStringLiteral("Advanced Configuration"), this);
    auto* advancedGrid = new QGridLayout(advanced);

    auto* paper = new QGroupBox(QStringLiteral("Paper Properties"), advanced);
    auto* paperColumn = new QVBoxLayout(paper);
    LabelHeight = NamedLabel(paper, "LabelHeight", "Height:");
    LabelWidth = NamedLabel(paper, "LabelWidth", "Width:");
    paperColumn->addWidget(LabelHeight);
    paperColumn->addWidget(LabelWidth);
    paperColumn->addStretch(1);
    advancedGrid->addWidget(paper, 0, 0);

    auto* preview = new QGroupBox(QStringLiteral("Preview"), advanced);
    auto* previewColumn = new QVBoxLayout(preview);
    Preview = QImage(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
    Preview.fill(Qt::white);
    Image1 = new QLabel(preview);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(kPreviewWidth, kPreviewHeight);
    previewColumn->addWidget(Image1);
    advancedGrid->addWidget(preview, 0, 1, 2, 1);

    auto* margin = new QGroupBox(QStringLiteral("Margin"), advanced);
    auto* marginGrid = new QGridLayout(margin);
    ComboBoxTop = FractionBox(margin, "ComboBoxTop", FractionItems("Height", {1, 2, 3, 4, 5}), QStringLiteral("0"));
    ComboBoxLeft = FractionBox(margin, "ComboBoxLeft", FractionItems("Width", {1, 2, 3, 4, 5}), QStringLiteral("0"));
    marginGrid->addWidget(NamedLabel(margin, "Label2", "Top:"), 0, 0);
    marginGrid->addWidget(ComboBoxTop, 0, 1);
    marginGrid->addWidget(NamedLabel(margin, "Label3", "Left:"), 1, 0);
    marginGrid->addWidget(ComboBoxLeft, 1, 1);
    advancedGrid->addWidget(margin, 1, 0);

    auto* area = new QGroupBox(QStringLiteral("Output Area"), advanced);
    auto* areaGrid = new QGridLayout(area);
    ComboBoxHeight = FractionBox(area, "ComboBoxHeight", FractionItems("Height", {0, 1, 2, 3, 4, 5}),
                                 QStringLiteral("1/2 of Paper Height"));
    ComboBoxWidth = FractionBox(area, "ComboBoxWidth", FractionItems("Width", {0, 1, 2, 3, 4, 5}),
                                QStringLiteral("1/2 of Paper Width"));
    areaGrid->addWidget(NamedLabel(area, "Label4", "Height:"), 0, 0);
    areaGrid->addWidget(ComboBoxHeight, 0, 1);
    areaGrid->addWidget(NamedLabel(area, "Label5", "Width:"), 1, 0);
    areaGrid->addWidget(ComboBoxWidth, 1, 1);
    advancedGrid->addWidget(area, 2, 0);

    Button4 = NamedButton(advanced, "Button4", "Refresh Preview");
    Button4->setDefault(true);
    advancedGrid->addWidget(Button4, 2, 1, Qt::AlignBottom);
    top->addWidget(advanced);

    Panel1 = NamedLabel(this, "Panel1", "Processing Print. Please wait...");
    QFont bold = Panel1->font();
    bold.setBold(true);
    Panel1->setFont(bold);
    Panel1->setStyleSheet(QStringLiteral("color: blue"));
    Panel1->setAlignment(Qt::AlignCenter);
    QSizePolicy keepPlace = Panel1->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);  // the dialog keeps its size while printing
    Panel1->setSizePolicy(keepPlace);
    Panel1->hide();
    top->addWidget(Panel1);

    auto* buttons = new QHBoxLayout;
    Button5 = NamedButton(this, "Button5", "Help");
    buttons->addWidget(Button5);
    buttons->addStretch(1);
    Button2 = NamedButton(this, "Button2", "Print");
    Button3 = NamedButton(this, "Button3", "Cancel");
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);

    for (QComboBox* box : {ComboBoxTop, ComboBoxLeft, ComboBoxHeight, ComboBoxWidth}) box->lineEdit()->installEventFilter(this);
    onClick(Button1, this, &TFormPrint::Button1Click);
    onClick(Button2, this, &TFormPrint::Button2Click);
    onClick(Button3, this, &TFormPrint::Button3Click);
    onClick(Button4, this, &TFormPrint::Button4Click);
    onClick(Button5, this, &TFormPrint::Button5Click);
    CentreOnFirstShow(*this);
}

TFormPrint::~TFormPrint() = default;

uint8_t TFormPrint::Execute(TCoordinate& coordinate) {
    Result = 0;
    Coordinate = &coordinate;
    ShowPaperSize();
    Button4->setFocus();
    exec();
    Coordinate = nullptr;
    return Result;
}

bool TFormPrint::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress, release = event->type() == QEvent::KeyRelease;
    if ((press || release) && IsEnter(event)) {
        // Enter acts when it is let go; its press neither presses the default button nor edits.
        if (release && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) guarded(this, [this] { ShowPaperSize(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormPrint::ShowPaperSize() {
    LabelHeight->setText(QStringLiteral("Height: ") + QString::number(printer_.PageHeight()));
    LabelWidth->setText(QStringLiteral("Width: ") + QString::number(printer_.PageWidth()));
    DrawPreview();
}

void TFormPrint::DrawPreview() {
    const int pageWidth = printer_.PageWidth(), pageHeight = printer_.PageHeight();
    const int w = Preview.width(), h = Preview.height();
    TCanvas canvas(&Preview);
    canvas.SetPen(TCanvasPen{});
    canvas.SetBrush(TCanvasBrush{bsSolid, 0xFFFFFF});
    canvas.Rectangle(0, 0, w, h);

    const auto field = [&](const QComboBox* box) {
        const QString text = box->currentText();
        const int fraction = ParsePaperFraction(text, pageWidth, pageHeight);
        if (fraction != -1) return fraction;
        int32_t value = 0;
        return zm::TryStrToInt(text.toStdString(), value) ? int(value) : 0;
    };
    Top = field(ComboBoxTop);
    Left = field(ComboBoxLeft);
    Height = field(ComboBoxHeight);
    Width = field(ComboBoxWidth);

    // A page of no size has no place for the rectangle.
    if (pageWidth > 0 && pageHeight > 0) {
        const double right = zm::TruncSat(double(int64_t(Left) + Width));
        const double bottom = zm::TruncSat(double(int64_t(Top) + Height));
        const auto scaleX = [&](double x) { return zm::TruncSat(x / pageWidth * w); };
        const auto scaleY = [&](double y) { return zm::TruncSat(y / pageHeight * h); };
        canvas.SetPen(TCanvasPen{.Color = 0x808080});
        canvas.SetBrush(TCanvasBrush{bsBDiagonal, 0x808080});
        canvas.Rectangle(scaleX(Left), scaleY(Top), scaleX(right), scaleY(bottom));
    }
    canvas.Flush();
    Image1->setPixmap(QPixmap::fromImage(Preview));
}

void TFormPrint::Button1Click() {
    printer_.PageSetup(this);
    ShowPaperSize();
}

void TFormPrint::Button2Click() {
    Panel1->show();
    Panel1->repaint();
    ShowPaperSize();
    bool failed = false;
    QString refusal;  // the picture dialogs' text for a picture size they refuse
    if (Width > 0 && Height > 0) {
        QImage picture;
        try {
            if (Coordinate) picture = StretchedPicture(DrawingPicture(*Coordinate), Width, Height);
        } catch (const ZmError& e) {
            refusal = QString::fromUtf8(e.what());
        }
        failed = picture.isNull() || printer_.PrintPage(this, picture, Left, Top) == TPrintOutcome::Failed;
    } else {
        // An empty rectangle: an empty page.
        failed = printer_.PrintPage(this, QImage(), Left, Top) == TPrintOutcome::Failed;
    }
    if (failed) message(this, MsgKind::Warning, refusal.isEmpty() ? PrinterWarning() : refusal);
    Panel1->hide();
    Result = 1;
    accept();
}

void TFormPrint::Button3Click() { reject(); }

void TFormPrint::Button4Click() { ShowPaperSize(); }

void TFormPrint::Button5Click() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch09_01.htm#92"), 1);
}
