#include "editors/fmPenProperties.h"

#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/ZMPenPickers.h"
#include "platform/ZMColorBox.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMNamedControls.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"
#include "plot/ZMComClass01.h"

TFormPenProperties::TFormPenProperties(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Pen Properties"));
    auto* top = new QVBoxLayout(this);
    auto* rows = new QFormLayout;
    Pen = new TPenPickers(this, QStringLiteral("Pen"));
    rows->addRow(QStringLiteral("Pen Color"), Pen->Color);
    rows->addRow(QStringLiteral("Pen Width"), Pen->Width);
    rows->addRow(QStringLiteral("Pen Style"), Pen->Style);
    top->addLayout(rows);
    Button1 = NamedButton(this, "Button1", "Set");
    Button2 = NamedButton(this, "Button2", "Close");
    AddButtonRow(top, {Button1, Button2});
    top->setSizeConstraint(QLayout::SetFixedSize);
    onClick(Button1, this, &TFormPenProperties::Button1Click);
    onClick(Button2, this, &TFormPenProperties::Button2Click);
}

bool TFormPenProperties::Execute(TGraphStyle& style) {
    GraphStyle = &style;
    Confirmed = false;
    FormShow();
    exec();
    return Confirmed;
}

void TFormPenProperties::FormShow() {
    if (GraphStyle) Pen->Load(*GraphStyle);
}

void TFormPenProperties::Button1Click() {
    if (GraphStyle) Pen->WriteInto(*GraphStyle);
    Confirmed = true;
    accept();
}

void TFormPenProperties::Button2Click() { reject(); }
