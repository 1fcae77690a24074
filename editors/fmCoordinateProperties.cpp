#include "editors/fmCoordinateProperties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "editors/ZMPenPickers.h"
#include "editors/cstValidationClass.h"
#include "engine/ZMNumber.h"
#include "platform/ZMColorBox.h"
#include "platform/ZMFontChooser.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMLinkLabel.h"
#include "platform/ZMLocale.h"
#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMRadioGroup.h"
#include "platform/ZMUpDownEdit.h"
#include "platform/cstCHMHelpClass.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"
#include "plot/ZMCoordinate.h"

namespace {

using S = TCoordinateSettings;

const char* const kHelpLines[] = {
    "In the this window, you can ",
    "set many specific properties ",
    "and parameters in the option ",
    "card such as",
    "  (1) Plot Parameters",
    "  (2) Axes Properties",
    "  (3) Legend Properties",
    "  (4) Grid Properties",
    "click HERE to get more info.",
};

// The tree's nodes: text, parent node (-1 for a top node), page.
struct TreeNode {
    const char* text;
    int parent;
    int page;
};
constexpr TreeNode kTreeNodes[] = {
    {"Plot Parameters", -1, 0}, {"Axes Properties", -1, 1}, {"View", 1, 1},      {"Style", 1, 2},
    {"Ticks", 1, 3},            {"Labels", 1, 4},           {"Titles", 1, 5},    {"Legend Properties", -1, 6},
    {"Grid Properties", -1, 7}, {"Cartesian", 8, 7},        {"Polar", 8, 8},
};

// The fields of one axis, one title and one grid in the plane's settings.
struct AxisFields {
    TGraphStyle S::*Pen;
    TAxesArrow S::*Arrow;
    double S::*TickStep;
    std::int32_t S::*TickLength;
    double S::*LabelStep;
    std::string S::*LabelString;
};
constexpr AxisFields kAxisFields[2] = {
    {&S::XAxesGraphStyle, &S::XArrow, &S::XAxesTicksStep, &S::XAxesTicksLength, &S::XAxesLabelsStep,
     &S::XAxesLabelsString},
    {&S::YAxesGraphStyle, &S::YArrow, &S::YAxesTicksStep, &S::YAxesTicksLength, &S::YAxesLabelsStep,
     &S::YAxesLabelsString},
};

struct TitleFields {
    std::uint8_t S::*Enabled;
    std::string S::*Text;
    TFont S::*Font;
};
constexpr TitleFields kTitleFields[4] = {
    {&S::TitleTopEnabled, &S::TitleTop, &S::TitleTopFont},
    {&S::TitleBottomEnabled, &S::TitleBottom, &S::TitleBottomFont},
    {&S::TitleLeftEnabled, &S::TitleLeft, &S::TitleLeftFont},
    {&S::TitleRightEnabled, &S::TitleRight, &S::TitleRightFont},
};

struct GridFields {
    std::uint8_t S::*Enabled;
    double S::*Step;
    TGraphStyle S::*Pen;
};
constexpr GridFields kGridFields[4] = {
    {&S::GridHorEnabled, &S::GridHorStep, &S::GridHorGraphStyle},
    {&S::GridVerEnabled, &S::GridVerStep, &S::GridVerGraphStyle},
    {&S::GridRadialEnabled, &S::GridRadialStep, &S::GridRadialGraphStyle},
    {&S::GridAngularEnabled, &S::GridAngularStep, &S::GridAngularGraphStyle},
};

QString Number(double v) { return QString::fromStdString(zm::FloatToStr(v, decimalSeparator())); }

double ReadReal(const QLineEdit* edit, double fallback) {
    double v = 0;
    return zm::TryStrToFloat(edit->text().toStdString(), v, decimalSeparator()) ? v : fallback;
}

std::int32_t ReadInteger(const QString& text, std::int32_t fallback) {
    std::int32_t v = 0;
    return zm::TryStrToInt(text.toStdString(), v) ? v : fallback;
}

// A switch byte: checked when non-zero, written as 1 or 0.
void LoadSwitch(QCheckBox* box, std::uint8_t value) { box->setChecked(value != 0); }
std::uint8_t SwitchOf(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

QString Text(const std::string& s) { return QString::fromStdString(s); }

// A grid of label + control rows in a titled group.
QGroupBox* Group(QWidget* parent, const char* title, QGridLayout*& grid) {
    auto* box = new QGroupBox(QString::fromLatin1(title), parent);
    grid = new QGridLayout(box);
    return box;
}

void AddRow(QGridLayout* grid, QWidget* parent, const char* label, QWidget* control, QWidget* after = nullptr) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(QString::fromLatin1(label), parent), row, 0);
    grid->addWidget(control, row, 1);
    if (after) grid->addWidget(after, row, 2);
}

