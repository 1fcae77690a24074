#include "tools/fmUnitConvert.h"

#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/ZMLocale.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMWindowPlace.h"
#include "platform/cstCHMHelpClass.h"
#include "tools/ZMUnitIcons.h"

namespace {

// Both value fields, so that the output lines up under the input.
constexpr int kValueWidth = 140;

// A pick-only unit list, as wide as the longest unit name of any category.
QComboBox* MakeUnitList(QWidget* parent, const char* name) {
    auto* c = Named(new QComboBox(parent), name);
    c->setEditable(false);
    c->setMinimumContentsLength(30);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMaxVisibleItems(16);
    c->setFixedWidth(c->sizeHint().width());
    return c;
}

void FillUnits(QComboBox* box, const TUnitClass& category) {
    const QSignalBlocker block(box);
    box->clear();
    for (int i = 0; i < category.Count(); ++i) box->addItem(QString::fromStdString(category.GetUnit(i)->Name));
    box->setCurrentIndex(0);
}

}  // namespace

TFormUnitConvert::TFormUnitConvert(QWidget* parent) : QDialog(parent), Catalogue_(std::make_unique<TUnitConvert>()) {
    setWindowTitle(QStringLiteral("Unit Converter"));
    Catalogue_->BuildCatalogue();
    BuildLayout();
    CentreOnFirstShow(*this);
}

TFormUnitConvert::~TFormUnitConvert() = default;

