#pragma once
// "Print": the drawing of a plane printed on one page, in a rectangle placed by four values in
// printer pixels (numbers or fractions of the paper), with a small preview of the page.

#include <QDialog>
#include <QImage>
#include <QString>

#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;
class TCoordinate;
class TPrinterService;

// The printer pixels a paper fraction text stands for ("1/2 of Paper Width" and eleven more), from
// a page of pageWidth x pageHeight less 2 in each direction, cut toward zero; -1 for any other text.
// The text is trimmed; case and inner blanks count.
int ParsePaperFraction(const QString& text, int pageWidth, int pageHeight);

class TFormPrint final : public QDialog {
    Q_OBJECT
public:
    explicit TFormPrint(TPrinterService& printer, QWidget* parent = nullptr);
    ~TFormPrint() override;

    // Shows the dialog modally for the plane; 1 after Print (also when printing failed), else 0.
    uint8_t Execute(TCoordinate& Coordinate);

    // The paper size into the labels, then the preview.
    void ShowPaperSize();
    // The four fields from the combo boxes, and the page with the rectangle on Image1.
    void DrawPreview();
    // "Page Setup...".
    void Button1Click();
    // "Print".
    void Button2Click();
    // "Cancel".
    void Button3Click();
    // "Refresh Preview".
    void Button4Click();
    // "Help".
    void Button5Click();

    // The placement rectangle in printer pixels, as last computed.
    int Top = 0;
    int Left = 0;
    int Width = 0;
    int Height = 0;
    TCoordinate* Coordinate = nullptr;
    uint8_t Result = 0;

    QImage Preview;  // what Image1 shows
    QLabel* Image1 = nullptr;
    QLabel* LabelHeight = nullptr;  // "Height: " and the page height
    QLabel* LabelWidth = nullptr;
    QComboBox* ComboBoxTop = nullptr;
    QComboBox* ComboBoxLeft = nullptr;
    QComboBox* ComboBoxHeight = nullptr;
    QComboBox* ComboBoxWidth = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QLabel* Panel1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TPrinterService& printer_;
};