void AddPenRows(QGridLayout* grid, QWidget* parent, TPenPickers* pen) {
    AddRow(grid, parent, "Line Style", pen->Style);
    AddRow(grid, parent, "Line Width", pen->Width);
    AddRow(grid, parent, "Line Color", pen->Color);
}

QWidget* Page(QWidget* parent, QVBoxLayout*& column) {
    auto* page = new QWidget(parent);
    column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    return page;
}

// The controls of one grid: check box caption, name part, starting step, caption after the step.
struct GridLayout {
    const char* check;
    const char* name;
    const char* step;
    const char* stepSuffix;
};
constexpr GridLayout kGrids[4] = {
    {"Horizontal Lines", "GridHor", "1", ""},
    {"Vertical Lines", "GridVer", "1", ""},
    {"Radial Grid", "GridRadial", "1", ""},
    {"Angular Grid", "GridAngular", "0.25", "Pi"},
};

// One check of OK: the field's text under a rule, registered with its message under the next code.
enum class Rule { NotEmpty, Number, Integer, Positive, BelowTwo, LessThanField };
struct Check {
    const QLineEdit* field;
    Rule rule;
    const char* message;
    const QLineEdit* other = nullptr;
};

}  // namespace

TFormCoordinateProperties::TFormCoordinateProperties(QWidget* parent)
    : QDialog(parent), ownChooser_(std::make_unique<QtFontChooser>()), chooser_(ownChooser_.get()) {
    setWindowTitle(QStringLiteral("Coordinate Properties"));
    BuildLayout();
}

TFormCoordinateProperties::~TFormCoordinateProperties() = default;

void TFormCoordinateProperties::SetFontChooser(FontChooser* chooser) {
    chooser_ = chooser ? chooser : ownChooser_.get();
}

void TFormCoordinateProperties::BuildLayout() {
    auto* top = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    top->addLayout(body);

    // Left: the tree over the help panel.
    auto* left = new QVBoxLayout;
    TreeView1 = Named(new QTreeWidget(this), "TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    left->addWidget(TreeView1, 1);
    auto* help = Named(new QGroupBox(QStringLiteral("Help"), this), "GroupBoxHelp");
    auto* helpColumn = new QVBoxLayout(help);
    MemoHelp = Named(new QPlainTextEdit(help), "MemoHelp");
    MemoHelp->setReadOnly(true);
    MemoHelp->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoHelp->setFrameShape(QFrame::NoFrame);
    QStringList lines;
    for (const char* line : kHelpLines) lines << QString::fromLatin1(line);
    MemoHelp->setPlainText(lines.join(QLatin1Char('\n')));
    // The whole note shows without scrolling.
    MemoHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics fm = MemoHelp->fontMetrics();
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, fm.horizontalAdvance(line));
    const int frame = 2 * static_cast<int>(MemoHelp->document()->documentMargin()) + 4;
    MemoHelp->setFixedSize(widest + frame, fm.lineSpacing() * static_cast<int>(lines.size()) + frame);
    LinkSpecific = Named(new TLinkLabel(QStringLiteral("Specific Descriptions"), help), "LinkSpecific");
    helpColumn->addWidget(MemoHelp);
    helpColumn->addWidget(LinkSpecific);
    left->addWidget(help);
    TreeView1->setFixedWidth(help->sizeHint().width());
    body->addLayout(left);

    // Right: the heading over the pages.
    auto* right = new QVBoxLayout;
    LabelHeading = NamedLabel(this, "LabelHeading", "");
    QFont bold = LabelHeading->font();
    bold.setBold(true);
    LabelHeading->setFont(bold);
    right->addWidget(LabelHeading);
    PageControl1 = Named(new QStackedWidget(this), "PageControl1");
    for (QWidget* page : {BuildIntervalsPage(), BuildViewPage(), BuildStylePage(), BuildTicksPage(), BuildLabelsPage(),
                          BuildTitlesPage(), BuildLegendPage(), BuildGridsPage(0, false), BuildGridsPage(2, true)}) {
        page->setObjectName(QStringLiteral("TabSheet%1").arg(PageControl1->count() + 1));
        PageControl1->addWidget(page);
    }
    right->addWidget(PageControl1, 1);
    body->addLayout(right, 1);

    Button1 = NamedButton(this, "Button1", "OK");
    Button2 = NamedButton(this, "Button2", "Cancel");
    Button3 = NamedButton(this, "Button3", "Help");
    AddButtonRow(top, {Button1, Button2, Button3});
    top->setSizeConstraint(QLayout::SetFixedSize);

    BuildTree();

    onClick(Button1, this, &TFormCoordinateProperties::Button1Click);
    onClick(Button2, this, &TFormCoordinateProperties::Button2Click);
    onClick(Button3, this, &TFormCoordinateProperties::Button3Click);
    connect(LinkSpecific, &TLinkLabel::clicked, this, [this] { guarded(this, [this] { LinkSpecificClick(); }); });
    for (int i = 0; i < 4; ++i) {
        connect(titles_[static_cast<std::size_t>(i)].Font, &QPushButton::clicked, this,
                [this, i] { guarded(this, [this, i] { FontButtonClick(i); }); });
    }
    // currentItemChanged follows the arrow keys too, not only the mouse.
    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { TreeView1Change(current); });
}

