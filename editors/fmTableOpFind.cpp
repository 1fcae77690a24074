#include "editors/fmTableOpFind.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ZMLocale.h"
#include "platform/ZMNamedControls.h"

TFormTableOpFind::TFormTableOpFind(QWidget* parent) : TFormTableOp(QStringLiteral("Find"), parent) {
    auto* value = new QHBoxLayout;
    Edit1 = NamedEdit(this, "Edit1", "");
    value->addWidget(NamedLabel(this, "Label1", "Value to find:"));
    value->addWidget(Edit1, 1);
    ColumnsGroup = NewColumnsGroup(this);
    DirectionGroup = NewDirectionGroup(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(ColumnsGroup);
    groups->addWidget(DirectionGroup);
    Memo1 = Named(new QPlainTextEdit(this), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFixedHeight(110);
    Body->addLayout(value);
    Body->addLayout(groups);
    Body->addWidget(NamedLabel(this, "Label2", "Search Result"));
    Body->addWidget(Memo1);
    AddButtons("Find Next =>");
    connect(DirectionGroup, &TRadioGroup::Click, this, [this](int row) { DirectionClick(row); });
}

TFormTableOpFind::~TFormTableOpFind() = default;

bool TFormTableOpFind::Execute(const TTableGrid& grid, int startRow) {
    SearchedGrid_ = &grid;
    Find_ = std::make_unique<TTableFind>(startRow);
    Memo1->clear();
    LinesShown_ = 0;
    ShowState();
    Edit1->setFocus();
    RunModal();
    SearchedGrid_ = nullptr;
    return Find_->Found;
}

void TFormTableOpFind::Button1Click() {
    if (!SearchedGrid_ || !Find_) return;
    Find_->FindNext(this, *SearchedGrid_,
                    {Edit1->text().toStdString(), ColumnsChosen(*ColumnsGroup), DirectionGroup->ItemIndex() == 1},
                    decimalSeparator());
    ShowState();
}

void TFormTableOpFind::DirectionClick(int row) {
    if (!Find_) return;
    Find_->DirectionChosen(row == 1);
    ShowState();
}

void TFormTableOpFind::ShowState() {
    for (; LinesShown_ < Find_->Lines.size(); ++LinesShown_)
        Memo1->appendPlainText(QString::fromStdString(Find_->Lines[LinesShown_]));
    Button1->setEnabled(Find_->Enabled);
}
