#include "output/fmSaveAsPicture.h"

#include "platform/ZMFileChooser.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMRadioGroup.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFormSaveAsPicture::TFormSaveAsPicture(QWidget* parent)
    : TPictureDialog(QStringLiteral("Save As Picture"), parent),
      ownChooser_(std::make_unique<QtFileChooser>()),
      chooser_(ownChooser_.get()) {
    setObjectName(QStringLiteral("FormSaveAsPicture"));
    auto* row = new QHBoxLayout;
    row->addWidget(NamedLabel(this, "Label3", "File name:"));
    Edit3 = NamedEdit(this, "Edit3", "Picture01.bmp");
    Edit3->setMinimumWidth(220);
    row->addWidget(Edit3, 1);
    Button3 = NamedButton(this, "Button3", "Browse...");
    row->addWidget(Button3);
    OwnRows()->addLayout(row);

    connect(RadioGroup1, &TRadioGroup::Changed, this, [this] { RadioGroup1Click(); });
    onClick(Button3, this, &TFormSaveAsPicture::Button3Click);
}

TFormSaveAsPicture::~TFormSaveAsPicture() = default;

uint8_t TFormSaveAsPicture::Execute(TCoordinate& coordinate) { return Run(coordinate); }

void TFormSaveAsPicture::SetFileChooser(FileChooser* chooser) { chooser_ = chooser ? chooser : ownChooser_.get(); }

QString TFormSaveAsPicture::Extension() const {
    return Format() == TPictureFormat::Emf ? QStringLiteral("emf") : QStringLiteral("bmp");
}

void TFormSaveAsPicture::RadioGroup1Click() { Edit3->setText(QStringLiteral("Picture01.") + Extension()); }

void TFormSaveAsPicture::Button3Click() {
    const QString ext = Extension();
    const QString name = chooser_->choose({.parent = this,
                                           .save = true,
                                           .filter = QStringLiteral("*.%1|*.%1").arg(ext),
                                           .defaultExt = QStringLiteral(".") + ext,
                                           .fileName = Edit3->text(),
                                           .overwritePrompt = true});
    if (!name.isEmpty()) Edit3->setText(name);
}

void TFormSaveAsPicture::Deliver(const QImage& picture, TPictureFormat format) {
    SavePicture(Edit3->text(), picture, format);
}