void TFormCoordinateProperties::BuildTree() {
    std::vector<QTreeWidgetItem*> items;
    for (const TreeNode& node : kTreeNodes) {
        QTreeWidgetItem* item = node.parent < 0
                                    ? new QTreeWidgetItem(TreeView1)
                                    : new QTreeWidgetItem(items[static_cast<std::size_t>(node.parent)]);
        item->setText(0, QString::fromLatin1(node.text));
        item->setData(0, Qt::UserRole, node.page);
        items.push_back(item);
        QString& caption = pageCaptions_[static_cast<std::size_t>(node.page)];
        if (caption.isEmpty()) caption = item->text(0);
    }
}

QWidget* TFormCoordinateProperties::BuildIntervalsPage() {
    QVBoxLayout* column = nullptr;
    QWidget* page = Page(this, column);
    QGridLayout* grid = nullptr;
    column->addWidget(Group(page, "Intervals", grid));
    EditXMin = NamedEdit(page, "EditXMin", "-10");
    EditXMax = NamedEdit(page, "EditXMax", "10");
    EditYMin = NamedEdit(page, "EditYMin", "-10");
    EditYMax = NamedEdit(page, "EditYMax", "10");
    AddRow(grid, page, "Minimum of X", EditXMin);
    AddRow(grid, page, "Maximum of X", EditXMax);
    AddRow(grid, page, "Minimum of Y", EditYMin);
    AddRow(grid, page, "Maximum of Y", EditYMax);
    column->addWidget(Group(page, "Plot Parameter", grid));
    EditSteps = NamedEdit(page, "EditSteps", "800");
    EditMaxGap = NamedEdit(page, "EditMaxGap", "400");
    AddRow(grid, page, "Number of Steps", EditSteps);
    AddRow(grid, page, "Maximum gap", EditMaxGap);
    column->addStretch(1);
    return page;
}

QWidget* TFormCoordinateProperties::BuildViewPage() {
    QVBoxLayout* column = nullptr;
    QWidget* page = Page(this, column);
    CheckEqualScale = NamedCheck(page, "CheckEqualScale", "Equal scale of marks");
    column->addWidget(CheckEqualScale);
    auto* background = new QHBoxLayout;
    background->addWidget(new QLabel(QStringLiteral("Background Color"), page));
    ColorBackground = Named(new TColorBox(page), "ColorBackground");
    ColorBackground->SetSelected(0xFFFFFF);
    background->addWidget(ColorBackground);
    background->addStretch(1);
    column->addLayout(background);
    RadioAxesView = new TRadioGroup(QStringLiteral("Axes View"), {QStringLiteral("Crossed"), QStringLiteral("Boxed")}, page);
    RadioAxesView->setObjectName(QStringLiteral("RadioAxesView"));
    RadioAxesView->SetItemIndex(0);
    column->addWidget(RadioAxesView);
    column->addStretch(1);
    return page;
}

