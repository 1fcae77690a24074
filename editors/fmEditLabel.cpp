#include "editors/fmEditLabel.h"

#include <QCheckBox>
#include <QPlainTextEdit>

#include "platform/ZMColorBox.h"
#include "storage/ZMAddLabel.h"

TFormEditLabel::TFormEditLabel(QWidget* parent) : TFormLabelBase(QStringLiteral("Edit Label"), parent) {}

bool TFormEditLabel::Execute(const TAddLabel& Label) {
    Memo1->setPlainText(QString::fromStdString(Label.Caption()));
    SetTextFont(Label.Font());
    dialogFont_ = Label.Font();
    ColorBox1->SetSelected(Label.Color());
    CheckBox1->setChecked(Label.Transparent());
    return RunModal();
}
