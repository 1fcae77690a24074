#include "output/fmCopyAsPicture.h"

TFormCopyAsPicture::TFormCopyAsPicture(QWidget* parent) : TPictureDialog(QStringLiteral("Copy As Picture"), parent) {
    setObjectName(QStringLiteral("FormCopyAsPicture"));
}

TFormCopyAsPicture::~TFormCopyAsPicture() = default;

uint8_t TFormCopyAsPicture::Execute(QClipboard& clipboard, TCoordinate& coordinate) {
    Clipboard = &clipboard;
    const uint8_t result = Run(coordinate);
    Clipboard = nullptr;
    return result;
}

void TFormCopyAsPicture::Deliver(const QImage& picture, TPictureFormat format) {
    if (Clipboard) CopyPicture(*Clipboard, picture, format);
}