QWidget* TFormCoordinateProperties::BuildStylePage() {
    QVBoxLayout* column = nullptr;
    QWidget* page = Page(this, column);
    const struct {
        const char* group;
        const char* prefix;
        const char* nameLabel;
        const char* name;
        const char* directions[2];
    } kAxes[2] = {
        {"X-Axis", "X", "X-Axis name", "X", {"Left -> Right", "Right -> Left"}},
        {"Y-Axis", "Y", "Y-Axis name", "Y", {"Bottom -> Top", "Top -> Bottom"}},
    };
    for (std::size_t i = 0; i < 2; ++i) {
        AxisControls& a = axes_[i];
        const QString prefix = QString::fromLatin1(kAxes[i].prefix);
        QGridLayout* grid = nullptr;
        column->addWidget(Group(page, kAxes[i].group, grid));
        a.Arrow = new QCheckBox(QStringLiteral("Show Arrow"), page);
        a.Arrow->setObjectName(QStringLiteral("Check%1Arrow").arg(prefix));
        a.Arrow->setChecked(true);
        grid->addWidget(a.Arrow, 0, 0, 1, 2);
        a.Name = new QLineEdit(QString::fromLatin1(kAxes[i].name), page);
        a.Name->setObjectName(QStringLiteral("Edit%1Name").arg(prefix));
        AddRow(grid, page, kAxes[i].nameLabel, a.Name);
        a.Direction = new QComboBox(page);
        a.Direction->setObjectName(QStringLiteral("Combo%1Direction").arg(prefix));
        for (const char* d : kAxes[i].directions) a.Direction->addItem(QString::fromLatin1(d));
        AddRow(grid, page, "Direction", a.Direction);
        a.Pen = new TPenPickers(page, prefix + QStringLiteral("Axis"));
        AddPenRows(grid, page, a.Pen);
    }
    column->addStretch(1);
    return page;
}

QWidget* TFormCoordinateProperties::BuildTicksPage() {
    QVBoxLayout* column = nullptr;
    QWidget* page = Page(this, column);
    const char* const kGroups[2] = {"Ticks Along X-Axis", "Ticks Along Y-Axis"};
    for (std::size_t i = 0; i < 2; ++i) {
        const QString prefix = i == 0 ? QStringLiteral("X") : QStringLiteral("Y");
        AxisControls& a = axes_[i];
        QGridLayout* grid = nullptr;
        column->addWidget(Group(page, kGroups[i], grid));
        a.TickStep = new QLineEdit(QStringLiteral("1"), page);
        a.TickStep->setObjectName(QStringLiteral("Edit%1TickStep").arg(prefix));
        AddRow(grid, page, "Step", a.TickStep);
        a.TickLength = new UpDownEdit(1, 10, page);
        a.TickLength->setObjectName(QStringLiteral("UpDown%1TickLength").arg(prefix));
        a.TickLength->Edit()->setObjectName(QStringLiteral("Edit%1TickLength").arg(prefix));
        a.TickLength->SetValue(2);
        AddRow(grid, page, "Length", a.TickLength);
    }
    column->addStretch(1);
    return page;
}

QWidget* TFormCoordinateProperties::BuildLabelsPage() {
    QVBoxLayout* column = nullptr;
    QWidget* page = Page(this, column);
    const char* const kGroups[2] = {"Labels Along X-Axis", "Labels Along Y-Axis"};
    const char* const kSides[2] = {"To the top of X-Axis", "To the left of Y-Axis"};
    for (std::size_t i = 0; i < 2; ++i) {
        const QString prefix = i == 0 ? QStringLiteral("X") : QStringLiteral("Y");
        AxisControls& a = axes_[i];
        QGridLayout* grid = nullptr;
        column->addWidget(Group(page, kGroups[i], grid));
        a.LabelStep = new QLineEdit(QStringLiteral("1"), page);
        a.LabelStep->setObjectName(QStringLiteral("Edit%1LabelStep").arg(prefix));
        AddRow(grid, page, "Step", a.LabelStep);
        a.LabelString = new QLineEdit(page);
        a.LabelString->setObjectName(QStringLiteral("Edit%1LabelString").arg(prefix));
        AddRow(grid, page, "Additional String", a.LabelString);
        a.LabelSide = new QCheckBox(QString::fromLatin1(kSides[i]), page);
        a.LabelSide->setObjectName(QStringLiteral("Check%1LabelSide").arg(prefix));
        grid->addWidget(a.LabelSide, grid->rowCount(), 0, 1, 2);
    }
    column->addStretch(1);
    return page;
}

