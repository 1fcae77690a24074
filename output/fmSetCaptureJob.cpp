#include "output/fmSetCaptureJob.h"

#include "output/ZMCapScreen.h"
#include "platform/ZMFileBrowse.h"
#include "platform/ZMGuard.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMRadioGroup.h"
#include "platform/ZMUpDownEdit.h"
#include "platform/ZMWindowPlace.h"
#include "storage/ZMValueText.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

UpDownEdit* NumberEdit(QWidget* parent, const char* name, const char* editName, int min, int max) {
    auto* edit = new UpDownEdit(min, max, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->Edit()->setObjectName(QString::fromLatin1(editName));
    edit->SetValue(1);
    return edit;
}

}  // namespace

TFormSetCaptureJob::TFormSetCaptureJob(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSetCaptureJob"));
    setWindowTitle(QStringLiteral("Set Batch Capture Job"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* top = new QVBoxLayout(this);

    auto* current = new QGroupBox(QStringLiteral("Current Output File"), this);
    auto* currentRow = new QVBoxLayout(current);
    EditFileName = NamedEdit(current, "EditFileName", "");
    EditFileName->setReadOnly(true);
    currentRow->addWidget(EditFileName);
    top->addWidget(current);

    auto* middle = new QHBoxLayout;
    auto* parameters = new QGroupBox(QStringLiteral("Parameters"), this);
    auto* rows = new QFormLayout(parameters);
    EditFileNamePrefix = NamedEdit(parameters, "EditFileNamePrefix", "");
    UpDown1 = NumberEdit(parameters, "UpDown1", "EditCurrentIndex", 0, 9999);
    UpDown2 = NumberEdit(parameters, "UpDown2", "EditDigital", 1, 100);
    rows->addRow(NamedLabel(parameters, "Label1", "Filename Prefix:"), EditFileNamePrefix);
    rows->addRow(NamedLabel(parameters, "Label2", "Start Number"), UpDown1);
    rows->addRow(NamedLabel(parameters, "Label3", "Digital"), UpDown2);
    middle->addWidget(parameters, 1);
    RadioGroup1 = new TRadioGroup(QStringLiteral("Picture Format"), {QStringLiteral("BMP"), QStringLiteral("EMF")}, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->SetItemIndex(0);
    middle->addWidget(RadioGroup1);
    top->addLayout(middle);

    auto* output = new QGroupBox(QStringLiteral("Output Directory"), this);
    auto* outputRows = new QVBoxLayout(output);
    DriveComboBox1 = new TDriveComboBox(output);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DirectoryListBox1 = new TDirectoryListBox(output);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setFixedHeight(150);
    MemoOutputDirectory = new QPlainTextEdit(output);
    MemoOutputDirectory->setObjectName(QStringLiteral("MemoOutputDirectory"));
    MemoOutputDirectory->setReadOnly(true);
    MemoOutputDirectory->setFixedHeight(48);
    auto* drive = new QHBoxLayout;
    drive->addWidget(NamedLabel(output, "Label4", "Driver"));
    drive->addWidget(DriveComboBox1, 1);
    outputRows->addLayout(drive);
    outputRows->addWidget(DirectoryListBox1);
    outputRows->addWidget(MemoOutputDirectory);
    top->addWidget(output);
    LinkFileBrowse(DriveComboBox1, DirectoryListBox1, nullptr);

    // Not the default button: Enter in a number edit stores the number and must not close.
    QPushButton* close = NamedButton(this, "Button4", "Close");
    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    closing->addWidget(close);
    top->addLayout(closing);
    top->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(360);
    CentreOnFirstShow(*this);

    Timer1.setSingleShot(true);
    Timer1.setInterval(100);
    const auto run = [this](void (TFormSetCaptureJob::*handler)()) {
        return [this, handler] { guarded(this, [this, handler] { (this->*handler)(); }); };
    };
    connect(&Timer1, &QTimer::timeout, this, run(&TFormSetCaptureJob::Timer1Timer));
    connect(EditFileNamePrefix, &QLineEdit::textChanged, this, run(&TFormSetCaptureJob::EditFileNamePrefixChange));
    connect(RadioGroup1, &TRadioGroup::Click, this, run(&TFormSetCaptureJob::RadioGroup1Click));
    connect(UpDown1, &UpDownEdit::stepped, this, run(&TFormSetCaptureJob::EditCurrentIndexEnter));
    connect(UpDown1->Edit(), &QLineEdit::returnPressed, this, run(&TFormSetCaptureJob::EditCurrentIndexEnter));
    connect(UpDown2, &UpDownEdit::stepped, this, run(&TFormSetCaptureJob::EditDigitalEnter));
    connect(UpDown2->Edit(), &QLineEdit::returnPressed, this, run(&TFormSetCaptureJob::EditDigitalEnter));
    connect(DirectoryListBox1, &TDirectoryListBox::directoryChanged, this, run(&TFormSetCaptureJob::DirectoryListBox1Change));
    onClick(close, this, &TFormSetCaptureJob::Button4Click);
}

void TFormSetCaptureJob::Execute(TCapScreen& Settings) {
    CapScreen = &Settings;
    FormShow();
    Timer1.start();
    exec();
}

void TFormSetCaptureJob::FormShow() {
    if (!CapScreen) return;
    EditFileNamePrefix->setText(CapScreen->Prefix);
    UpDown1->SetValue(CapScreen->Index);
    UpDown2->SetValue(CapScreen->Digits);
    RadioGroup1->SetItemIndex(CapScreen->Format);
    RefreshSample();
    DirectoryListBox1->SetDirectory(CapScreen->Directory);
    DirectoryListBox1Change();
}

void TFormSetCaptureJob::Timer1Timer() {
    Timer1.stop();
    if (!CapScreen) return;
    UpDown1->SetValue(CapScreen->Index);
    UpDown2->SetValue(CapScreen->Digits);
}

QString TFormSetCaptureJob::SampleName() const {
    const QRadioButton* format = RadioGroup1->Button(RadioGroup1->ItemIndex());
    return CapScreen->GetFileName() + QStringLiteral(".") + (format ? format->text().toLower() : QString());
}

void TFormSetCaptureJob::RefreshSample() {
    if (CapScreen) EditFileName->setText(SampleName());
}

void TFormSetCaptureJob::EditFileNamePrefixChange() {
    if (!CapScreen) return;
    CapScreen->Prefix = EditFileNamePrefix->text();
    RefreshSample();
}

void TFormSetCaptureJob::RadioGroup1Click() {
    if (!CapScreen) return;
    CapScreen->Format = RadioGroup1->ItemIndex();
    RefreshSample();
}

void TFormSetCaptureJob::EditCurrentIndexEnter() {
    if (!CapScreen) return;
    CapScreen->Index = ReadIntegerText(UpDown1->Edit()->text().toStdString());
    RefreshSample();
}

void TFormSetCaptureJob::EditDigitalEnter() {
    if (!CapScreen) return;
    CapScreen->Digits = ReadIntegerText(UpDown2->Edit()->text().toStdString());
    RefreshSample();
}

void TFormSetCaptureJob::DirectoryListBox1Change() {
    if (!CapScreen) return;
    CapScreen->Directory = DirectoryListBox1->Directory();
    DirectoryListBox1->SetDirectory(CapScreen->Directory);
    MemoOutputDirectory->setPlainText(CapScreen->Directory);
}

void TFormSetCaptureJob::Button4Click() { close(); }
