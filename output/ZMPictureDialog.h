#pragma once
// The layout and the OK of "Save As Picture" and "Copy As Picture": the picture size, the format,
// and a picture of the plane's current image stretched to that size, handed to the dialog's own
// target (a file or the clipboard).

#include "platform/ZMPicture.h"

#include <QDialog>

#include <cstdint>

class QBoxLayout;
class QLineEdit;
class QPushButton;
class TCoordinate;
class TRadioGroup;

// A picture size field: the integer it holds, else 500.
int PictureSizeField(const QString& text);

class TPictureDialog : public QDialog {
    Q_OBJECT
public:
    ~TPictureDialog() override;

    // Width and height of the plane into the size fields.
    void FormShow();
    // OK: makes the picture, hands it on, sets the result and closes; raises on a refused size or
    // a failed hand-over, leaving the dialog open and the result 0.
    void Button1Click();
    // Cancel.
    void Button2Click();

    // The result: 1 after a successful OK.
    uint8_t Result = 0;
    TCoordinate* Coordinate = nullptr;

    QLineEdit* Edit1 = nullptr;  // width
    QLineEdit* Edit2 = nullptr;  // height
    TRadioGroup* RadioGroup1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    explicit TPictureDialog(const QString& caption, QWidget* parent);
    // Result 0, keeps the plane, shows the dialog modally; the result.
    uint8_t Run(TCoordinate& coordinate);
    TPictureFormat Format() const;
    // Where a dialog puts its own row, between the format and the buttons.
    QBoxLayout* OwnRows() const { return ownRows_; }
    // Puts the picture where the dialog sends it; raises on failure.
    virtual void Deliver(const QImage& picture, TPictureFormat format) = 0;

private:
    QBoxLayout* ownRows_ = nullptr;
};