QWidget* TFormCoordinateProperties::BuildTitlesPage() {
    QVBoxLayout* column = nullptr;
    QWidget* page = Page(this, column);
    QGridLayout* grid = nullptr;
    column->addWidget(Group(page, "Titles", grid));
    const char* const kNames[4] = {"Top", "Bottom", "Left", "Right"};
    for (std::size_t i = 0; i < 4; ++i) {
        const QString name = QString::fromLatin1(kNames[i]);
        TitleControls& t = titles_[i];
        t.Enabled = new QCheckBox(name, page);
        t.Enabled->setObjectName(QStringLiteral("CheckTitle") + name);
        t.Text = new QLineEdit(page);
        t.Text->setObjectName(QStringLiteral("EditTitle") + name);
        t.Text->setMinimumWidth(200);
        t.Font = new QPushButton(QStringLiteral("Font..."), page);
        t.Font->setObjectName(QStringLiteral("ButtonFont") + name);
        t.Font->setAutoDefault(false);
        const int row = static_cast<int>(i);
        grid->addWidget(t.Enabled, row, 0);
        grid->addWidget(t.Text, row, 1);
        grid->addWidget(t.Font, row, 2);
    }
    column->addStretch(1);
    return page;
}

QWidget* TFormCoordinateProperties::BuildLegendPage() {
    QVBoxLayout* column = nullptr;
    QWidget* page = Page(this, column);
    CheckLegend = NamedCheck(page, "CheckLegend", "Legend");
    CheckShowSamples = NamedCheck(page, "CheckShowSamples", "Show Samples");
    CheckShowSamples->setChecked(true);
    CheckTextColor = NamedCheck(page, "CheckTextColor", "Text Color as graphs");
    CheckTextColor->setChecked(true);
    for (QCheckBox* box : {CheckLegend, CheckShowSamples, CheckTextColor}) column->addWidget(box);
    RadioPosition = new TRadioGroup(QStringLiteral("Position"),
                                    {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}, page);
    RadioPosition->setObjectName(QStringLiteral("RadioPosition"));
    RadioPosition->SetItemIndex(1);
    column->addWidget(RadioPosition);
    column->addStretch(1);
    return page;
}

QWidget* TFormCoordinateProperties::BuildGridsPage(std::size_t first, bool grouped) {
    QVBoxLayout* column = nullptr;
    QWidget* page = Page(this, column);
    for (std::size_t i = first; i < first + 2; ++i) {
        const GridLayout& layout = kGrids[i];
        GridControls& g = grids_[i];
        const QString name = QString::fromLatin1(layout.name);
        g.Enabled = new QCheckBox(QString::fromLatin1(layout.check), page);
        g.Enabled->setObjectName(QStringLiteral("Check") + name);
        column->addWidget(g.Enabled);
        QGridLayout* grid = nullptr;
        QLabel* suffix = nullptr;
        if (grouped) {
            column->addWidget(Group(page, layout.check, grid));
            // Both groups keep room for the caption after the step, so their controls line up.
            suffix = new QLabel(QString::fromLatin1(layout.stepSuffix), page);
            suffix->setMinimumWidth(suffix->fontMetrics().horizontalAdvance(QStringLiteral("Pi")));
        } else {
            grid = new QGridLayout;
            grid->setContentsMargins(20, 0, 0, 0);
            column->addLayout(grid);
        }
        g.Step = new QLineEdit(QString::fromLatin1(layout.step), page);
        g.Step->setObjectName(QStringLiteral("Edit%1Step").arg(name));
        AddRow(grid, page, "Step", g.Step, suffix);
        g.Pen = new TPenPickers(page, name);
        AddPenRows(grid, page, g.Pen);
    }
    column->addStretch(1);
    return page;
}

