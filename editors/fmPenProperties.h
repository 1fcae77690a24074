#pragma once
// "Pen Properties": the colour, width and style of a drawing pen, written into the caller's style
// by "Set" only ("Close", the close box and Esc change nothing). The brush is never touched.

#include <QDialog>

class QPushButton;
class TPenPickers;
struct TGraphStyle;

class TFormPenProperties final : public QDialog {
    Q_OBJECT
public:
    explicit TFormPenProperties(QWidget* parent = nullptr);

    // Keeps the style, shows the dialog modally and returns Confirmed.
    bool Execute(TGraphStyle& GraphStyle);

    TGraphStyle* GraphStyle = nullptr;
    bool Confirmed = false;

    // Handlers; public so that tests can drive them.
    void FormShow();
    void Button1Click();  // Set
    void Button2Click();  // Close

private:
    TPenPickers* Pen = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
