#include "output/ZMPictureDialog.h"

#include "engine/ZMNumber.h"
#include "output/ZMDrawingPicture.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMRadioGroup.h"
#include "platform/ZMWindowPlace.h"
#include "plot/ZMCoordinate.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

int PictureSizeField(const QString& text) {
    int32_t value = 0;
    return zm::TryStrToInt(text.toStdString(), value) ? value : 500;
}

TPictureDialog::TPictureDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    auto* top = new QVBoxLayout(this);

    auto* size = new QGroupBox(QStringLiteral("Picture Size"), this);
    auto* grid = new QGridLayout(size);
    Edit1 = NamedEdit(size, "Edit1", "500");
    Edit2 = NamedEdit(size, "Edit2", "500");
    grid->addWidget(NamedLabel(size, "Label1", "Width (pixels)"), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(NamedLabel(size, "Label2", "Height (pixels)"), 1, 0);
    grid->addWidget(Edit2, 1, 1);
    top->addWidget(size);

    RadioGroup1 = new TRadioGroup(QStringLiteral("Picture Format"), {QStringLiteral("BMP"), QStringLiteral("EMF")}, this, 2);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->SetItemIndex(0);
    top->addWidget(RadioGroup1);

    ownRows_ = new QVBoxLayout;
    top->addLayout(ownRows_);

    Button1 = NamedButton(this, "Button1", "OK");
    Button2 = NamedButton(this, "Button2", "Cancel");
    AddButtonRow(top, {Button1, Button2});
    top->setSizeConstraint(QLayout::SetFixedSize);

    onClick(Button1, this, &TPictureDialog::Button1Click);
    onClick(Button2, this, &TPictureDialog::Button2Click);
    CentreOnFirstShow(*this);
}

TPictureDialog::~TPictureDialog() = default;

uint8_t TPictureDialog::Run(TCoordinate& coordinate) {
    Result = 0;
    Coordinate = &coordinate;
    FormShow();
    Button1->setFocus();
    exec();
    Coordinate = nullptr;
    return Result;
}

void TPictureDialog::FormShow() {
    if (!Coordinate) return;
    Edit1->setText(QString::number(Coordinate->width()));
    Edit2->setText(QString::number(Coordinate->height()));
}

TPictureFormat TPictureDialog::Format() const {
    return RadioGroup1->ItemIndex() == 1 ? TPictureFormat::Emf : TPictureFormat::Bmp;
}

void TPictureDialog::Button1Click() {
    if (!Coordinate) return;
    const int width = PictureSizeField(Edit1->text());
    const int height = PictureSizeField(Edit2->text());
    Deliver(StretchedPicture(DrawingPicture(*Coordinate), width, height), Format());
    Result = 1;
    accept();
}

void TPictureDialog::Button2Click() { reject(); }