bool TFormCoordinateProperties::Execute(TCoordinate& Coordinate) {
    Coordinate_ = &Coordinate;
    Confirmed = false;
    FormShow();
    exec();
    return Confirmed;
}

void TFormCoordinateProperties::FormShow() {
    TreeView1->expandAll();
    {
        const QSignalBlocker quiet(TreeView1);
        TreeView1->setCurrentItem(TreeView1->topLevelItem(0));
    }
    TreeView1Change(TreeView1->currentItem());
    LoadControls();
}

void TFormCoordinateProperties::TreeView1Change(QTreeWidgetItem* current) {
    const int page = current ? current->data(0, Qt::UserRole).toInt() : 0;
    PageControl1->setCurrentIndex(page);
    QString& caption = pageCaptions_[static_cast<std::size_t>(page)];
    if (current) caption = current->text(0);
    LabelHeading->setText(caption);
}

QString TFormCoordinateProperties::PageCaption(int page) const {
    return page >= 0 && page < PageCount ? pageCaptions_[static_cast<std::size_t>(page)] : QString();
}

void TFormCoordinateProperties::LoadControls() {
    if (!Coordinate_) return;
    const S& s = Coordinate_->Settings;

    EditXMin->setText(Number(s.XInterval.Min));
    EditXMax->setText(Number(s.XInterval.Max));
    EditYMin->setText(Number(s.YInterval.Min));
    EditYMax->setText(Number(s.YInterval.Max));
    EditSteps->setText(QString::number(s.PlotParameter.Steps));
    EditMaxGap->setText(QString::number(s.PlotParameter.MaxGap));

    LoadSwitch(CheckEqualScale, s.EqualScaleEnabled);
    ColorBackground->SetSelected(s.BackgroundColor);
    RadioAxesView->SetItemIndex(s.AxesStyle != 0 ? 1 : 0);

    for (std::size_t i = 0; i < 2; ++i) {
        const AxisFields& f = kAxisFields[i];
        AxisControls& a = axes_[i];
        LoadSwitch(a.Arrow, (s.*f.Arrow).Enabled);
        a.Name->setText(Text((s.*f.Arrow).Name));
        a.Pen->Load(s.*f.Pen);
        a.TickStep->setText(Number(s.*f.TickStep));
        a.TickLength->SetValue(s.*f.TickLength);
        a.LabelStep->setText(Number(s.*f.LabelStep));
        a.LabelString->setText(Text(s.*f.LabelString));
    }
    axes_[0].Direction->setCurrentIndex(s.XAxesDirection != 0 ? 1 : 0);
    axes_[1].Direction->setCurrentIndex(s.YAxesDirection == 1 ? 0 : 1);
    axes_[0].LabelSide->setChecked(s.XAxesLabelSide == 0);
    axes_[1].LabelSide->setChecked(s.YAxesLabelSide == 0);

    for (std::size_t i = 0; i < 4; ++i) {
        LoadSwitch(titles_[i].Enabled, s.*kTitleFields[i].Enabled);
        titles_[i].Text->setText(Text(s.*kTitleFields[i].Text));
    }

    LoadSwitch(CheckLegend, s.LegendEnabled);
    LoadSwitch(CheckShowSamples, s.ShowSampleEnabled);
    LoadSwitch(CheckTextColor, s.TextColorAsGraphEnabled);
    RadioPosition->SetItemIndex(s.LegendPosition <= 1 ? s.LegendPosition : 2);

    for (std::size_t i = 0; i < 4; ++i) {
        const GridFields& f = kGridFields[i];
        LoadSwitch(grids_[i].Enabled, s.*f.Enabled);
        grids_[i].Step->setText(Number(s.*f.Step));
        grids_[i].Pen->Load(s.*f.Pen);
    }
}

