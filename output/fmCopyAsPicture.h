#pragma once
// "Copy As Picture": the drawing of a plane put on the clipboard as a BMP or EMF picture of a
// chosen pixel size.

#include "output/ZMPictureDialog.h"

class QClipboard;

class TFormCopyAsPicture final : public TPictureDialog {
    Q_OBJECT
public:
    explicit TFormCopyAsPicture(QWidget* parent = nullptr);
    ~TFormCopyAsPicture() override;

    // Shows the dialog modally for the plane, filling `Clipboard` on OK; 1 after a successful OK,
    // else 0.
    uint8_t Execute(QClipboard& Clipboard, TCoordinate& Coordinate);

    QClipboard* Clipboard = nullptr;

protected:
    void Deliver(const QImage& picture, TPictureFormat format) override;
};
