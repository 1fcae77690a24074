#pragma once
// "Save As Picture": the drawing of a plane written to a BMP or EMF file of a chosen pixel size.

#include "output/ZMPictureDialog.h"

#include <memory>

class FileChooser;
class QtFileChooser;

class TFormSaveAsPicture final : public TPictureDialog {
    Q_OBJECT
public:
    explicit TFormSaveAsPicture(QWidget* parent = nullptr);
    ~TFormSaveAsPicture() override;

    // Shows the dialog modally for the plane; 1 after a successful OK, else 0.
    uint8_t Execute(TCoordinate& Coordinate);
    // The save dialog of "Browse..."; null puts the real one back.
    void SetFileChooser(FileChooser* chooser);

    // The format changed: the file name and the save dialog follow it.
    void RadioGroup1Click();
    // "Browse...".
    void Button3Click();

    QLineEdit* Edit3 = nullptr;  // the file name
    QPushButton* Button3 = nullptr;

protected:
    void Deliver(const QImage& picture, TPictureFormat format) override;

private:
    // "bmp" or "emf", after the format.
    QString Extension() const;

    std::unique_ptr<QtFileChooser> ownChooser_;
    FileChooser* chooser_ = nullptr;
};