bool TFormCoordinateProperties::Validate() {
    const QLineEdit* xTick = axes_[0].TickStep;
    const QLineEdit* yTick = axes_[1].TickStep;
    const QLineEdit* xLabel = axes_[0].LabelStep;
    const QLineEdit* yLabel = axes_[1].LabelStep;
    const QLineEdit* hor = grids_[0].Step;
    const QLineEdit* ver = grids_[1].Step;
    const QLineEdit* radial = grids_[2].Step;
    const QLineEdit* angular = grids_[3].Step;
    // Codes 1 to 42, in this order.
    const Check checks[] = {
        {EditXMin, Rule::NotEmpty, "The minimum value of X cannot be null."},
        {EditXMin, Rule::Number, "The minimum value of X must be a number."},
        {EditXMax, Rule::NotEmpty, "The maximum value of X cannot be null."},
        {EditXMax, Rule::Number, "The maximum value of X must be a number."},
        {EditXMin, Rule::LessThanField, "The minimum value of X must be less than the maximum value of X.", EditXMax},
        {EditYMin, Rule::NotEmpty, "The minimum value of Y cannot be null."},
        {EditYMin, Rule::Number, "The minimum value of Y must be a number."},
        {EditYMax, Rule::NotEmpty, "The maximum value of Y cannot be null."},
        {EditYMax, Rule::Number, "The maximum value of Y must be a number."},
        {EditYMin, Rule::LessThanField, "The minimum value of Y must be less than the maximum value of Y.", EditYMax},
        {EditSteps, Rule::NotEmpty, "Number of Steps cannot be null."},
        {EditSteps, Rule::Integer, "Number of Steps must be an integer."},
        {EditSteps, Rule::Positive, "Number of Steps must be greater than 0."},
        {EditMaxGap, Rule::NotEmpty, "Maximum gap cannot be null."},
        {EditMaxGap, Rule::Integer, "Maximum gap must be an integer."},
        {EditMaxGap, Rule::Positive, "Maximum gap must be greater than 0."},
        {EditMaxGap, Rule::LessThanField, "Maximum gap must be less than Number of Steps.", EditSteps},
        {xTick, Rule::NotEmpty, "Step of X-Axis cannot be null."},
        {xTick, Rule::Number, "Step of X-Axis must be a number."},
        {xTick, Rule::Positive, "Step of X-Axis must be greater than 0."},
        {yTick, Rule::NotEmpty, "Step of Y-Axis cannot be null."},
        {yTick, Rule::Number, "Step of Y-Axis must be a number."},
        {yTick, Rule::Positive, "Step of Y-Axis must be greater than 0."},
        {xLabel, Rule::NotEmpty, "Label step of X-Axis cannot be null."},
        {xLabel, Rule::Number, "Label step of X-Axis must be a number."},
        {xLabel, Rule::Positive, "Label step of X-Axis must be greater than 0."},
        {yLabel, Rule::NotEmpty, "Label step of Y-Axis cannot be null."},
        {yLabel, Rule::Number, "Label step of Y-Axis must be a number."},
        {yLabel, Rule::Positive, "Label step of Y-Axis must be greater than 0."},
        {hor, Rule::NotEmpty, "Step of Horizontol Lines cannot be null."},
        {hor, Rule::Number, "Step of Horizontol Lines must be a number."},
        {hor, Rule::Positive, "Step of Horizontol Lines must be greater than 0."},
        {ver, Rule::NotEmpty, "Step of Vertical Lines cannot be null."},
        {ver, Rule::Number, "Step of Vertical Lines must be a number."},
        {ver, Rule::Positive, "Step of Vertical Lines must be greater than 0."},
        {radial, Rule::NotEmpty, "Step of Radial Grid cannot be null."},
        {radial, Rule::Number, "Step of Radial Grid must be a number."},
        {radial, Rule::Positive, "Step of Radial Grid must be greater than 0."},
        {angular, Rule::NotEmpty, "Step of Angular Grid cannot be null."},
        {angular, Rule::Number, "Step of Angular Grid must be a number."},
        {angular, Rule::Positive, "Step of Angular Grid must be between 0 and 2."},
        {angular, Rule::BelowTwo, "Step of Angular Grid must be between 0 and 2."},
    };

    TValidObject v(decimalSeparator());
    std::int32_t code = 0;
    for (const Check& c : checks) {
        ++code;
        v.SetText(c.field->text().toStdString());
        v.AddMessage(code, c.message);
        switch (c.rule) {
        case Rule::NotEmpty: v.CheckNotEmpty(code); break;
        case Rule::Number: v.CheckIsFloat(code); break;
        case Rule::Integer: v.CheckIsInteger(code); break;
        case Rule::Positive: v.CheckGreaterThan(code, 0); break;
        case Rule::BelowTwo: v.CheckLessThan(code, 2.0); break;
        case Rule::LessThanField: v.CheckLessThanText(c.other->text().toStdString(), code); break;
        }
    }
    if (v.LastError == 0) return true;
    message(this, MsgKind::Warning, QString::fromStdString(v.NextErrorMessage()));
    return false;
}