void TFormUnitConvert::BuildLayout() {
    auto* top = new QVBoxLayout(this);

    auto* head = new QHBoxLayout;
    Image1 = Named(new QLabel(this), "Image1");
    Image1->setPixmap(UnitConverterPicture());
    Label1 = Named(new QLabel(this), "Label1");
    QFont big = Label1->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    Label1->setFont(big);
    head->addWidget(Image1);
    head->addWidget(Label1, 1);
    top->addLayout(head);

    auto* body = new QHBoxLayout;
    auto* navigation = Named(new QGroupBox(QStringLiteral("Navigation"), this), "GroupBox1");
    auto* navLayout = new QVBoxLayout(navigation);
    TreeView1 = Named(new QTreeWidget(navigation), "TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setRootIsDecorated(false);
    TreeView1->setIconSize(QSize(24, 24));
    TreeView1->setFixedWidth(190);
    navLayout->addWidget(TreeView1);
    body->addWidget(navigation);

    auto* right = new QVBoxLayout;
    auto* input = Named(new QGroupBox(QStringLiteral("Input"), this), "GroupBox2");
    auto* inLayout = new QHBoxLayout(input);
    InputEdit = Named(new QLineEdit(QStringLiteral("1"), input), "InputEdit");
    InputEdit->setFixedWidth(kValueWidth);
    InputComboBox = MakeUnitList(input, "InputComboBox");
    Button3 = Named(new QPushButton(QStringLiteral("Go !"), input), "Button3");
    Button3->setDefault(true);
    inLayout->addWidget(InputEdit);
    inLayout->addWidget(InputComboBox);
    inLayout->addWidget(Button3);
    inLayout->addStretch(1);
    right->addWidget(input);

    auto* output = Named(new QGroupBox(QStringLiteral("Output"), this), "GroupBox3");
    auto* outLayout = new QHBoxLayout(output);
    OutputEdit = Named(new QLineEdit(QStringLiteral("1"), output), "OutputEdit");
    OutputEdit->setReadOnly(true);
    OutputEdit->setFixedWidth(kValueWidth);
    OutputComboBox = MakeUnitList(output, "OutputComboBox");
    outLayout->addWidget(OutputEdit);
    outLayout->addWidget(OutputComboBox);
    outLayout->addStretch(1);
    right->addWidget(output);

    auto* record = Named(new QGroupBox(QStringLiteral("Record"), this), "GroupBox4");
    auto* recLayout = new QVBoxLayout(record);
    Memo1 = Named(new QPlainTextEdit(record), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    recLayout->addWidget(Memo1);
    auto* recButtons = new QHBoxLayout;
    Button4 = NamedButton(record, "Button4", "Copy to clipboard");
    Button5 = NamedButton(record, "Button5", "Clear");
    recButtons->addStretch(1);
    recButtons->addWidget(Button4);
    recButtons->addWidget(Button5);
    recLayout->addLayout(recButtons);
    right->addWidget(record, 1);
    body->addLayout(right);
    top->addLayout(body);

    auto* buttons = new QHBoxLayout;
    Button2 = NamedButton(this, "Button2", "Help");
    Button1 = NamedButton(this, "Button1", "Close");
    buttons->addWidget(Button2);
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);

    InputEdit->installEventFilter(this);
    connect(TreeView1, &QTreeWidget::itemClicked, this, [this] { TreeView1Click(); });
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this] { TreeView1Change(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TFormUnitConvert::Execute(const QString& CategoryName) {
    CategoryName_ = CategoryName;
    FormShow();
    exec();
}

void TFormUnitConvert::FormShow() {
    const QSignalBlocker block(TreeView1);
    TreeView1->clear();
    for (int i = 0; i < Catalogue_->Count(); ++i) {
        auto* node = new QTreeWidgetItem(TreeView1, {QString::fromStdString(Catalogue_->GetClass(i)->Name)});
        node->setIcon(0, UnitCategoryIcon(i));
    }
    int chosen = 0;
    for (int i = 0; i < Catalogue_->Count(); ++i)
        if (Catalogue_->GetClass(i)->Name == CategoryName_.toStdString()) {
            chosen = i;
            break;
        }
    if (QTreeWidgetItem* node = TreeView1->topLevelItem(chosen)) TreeView1->setCurrentItem(node);
    ResetToCategory();
}

const TUnitClass* TFormUnitConvert::SelectedClass() const {
    QTreeWidgetItem* node = TreeView1->currentItem();
    return node ? Catalogue_->GetClass(TreeView1->indexOfTopLevelItem(node)) : nullptr;
}

void TFormUnitConvert::ResetToCategory() {
    const TUnitClass* category = SelectedClass();
    if (!category) return;
    InputEdit->setText(QStringLiteral("1"));
    OutputEdit->setText(QStringLiteral("1"));
    Label1->setText(QString::fromStdString(category->Description));
    FillUnits(InputComboBox, *category);
    FillUnits(OutputComboBox, *category);
}

void TFormUnitConvert::TreeView1Click() { ResetToCategory(); }

void TFormUnitConvert::TreeView1Change() { ResetToCategory(); }

void TFormUnitConvert::Button3Click() {
    const TUnitClass* category = SelectedClass();
    if (!category) return;
    const TUnitConversionText t =
        ConvertText(*category, InputComboBox->currentText().toStdString(), OutputComboBox->currentText().toStdString(),
                    InputEdit->text().toStdString(), decimalSeparator());
    OutputEdit->setText(QString::fromStdString(t.Output));
    const QString shown = QString::fromStdString(t.Input);
    if (InputEdit->text() != shown) InputEdit->setText(shown);
    Memo1->appendPlainText(QString::fromStdString(t.UnitsLine));
    Memo1->appendPlainText(QString::fromStdString(t.ValuesLine));
}

void TFormUnitConvert::Button4Click() {
    QString text;
    if (!Memo1->document()->isEmpty())
        for (const QString& line : Memo1->toPlainText().split(QLatin1Char('\n'))) text += line + QStringLiteral("\r\n");
    QGuiApplication::clipboard()->setText(text);
}

void TFormUnitConvert::Button5Click() { Memo1->clear(); }

void TFormUnitConvert::Button2Click() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch05_01.htm"), 1);
}

void TFormUnitConvert::Button1Click() { close(); }

bool TFormUnitConvert::eventFilter(QObject* watched, QEvent* event) {
    if (watched == InputEdit && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Ready for the next value once Enter has run the conversion.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) InputEdit->selectAll();
    }
    return QDialog::eventFilter(watched, event);
}
