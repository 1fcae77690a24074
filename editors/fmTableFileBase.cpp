#include "editors/fmTableFileBase.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ZMGuardedClick.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMRadioGroup.h"
#include "platform/ZMWindowPlace.h"

TFormTableFileBase::TFormTableFileBase(const QString& caption, const char* label, QWidget* parent)
    : QDialog(parent), ownChooser_(std::make_unique<QtFileChooser>()), chooser_(ownChooser_.get()) {
    setWindowTitle(caption);
    Top = new QVBoxLayout(this);

    auto* file = new QHBoxLayout;
    Label1 = NamedLabel(this, "Label1", label);
    Edit1 = NamedEdit(this, "Edit1", "");
    Edit1->setMinimumWidth(300);
    Button3 = NamedButton(this, "Button3", "Browse...");
    file->addWidget(Label1);
    file->addWidget(Edit1, 1);
    file->addWidget(Button3);
    Top->addLayout(file);

    RadioGroup1 = new TRadioGroup(QStringLiteral("File Format"),
                                  {QStringLiteral("XML(*.xml)"), QStringLiteral("TEXT(*.txt)"), QStringLiteral("CSV(*.csv)")},
                                  this, 3);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->SetItemIndex(0);
    Top->addWidget(RadioGroup1);

    Button1 = NamedButton(this, "Button1", "OK");
    Button2 = NamedButton(this, "Button2", "Cancel");
    AddButtonRow(Top, {Button1, Button2});
    Top->setSizeConstraint(QLayout::SetFixedSize);

    onClick(Button1, this, &TFormTableFileBase::Button1Click);
    onClick(Button2, this, &TFormTableFileBase::Button2Click);
    onClick(Button3, this, &TFormTableFileBase::Button3Click);
    CentreOnFirstShow(*this);
}

TFormTableFileBase::~TFormTableFileBase() = default;

void TFormTableFileBase::SetFileChooser(FileChooser* chooser) { chooser_ = chooser ? chooser : ownChooser_.get(); }

void TFormTableFileBase::Button2Click() {
    Confirmed = false;
    reject();
}

TTableFileFormat TFormTableFileBase::Format() const {
    switch (RadioGroup1->ItemIndex()) {
        case 1: return TTableFileFormat::Text;
        case 2: return TTableFileFormat::Csv;
        default: return TTableFileFormat::Xml;
    }
}

QString TFormTableFileBase::Extension(TTableFileFormat format) {
    switch (format) {
        case TTableFileFormat::Text: return QStringLiteral(".txt");
        case TTableFileFormat::Csv: return QStringLiteral(".csv");
        case TTableFileFormat::Xml: break;
    }
    return QStringLiteral(".xml");
}

QString TFormTableFileBase::Filter(TTableFileFormat format) {
    const QString pattern = QLatin1Char('*') + Extension(format);
    return pattern + QLatin1Char('|') + pattern;
}

QString TFormTableFileBase::DefaultName(TTableFileFormat format) { return QStringLiteral("Table1") + Extension(format); }

QString TFormTableFileBase::ChooseFile(bool save, const QString& fileName) {
    return chooser_->choose({.parent = this,
                             .save = save,
                             .filter = Filter(Format()),
                             .defaultExt = Extension(Format()),
                             .fileName = fileName,
                             .overwritePrompt = true});
}