void TFormCoordinateProperties::WriteControls() {
    S& s = Coordinate_->Settings;

    s.XInterval.Min = ReadReal(EditXMin, -10);
    s.XInterval.Max = ReadReal(EditXMax, 10);
    s.YInterval.Min = ReadReal(EditYMin, -10);
    s.YInterval.Max = ReadReal(EditYMax, 10);
    s.PlotParameter.Steps = ReadInteger(EditSteps->text(), 800);
    s.PlotParameter.MaxGap = ReadInteger(EditMaxGap->text(), 400);

    s.EqualScaleEnabled = SwitchOf(CheckEqualScale);
    s.BackgroundColor = ColorBackground->Selected();
    s.AxesStyle = RadioAxesView->ItemIndex() != 0 ? 1 : 0;

    for (std::size_t i = 0; i < 2; ++i) {
        const AxisFields& f = kAxisFields[i];
        const AxisControls& a = axes_[i];
        (s.*f.Arrow).Enabled = SwitchOf(a.Arrow);
        (s.*f.Arrow).Name = a.Name->text().toStdString();
        if (i == 0)
            s.XAxesDirection = a.Direction->currentIndex() != 0 ? 1 : 0;
        else
            s.YAxesDirection = a.Direction->currentIndex() == 0 ? 1 : 0;
        a.Pen->WriteInto(s.*f.Pen);
        s.*f.TickStep = ReadReal(a.TickStep, 1.0);
        s.*f.TickLength = ReadInteger(a.TickLength->Edit()->text(), 2);
        s.*f.LabelStep = ReadReal(a.LabelStep, 1.0);
        s.*f.LabelString = zm::Trim(a.LabelString->text().toStdString());
    }
    s.XAxesLabelSide = axes_[0].LabelSide->isChecked() ? 0 : 1;
    s.YAxesLabelSide = axes_[1].LabelSide->isChecked() ? 0 : 1;

    for (std::size_t i = 0; i < 4; ++i) {
        s.*kTitleFields[i].Enabled = SwitchOf(titles_[i].Enabled);
        s.*kTitleFields[i].Text = titles_[i].Text->text().toStdString();
    }

    s.LegendEnabled = SwitchOf(CheckLegend);
    s.ShowSampleEnabled = SwitchOf(CheckShowSamples);
    s.TextColorAsGraphEnabled = SwitchOf(CheckTextColor);
    const int position = RadioPosition->ItemIndex();
    s.LegendPosition = position == 0 || position == 1 ? static_cast<std::uint8_t>(position) : 2;

    for (std::size_t i = 0; i < 4; ++i) {
        const GridFields& f = kGridFields[i];
        s.*f.Enabled = SwitchOf(grids_[i].Enabled);
        s.*f.Step = ReadReal(grids_[i].Step, 1.0);
        grids_[i].Pen->WriteInto(s.*f.Pen);
    }
}

void TFormCoordinateProperties::Button1Click() {
    if (!Coordinate_ || !Validate()) return;
    WriteControls();
    Confirmed = true;
    accept();
}

void TFormCoordinateProperties::Button2Click() {
    Confirmed = false;
    reject();
}

void TFormCoordinateProperties::Button3Click() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch03_01.htm"), 1);
}

void TFormCoordinateProperties::LinkSpecificClick() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch03_01.htm#3121"), 1);
}

void TFormCoordinateProperties::FontButtonClick(int title) {
    if (title < 0 || title > 3 || !Coordinate_) return;
    TFont font = dialogFont_;
    if (!chooser_->choose(this, font)) return;
    dialogFont_ = font;
    (Coordinate_->Settings.*kTitleFields[static_cast<std::size_t>(title)].Font).Assign(font);
}
