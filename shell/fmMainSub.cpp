#include "shell/fmMainSub.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "editors/fmAddGraph.h"
#include "editors/fmAddLabel.h"
#include "editors/fmAddTable.h"
#include "editors/fmExportTable.h"
#include "editors/fmImportTable.h"
#include "editors/fmCoordinateProperties.h"
#include "editors/fmEditGraph.h"
#include "editors/fmEditLabel.h"
#include "editors/fmEditTable.h"
#include "editors/fmUpdateVarMem.h"
#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "platform/ZMColorBox.h"
#include "platform/ZMGuard.h"
#include "platform/ZMLocale.h"
#include "platform/ZMMenuText.h"
#include "platform/ZMMessage.h"
#include "platform/ZMXmlDocument.h"
#include "plot/ComboboxBrushStyle.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"
#include "plot/ZMCoordinate.h"
#include "plot/ZMDocumentContext.h"
#include "plot/ZMFunTabObj.h"
#include "plot/ZMMemoryListBox.h"
#include "shell/ZMCalcPanel.h"
#include "shell/ZMCommandMemo.h"
#include "shell/ZMOptionFiles.h"
#include "storage/ZMAddLabel.h"
#include "storage/ZMXML.h"

namespace {

const QString kLabelMarker = QStringLiteral("AddLabel");  // marker of a label control

TPoint ToTPoint(QPoint p) { return {p.x(), p.y()}; }

bool IsMarkedLabel(const QObject* o) {
    const auto* label = qobject_cast<const TAddLabel*>(o);
    return label && label->property("hint").toString() == kLabelMarker;
}

QString NumberText(double v) { return QString::fromStdString(zm::FloatToStr(v, decimalSeparator())); }

// A label dialog's result into the label the window copies from.
void CopyLook(const TLabelLook& look, TAddLabel& label) {
    label.SetCaption(look.Caption);
    label.SetFont(look.Font);
    label.SetColor(look.Color);
    label.SetTransparent(look.Transparent);
}

// Runs the variable and constant dialog for the calculator panel.
bool RunUpdateVarMem(QWidget* parent, const QString& prefix, zm::TVarMemory& memory, QString& line) {
    TFormUpdateVarMem dialog(parent);
    if (!dialog.Execute(prefix, memory)) return false;
    line = dialog.CommandLine;
    return true;
}

// The program's dialogs for the window's commands.
TDocumentDialogs ProgramDialogs() {
    TDocumentDialogs d;
    d.AddGraph = [](TFormMainSub& doc) {
        TFormAddGraph dialog(&doc);
        return dialog.Execute(*doc.Memory, *doc.OperatorLib, *doc.VarMemory, *doc.ConstMemory);
    };
    d.AddTable = [](TFormMainSub& doc) {
        TFormAddTable dialog(&doc);
        return dialog.Execute(*doc.Memory, *doc.OperatorLib, *doc.VarMemory, *doc.ConstMemory);
    };
    d.ImportTable = [](TFormMainSub& doc) { return ImportTableFile(&doc); };
    d.ExportTable = [](TFormMainSub& doc) {
        TFormExportTable dialog(&doc);
        return dialog.Execute(*doc.Memory, 0);
    };
    d.EditGraph = [](TFormMainSub& doc, int index) {
        if (TTableObj* table = doc.Memory->GetTable(index)) {
            TFormEditTable dialog(&doc);
            return dialog.Execute(*table, *doc.Memory, *doc.OperatorLib, *doc.VarMemory, *doc.ConstMemory);
        }
        TFunctionObj* graph = doc.Memory->GetFunction(index);
        if (!graph) return false;
        TFormEditGraph dialog(&doc);
        return dialog.Execute(*graph, *doc.OperatorLib, *doc.VarMemory, *doc.ConstMemory);
    };
    d.CoordinateProperties = [](TFormMainSub& doc) {
        TFormCoordinateProperties dialog(&doc);
        return dialog.Execute(*doc.Coordinate1);
    };
    d.AddLabel = [](TFormMainSub& doc, TAddLabel& result) {
        TFormAddLabel dialog(&doc);
        if (!dialog.Execute()) return false;
        CopyLook(*dialog.Result, result);
        return true;
    };
    d.EditLabel = [](TFormMainSub& doc, const TAddLabel& label, TAddLabel& result) {
        TFormEditLabel dialog(&doc);
        if (!dialog.Execute(label)) return false;
        CopyLook(*dialog.Result, result);
        return true;
    };
    return d;
}

}  // namespace

TFormMainSub::TFormMainSub(QWidget* parent) : QWidget(parent) {
    // FormCreate: the spare pen and brush start as canvas defaults, no band.
    BandActive = false;
    setWindowTitle(QStringLiteral("Document"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(232);
    // In a short window the groups keep their sizes and the panel scrolls.
    auto* outer = new QVBoxLayout(Panel1);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(Panel1);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll);
    auto* groups = new QWidget(scroll);
    auto* left = new QVBoxLayout(groups);
    left->setContentsMargins(2, 2, 2, 2);
    scroll->setWidget(groups);
    GroupBox1 = new QGroupBox(QStringLiteral("Graphs List"), groups);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox2 = new QGroupBox(QStringLiteral("Command Window"), groups);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox3 = new QGroupBox(QStringLiteral("Calculator"), groups);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    for (QGroupBox* box : {GroupBox1, GroupBox2, GroupBox3}) {
        auto* inner = new QVBoxLayout(box);
        inner->setContentsMargins(4, 4, 4, 4);
    }
    left->addWidget(GroupBox1, 2);
    left->addWidget(GroupBox2, 2);
    left->addWidget(GroupBox3, 0);
    layout->addWidget(Panel1);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    layout->addWidget(Panel2, 1);
    Panel2->installEventFilter(this);

    Coordinate1 = new TCoordinate(Panel2);
    Coordinate1->setObjectName(QStringLiteral("Coordinate1"));
    Coordinate1->setMouseTracking(true);
    Coordinate1->setContextMenuPolicy(Qt::DefaultContextMenu);
    Coordinate1->installEventFilter(this);

    MemoryListBox1 = new TMemoryListBox(GroupBox1);
    MemoryListBox1->setObjectName(QStringLiteral("MemoryListBox1"));
    GroupBox1->layout()->addWidget(MemoryListBox1);
    MemoryListBox1->viewport()->installEventFilter(this);
    connect(MemoryListBox1, &TMemoryListBox::MouseUp, this,
            [this](Qt::MouseButton, QPoint p) { guarded(this, [this, p] { MemoryListBox1MouseUp(p); }); });
    connect(MemoryListBox1, &TMemoryListBox::KeyUp, this,
            [this](int key) { guarded(this, [this, key] { MemoryListBox1KeyUp(key); }); });

    ZMCommandMemo1 = new TZMCommandMemo(GroupBox2);
    ZMCommandMemo1->setObjectName(QStringLiteral("ZMCommandMemo1"));
    GroupBox2->layout()->addWidget(ZMCommandMemo1);
    // The margins may have moved with the new legend row.
    connect(ZMCommandMemo1, &TZMCommandMemo::GraphDrawn, this, [this] {
        PlaceLabels();
        UpdateStyleControls();
    });
    CalcPanel1 = new TCalcPanel(ZMCommandMemo1, GroupBox3);
    CalcPanel1->setObjectName(QStringLiteral("CalcPanel1"));
    CalcPanel1->UpdateVarMemRunner = RunUpdateVarMem;
    GroupBox3->layout()->addWidget(CalcPanel1);

    BuildMenus();
    Dialogs = ProgramDialogs();
}

TFormMainSub::~TFormMainSub() {
    // Labels and views go with their parents; the views must not outlive the list they show.
    if (MemoryListBox1) MemoryListBox1->Memory = nullptr;
    if (ZMCommandMemo1) ZMCommandMemo1->Memory = nullptr;
    if (Coordinate1) Coordinate1->SetMemory(nullptr);
}

void TFormMainSub::BuildMenus() {
    GraphListPopupMenu = new QMenu(this);
    GraphListPopupMenu->setObjectName(QStringLiteral("GraphListPopupMenu"));
    AddGraph1 = GraphListPopupMenu->addAction(QStringLiteral("Add Graph"));
    AddTableGraph1 = GraphListPopupMenu->addAction(QStringLiteral("Add Table Graph"));
    Delete1 = GraphListPopupMenu->addAction(QStringLiteral("Delete"));
    Properties1 = GraphListPopupMenu->addAction(QStringLiteral("Properties"));
    connect(AddGraph1, &QAction::triggered, this, [this] { guarded(this, [this] { ActionAddGraphExecute(); }); });
    connect(AddTableGraph1, &QAction::triggered, this, [this] { guarded(this, [this] { ActionAddTableExecute(); }); });
    connect(Delete1, &QAction::triggered, this, [this] { guarded(this, [this] { Delete1Click(); }); });
    connect(Properties1, &QAction::triggered, this, [this] { guarded(this, [this] { ActionEditGraphExecute(); }); });

    LabelPopupMenu = new QMenu(this);
    LabelPopupMenu->setObjectName(QStringLiteral("LabelPopupMenu"));
    EditLabel1 = LabelPopupMenu->addAction(QStringLiteral("Edit Label"));
    ransparent1 = LabelPopupMenu->addAction(QStringLiteral("Transparent"));
    ransparent1->setCheckable(true);
    DeleteLabel1 = LabelPopupMenu->addAction(QStringLiteral("Delete Label"));
    connect(EditLabel1, &QAction::triggered, this, [this] { guarded(this, [this] { EditLabel1Click(); }); });
    connect(ransparent1, &QAction::triggered, this, [this] { ransparent1Click(); });
    connect(DeleteLabel1, &QAction::triggered, this, [this] { DeleteLabel1Click(); });

    CoordinatePopupMenu = new QMenu(this);
    CoordinatePopupMenu->setObjectName(QStringLiteral("CoordinatePopupMenu"));
    Add1 = CoordinatePopupMenu->addMenu(QStringLiteral("Add"));
    QAction* graph = Add1->addAction(QStringLiteral("Graph"));
    QAction* table = Add1->addAction(QStringLiteral("Table Graph"));
    connect(graph, &QAction::triggered, this, [this] { guarded(this, [this] { ActionAddGraphExecute(); }); });
    connect(table, &QAction::triggered, this, [this] { guarded(this, [this] { ActionAddTableExecute(); }); });
    ShowHideGraph1 = CoordinatePopupMenu->addMenu(QStringLiteral("Show/Hide Graph"));
    EditGraph1 = CoordinatePopupMenu->addMenu(QStringLiteral("Edit Graph"));
    DeleteGraph1 = CoordinatePopupMenu->addMenu(QStringLiteral("Delete Graph"));
    CoordinatePopupMenu->addSeparator();
    HorizontalGridLines1 = CoordinatePopupMenu->addAction(QStringLiteral("Horizontal Grid Lines"));
    VerticalGridLines1 = CoordinatePopupMenu->addAction(QStringLiteral("Vertical Grid Lines"));
    RadialGridLines1 = CoordinatePopupMenu->addAction(QStringLiteral("Radial Grid Lines"));
    AngularGirdLines1 = CoordinatePopupMenu->addAction(QStringLiteral("Angular Gird Lines"));
    CoordinatePopupMenu->addSeparator();
    Equalscaleofmarks1 = CoordinatePopupMenu->addAction(QStringLiteral("Equal scale of marks"));
    QMenu* axesView = CoordinatePopupMenu->addMenu(QStringLiteral("Axes View"));
    auto* axesGroup = new QActionGroup(axesView);
    Crossed1 = axesView->addAction(QStringLiteral("Crossed"));
    Boxed1 = axesView->addAction(QStringLiteral("Boxed"));
    axesGroup->addAction(Crossed1);
    axesGroup->addAction(Boxed1);
    Legend1 = CoordinatePopupMenu->addAction(QStringLiteral("Legend"));
    CoordinatePopupMenu->addSeparator();
    CoordinateProperties1 = CoordinatePopupMenu->addAction(QStringLiteral("CoordinateProperties"));
    connect(CoordinateProperties1, &QAction::triggered, this,
            [this] { guarded(this, [this] { ActionCoordinatePropertiesExecute(); }); });

    for (QAction* a : {HorizontalGridLines1, VerticalGridLines1, RadialGridLines1, AngularGirdLines1, Equalscaleofmarks1,
                       Crossed1, Boxed1, Legend1}) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, a] { guarded(this, [this, a] { PlaneSwitch(a); }); });
    }
    connect(CoordinatePopupMenu, &QMenu::aboutToShow, this, [this] { CoordinatePopupMenuPopup(); });
    connect(GraphListPopupMenu, &QMenu::aboutToShow, this, [this] { GraphListPopupMenuPopup(); });
    connect(LabelPopupMenu, &QMenu::aboutToShow, this, [this] { LabelPopupMenuPopup(); });

    SetGraphMenuItemsVisible(false);
}

// ---------------------------------------------------------------------------------------
// Set-up and close

void TFormMainSub::InitDocument(const TMyToolBar& Controls) {
    StyleControls = std::make_unique<TMyToolBar>(Controls);
    OperatorLib = std::make_unique<zm::TOperatorLib>();
    VarMemory = NewDocumentVariables();
    ConstMemory = NewDocumentConstants();
    Memory = std::make_unique<TMemory>();
    SavedXInterval = TInterval::CreateRange(0, 0, 0);
    SavedYInterval = TInterval::CreateRange(0, 0, 0);

    MemoryListBox1->Memory = Memory.get();
    ZMCommandMemo1->Memory = Memory.get();
    ZMCommandMemo1->Plane = Coordinate1;
    ZMCommandMemo1->ListBox = MemoryListBox1;
    ZMCommandMemo1->VarMemory = VarMemory.get();
    ZMCommandMemo1->ConstMemory = ConstMemory.get();
    ZMCommandMemo1->OperatorLib = OperatorLib.get();
    Coordinate1->SetMemory(Memory.get());

    Coordinate1->ClearBackground();
    Coordinate1->setGeometry(Panel2->rect());
    Redraw();
    UpdateStyleControls();
    PlaceLabels();
    SetMouseMode(0);
    // A document window starts maximised inside the frame.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->showMaximized();
    else
        show();
}

void TFormMainSub::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TFormMainSub::FormClose() {
    if (StyleControls) {
        if (StyleControls->LineWidthBox) StyleControls->LineWidthBox->setEnabled(false);
        if (StyleControls->LineStyleBox) StyleControls->LineStyleBox->setEnabled(false);
        if (StyleControls->ColorBox) StyleControls->ColorBox->setEnabled(false);
        if (StyleControls->BrushStyleBox) StyleControls->BrushStyleBox->setEnabled(false);
    }
    StyleControls.reset();
}

void TFormMainSub::ReplaceMemory(std::unique_ptr<TMemory> List) {
    if (!List) return;
    TMemory* list = List.get();
    MemoryListBox1->Memory = list;
    ZMCommandMemo1->Memory = list;
    Coordinate1->SetMemory(list);
    Memory = std::move(List);  // the old list is freed only now
    MemoryListBox1->clear();
    for (std::size_t i = 0; i < Memory->Count(); ++i) MemoryListBox1->AddRow();
}

void TFormMainSub::Redraw() {
    if (!Memory) return;
    Coordinate1->Redraw(Memory.get(), *OperatorLib, *VarMemory, *ConstMemory);
    // The margins follow the legend rows and titles, so the labels follow the redraw.
    PlaceLabels();
}

void TFormMainSub::Panel2Resize() {
    Coordinate1->setGeometry(Panel2->rect());
    if (!Memory) return;
    Redraw();
    PlaceLabels();
}

// ---------------------------------------------------------------------------------------
// Mouse modes and the plane

void TFormMainSub::SetMouseMode(uint8_t Mode) {
    MouseMode = Mode;
    switch (Mode) {
    case 1: Coordinate1->setCursor(Qt::IBeamCursor); break;
    case 2: Coordinate1->setCursor(Qt::CrossCursor); break;
    default: Coordinate1->setCursor(Qt::ArrowCursor); break;
    }
}

bool TFormMainSub::PixelToWorld(QPoint P, double& X, double& Y) const {
    const TCoordinateSettings& s = Coordinate1->Settings;
    const int l = Coordinate1->MarginLeft;
    const int t = Coordinate1->MarginTop;
    const int r = Coordinate1->width() - Coordinate1->MarginRight;
    const int b = Coordinate1->height() - Coordinate1->MarginBottom;
    if (r <= l || b <= t) return false;
    const double ux = (s.XInterval.Max - s.XInterval.Min) / (r - l);
    const double uy = (s.YInterval.Max - s.YInterval.Min) / (b - t);
    const double dx = s.XAxesDirection == 0 ? P.x() - l : r - P.x();
    const double dy = s.YAxesDirection == 1 ? b - P.y() : P.y() - t;
    X = dx * ux + s.XInterval.Min;
    Y = dy * uy + s.YInterval.Min;
    return std::isfinite(X) && std::isfinite(Y);
}

QString TFormMainSub::PositionText(QPoint P) const {
    double x = 0;
    double y = 0;
    if (!Coordinate1->ScreenToWorld(ToTPoint(P), x, y) || !std::isfinite(x) || !std::isfinite(y)) {
        x = 0;
        y = 0;
    }
    return QStringLiteral("X: ") + NumberText(RoundTo3(x)) + QStringLiteral("    Y: ") + NumberText(RoundTo3(y));
}

void TFormMainSub::DrawBand() {
    TCanvas& c = Coordinate1->GetCanvas();
    c.Rectangle(BandOrigin.x(), BandOrigin.y(), BandEnd.x(), BandEnd.y());
}

void TFormMainSub::Coordinate1MouseDown(Qt::MouseButton Button, QPoint P) {
    if (MouseMode == 1) {
        if (Button != Qt::LeftButton) return;
        TAddLabel result;
        const bool ok = Dialogs.AddLabel && Dialogs.AddLabel(*this, result);
        if (ok) {
            TAddLabel* label = MakeLabel(result);
            label->move(P);
            double x = 0;
            double y = 0;
            if (!PixelToWorld(P, x, y)) {
                x = Coordinate1->Settings.XInterval.Min;
                y = Coordinate1->Settings.YInterval.Min;
            }
            label->x = x;
            label->y = y;
        }
        SetMouseMode(0);
        return;
    }
    if (MouseMode == 2 && Button == Qt::LeftButton) {
        SavePenBrush();
        BandActive = true;
        BandOrigin = P;
        BandEnd = P;
        TCanvas& c = Coordinate1->GetCanvas();
        c.SetPenColor(0);
        c.SetPenStyle(psDot);
        c.SetPenMode(pmNotXor);
        c.SetBrushColor(0xFFFFFF);
        c.SetBrushStyle(bsSolid);
    }
}

void TFormMainSub::Coordinate1MouseMove(QPoint P) {
    if (StyleControls && StyleControls->StatusBar) {
        if (auto* panel = StyleControls->StatusBar->findChild<QLabel*>(QStringLiteral("StatusBar1Panel1")))
            panel->setText(PositionText(P));
    }
    if (MouseMode == 2 && BandActive) {
        DrawBand();
        BandEnd = P;
        DrawBand();
        Coordinate1->update();
    }
}

void TFormMainSub::Coordinate1MouseUp(Qt::MouseButton Button, QPoint P) {
    if (MouseMode != 2 || Button != Qt::LeftButton) return;
    if (BandActive) {
        DrawBand();  // erases the band
        BandEnd = P;
        const int l = Coordinate1->MarginLeft;
        const int t = Coordinate1->MarginTop;
        const int r = Coordinate1->width() - Coordinate1->MarginRight;
        const int b = Coordinate1->height() - Coordinate1->MarginBottom;
        if (r > l && b > t) {
            const QPoint a(std::clamp(BandOrigin.x(), l, r), std::clamp(BandOrigin.y(), t, b));
            const QPoint e(std::clamp(BandEnd.x(), l, r), std::clamp(BandEnd.y(), t, b));
            double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            if (a.x() != e.x() && a.y() != e.y() && Coordinate1->ScreenToWorld(ToTPoint(a), x1, y1) &&
                Coordinate1->ScreenToWorld(ToTPoint(e), x2, y2)) {
                TCoordinateSettings after = Coordinate1->Settings;
                BandToIntervals(x1, y1, x2, y2, after.XInterval, after.YInterval);
                if (IsUsableView(Coordinate1->Settings, after)) {
                    Coordinate1->Settings.XInterval = after.XInterval;
                    Coordinate1->Settings.YInterval = after.YInterval;
                }
            }
        }
        RestorePenBrush();
        Redraw();
        PlaceLabels();
        BandActive = false;
    }
    SetMouseMode(0);
}

void TFormMainSub::SavePenBrush() {
    TCanvas& c = Coordinate1->GetCanvas();
    SparePen = c.Pen();
    SpareBrush = c.Brush();
}

void TFormMainSub::RestorePenBrush() {
    TCanvas& c = Coordinate1->GetCanvas();
    c.SetPen(SparePen);
    c.SetBrush(SpareBrush);
}

// ---------------------------------------------------------------------------------------
// Labels

namespace {

// Hides the plane, and the labels on it, while many labels are made. Each label shown on a
// visible plane is hit-tested against all the others for the mouse, so showing n labels one
// by one costs n squared; under the hidden plane they show in one pass when it shows again.
// A plane already hidden, as in a nested batch, is left alone.
class TLabelBatch {
public:
    explicit TLabelBatch(QWidget* Plane) : plane_(Plane->isVisible() ? Plane : nullptr) {
        if (plane_) plane_->hide();
    }
    ~TLabelBatch() {
        if (plane_) plane_->show();
    }
    TLabelBatch(const TLabelBatch&) = delete;
    TLabelBatch& operator=(const TLabelBatch&) = delete;

private:
    QWidget* plane_;
};

}  // namespace

TAddLabel* TFormMainSub::MakeLabel(const TAddLabel& Source) {
    auto label = std::make_unique<TAddLabel>();
    label->AssignLook(Source);
    label->x = Source.x;
    label->y = Source.y;
    return AdoptLabel(std::move(label));
}

TAddLabel* TFormMainSub::AdoptLabel(std::unique_ptr<TAddLabel> Label) {
    TAddLabel* label = Label.release();
    label->setParent(Coordinate1);
    WireLabel(label);
    label->show();
    LabelList.emplace_back(label);
    return label;
}

void TFormMainSub::WireLabel(TAddLabel* Label) {
    // The marker is kept as a hint that is never shown.
    Label->setProperty("hint", kLabelMarker);
    Label->setContextMenuPolicy(Qt::DefaultContextMenu);
    Label->installEventFilter(this);
}

std::vector<TAddLabel*> TFormMainSub::Labels() const {
    std::vector<TAddLabel*> out;
    for (const QPointer<TAddLabel>& label : LabelList)
        if (label) out.push_back(label.data());
    return out;
}

void TFormMainSub::PlaceLabels() {
    for (TAddLabel* label : Labels()) {
        const TPoint p = Coordinate1->WorldToScreen(label->x, label->y);
        label->move(p.x, p.y);
    }
}

void TFormMainSub::SaveLabels(const TXMLNode& Node) const {
    TXMLNode parent = Node;
    for (const TAddLabel* label : Labels()) TZMXML::WriteAddLabel(parent, "AddLabel", *label);
}

void TFormMainSub::LoadLabels(const TXMLNode& Node) {
    const TLabelBatch batch(Coordinate1);
    for (TXMLNode child = Node.FirstChild(); child; child = child.NextSibling()) {
        if (!child.IsElement() || child.NodeName() != "AddLabel") continue;
        // The label read becomes the control: a widget discarded here would scan the whole
        // queue of events posted for the labels made so far.
        TAddLabel* label = AdoptLabel(TZMXML::ReadAddLabel(child));
        const TPoint p = Coordinate1->WorldToScreen(label->x, label->y);
        label->move(p.x, p.y);
    }
}

void TFormMainSub::LabelMouseDown(TAddLabel* Label, Qt::MouseButton Button) {
    if (Button == Qt::LeftButton) {
        DragLabel = Label;
        Dragging = false;
        return;
    }
    PopupLabel = Label;
}

bool TFormMainSub::Coordinate1DragOver(QWidget* Source) const { return IsMarkedLabel(Source); }

bool TFormMainSub::OpenPlaneAt(QPoint Global, const QWidget* Dragged, QPoint& OnPlane) const {
    OnPlane = Coordinate1->mapFromGlobal(Global);
    if (!Coordinate1->isVisible() || !Coordinate1->rect().contains(OnPlane)) return false;
    for (const QObject* child : Coordinate1->children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        if (w && w != Dragged && w->isVisible() && w->geometry().contains(OnPlane)) return false;
    }
    return true;
}

void TFormMainSub::Coordinate1DragDrop(QWidget* Source, QPoint P) {
    if (!IsMarkedLabel(Source)) return;
    auto* label = static_cast<TAddLabel*>(Source);
    label->move(P.x(), P.y() - 5);
    double x = 0;
    double y = 0;
    if (PixelToWorld(P, x, y)) {
        label->x = x;
        label->y = y;
    }
}

void TFormMainSub::LabelPopupMenuPopup() { ransparent1->setChecked(PopupLabel && PopupLabel->Transparent()); }

void TFormMainSub::EditLabel1Click() {
    if (!PopupLabel || !Dialogs.EditLabel) return;
    TAddLabel result;
    if (Dialogs.EditLabel(*this, *PopupLabel, result)) PopupLabel->AssignLook(result);
}

void TFormMainSub::ransparent1Click() {
    if (PopupLabel) PopupLabel->SetTransparent(!PopupLabel->Transparent());
}

void TFormMainSub::DeleteLabel1Click() {
    for (TAddLabel* label : Labels()) {
        if (label == PopupLabel) {
            if (DragLabel == label) DragLabel = nullptr;
            std::erase(LabelList, QPointer<TAddLabel>(label));
            delete label;
            break;
        }
    }
    PopupLabel = nullptr;
}

// ---------------------------------------------------------------------------------------
// Style pickers and the graph list box

int TFormMainSub::SelectedRow() const { return MemoryListBox1->currentRow(); }

void TFormMainSub::SelectRow(int Row) { MemoryListBox1->setCurrentRow(Row); }

void TFormMainSub::UpdateStyleControls() {
    if (!StyleControls) return;
    TMyToolBar& c = *StyleControls;
    const int row = SelectedRow();
    const TGraphStyle* style = Memory && row >= 0 ? Memory->GetGraphStyle(row) : nullptr;
    const bool on = style != nullptr;
    if (c.LineWidthBox) c.LineWidthBox->setEnabled(on);
    if (c.LineStyleBox) c.LineStyleBox->setEnabled(on);
    if (c.ColorBox) c.ColorBox->setEnabled(on);
    if (c.BrushStyleBox) c.BrushStyleBox->setEnabled(on);
    if (!on) return;
    const TGraphStyle shown = *style;
    if (c.LineWidthBox) c.LineWidthBox->setCurrentIndex(shown.LineWidth - 1);
    if (c.LineStyleBox) c.LineStyleBox->SetCD_CurrentPenStyle(shown.LineStyle);
    if (c.ColorBox) c.ColorBox->SetSelected(shown.LineColor);
    if (c.BrushStyleBox) c.BrushStyleBox->SetCD_CurrentBrushStyle(shown.BrushStyle);
}

void TFormMainSub::MemoryListBox1MouseUp(QPoint P) {
    if (P.x() < TMemoryListBox::CheckBoxColumn) Redraw();
    UpdateStyleControls();
}

void TFormMainSub::MemoryListBox1KeyUp(int Key) {
    switch (Key) {
    case Qt::Key_Up:
    case Qt::Key_Down: UpdateStyleControls(); break;
    case Qt::Key_Delete: Delete1Click(); break;
    case Qt::Key_Space: {
        const int row = SelectedRow();
        if (row < 0 || !Memory || row >= static_cast<int>(Memory->Count())) break;
        Memory->SetShowEnabled(row, Memory->GetShowEnabled(row) ? 0 : 1);
        MemoryListBox1->viewport()->update();
        Redraw();
        UpdateStyleControls();
        break;
    }
    default: break;
    }
}

void TFormMainSub::GraphListPopupMenuPopup() {
    const bool selected = SelectedRow() >= 0;
    Delete1->setEnabled(selected);
    Properties1->setEnabled(selected);
    AddGraph1->setEnabled(true);
    AddTableGraph1->setEnabled(true);
}

// ---------------------------------------------------------------------------------------
// Graph commands

void TFormMainSub::GraphAdded() {
    MemoryListBox1->AddRow();
    Redraw();
    UpdateStyleControls();
}

void TFormMainSub::ActionAddGraphExecute() {
    if (Dialogs.AddGraph && Dialogs.AddGraph(*this)) GraphAdded();
}

bool TFormMainSub::AddPresetGraph(const std::string& Exp, const std::string& AddExp, uint8_t Kind,
                                  const TInterval& XInterval) {
    if (!Memory) return false;
    TFormAddGraph dialog(this);
    if (!dialog.ExecuteWithExpressions(*Memory, *OperatorLib, *VarMemory, *ConstMemory, Exp, AddExp, Kind,
                                       XInterval))
        return false;
    GraphAdded();
    return true;
}

void TFormMainSub::ActionAddTableExecute() {
    if (Dialogs.AddTable && Dialogs.AddTable(*this)) GraphAdded();
}

void TFormMainSub::ActionImportTableExecute() {
    if (!Memory || !Dialogs.ImportTable) return;
    const std::unique_ptr<TTableObj> table = Dialogs.ImportTable(*this);
    if (!table) return;
    table->ShowEnabled = 1;
    Memory->AddTable(*table);
    GraphAdded();
    SelectRow(MemoryListBox1->count() - 1);
    ActionEditGraphExecute();
}

void TFormMainSub::ActionExportTableExecute() {
    if (Memory && Dialogs.ExportTable) Dialogs.ExportTable(*this);
}

void TFormMainSub::ActionEditGraphExecute() {
    const int row = SelectedRow();
    if (row < 0 || !Memory || Memory->GetObjKind(row) > 1) return;
    if (!Dialogs.EditGraph || !Dialogs.EditGraph(*this, row)) return;
    // The row's caption may have changed (a table's number of points, a formula).
    MemoryListBox1->viewport()->update();
    Redraw();
    UpdateStyleControls();
}

void TFormMainSub::Delete1Click() {
    if (ConfirmDeleteOption() && message(this, MsgKind::Confirmation, QStringLiteral("Do you want to remove the graph?"),
                       MsgButtons::OkCancel) != MsgResult::Ok)
        return;
    DeleteGraphRow(SelectedRow());
}

void TFormMainSub::DeleteGraphRow(int Row) {
    if (Row < 0 || !Memory || Row >= static_cast<int>(Memory->Count())) return;
    Memory->DeleteGraph(Row);
    MemoryListBox1->DeleteFirstRow();
    // Rows are drawn from the list, so no row would still show the deleted graph's place.
    SelectRow(-1);
    Redraw();
    UpdateStyleControls();
}

void TFormMainSub::ActionCoordinatePropertiesExecute() {
    if (!Dialogs.CoordinateProperties || !Dialogs.CoordinateProperties(*this)) return;
    Redraw();
    PlaceLabels();
}

// ---------------------------------------------------------------------------------------
// The plane pop-up menu

void TFormMainSub::SetGraphMenuItemsVisible(bool Visible) {
    for (QMenu* m : {Add1, ShowHideGraph1, EditGraph1, DeleteGraph1}) m->menuAction()->setVisible(Visible);
}

void TFormMainSub::CoordinatePopupMenuPopup() {
    const TCoordinateSettings& s = Coordinate1->Settings;
    HorizontalGridLines1->setChecked(s.GridHorEnabled != 0);
    VerticalGridLines1->setChecked(s.GridVerEnabled != 0);
    RadialGridLines1->setChecked(s.GridRadialEnabled != 0);
    AngularGirdLines1->setChecked(s.GridAngularEnabled != 0);
    Equalscaleofmarks1->setChecked(s.EqualScaleEnabled != 0);
    if (s.AxesStyle != 0)
        Boxed1->setChecked(true);
    else
        Crossed1->setChecked(true);
    Legend1->setChecked(s.LegendEnabled != 0);

    if (!Add1->menuAction()->isVisible() || !Memory) return;
    const int count = static_cast<int>(Memory->Count());
    struct Sub {
        QMenu* menu;
        void (TFormMainSub::*handler)(QAction*);
        bool checks;
    };
    const Sub subs[] = {{ShowHideGraph1, &TFormMainSub::ToggleGraphByMenu, true},
                        {EditGraph1, &TFormMainSub::EditGraphByMenu, false},
                        {DeleteGraph1, &TFormMainSub::DeleteGraphByMenu, false}};
    for (const Sub& sub : subs) {
        sub.menu->menuAction()->setEnabled(count > 0);
        sub.menu->clear();
        for (int i = 0; i < count; ++i) {
            QAction* item = sub.menu->addAction(MenuText(Memory->GetCaption(i)));
            item->setData(QString::number(i));
            item->setCheckable(sub.checks);
            item->setChecked(sub.checks && Memory->GetShowEnabled(i) != 0);
            auto handler = sub.handler;
            connect(item, &QAction::triggered, this,
                    [this, item, handler] { guarded(this, [this, item, handler] { (this->*handler)(item); }); });
        }
    }
}

namespace {
int ItemIndex(const QAction* item) {
    int32_t i = -1;
    if (!item || !zm::TryStrToInt(item->data().toString().toStdString(), i)) return -1;
    return i;
}
}  // namespace

void TFormMainSub::ToggleGraphByMenu(QAction* Item) {
    const int i = ItemIndex(Item);
    if (Memory && i >= 0 && i < static_cast<int>(Memory->Count())) {
        Memory->SetShowEnabled(i, Memory->GetShowEnabled(i) ? 0 : 1);
        MemoryListBox1->viewport()->update();
    }
    Redraw();
}

void TFormMainSub::EditGraphByMenu(QAction* Item) {
    SelectRow(ItemIndex(Item));
    ActionEditGraphExecute();
}

void TFormMainSub::DeleteGraphByMenu(QAction* Item) {
    SelectRow(ItemIndex(Item));
    Delete1Click();
}

void TFormMainSub::PlaneSwitch(QAction* Item) {
    TCoordinateSettings& s = Coordinate1->Settings;
    const uint8_t on = Item->isChecked() ? 1 : 0;
    if (Item == HorizontalGridLines1) s.GridHorEnabled = on;
    else if (Item == VerticalGridLines1) s.GridVerEnabled = on;
    else if (Item == RadialGridLines1) s.GridRadialEnabled = on;
    else if (Item == AngularGirdLines1) s.GridAngularEnabled = on;
    else if (Item == Equalscaleofmarks1) s.EqualScaleEnabled = on;
    else if (Item == Crossed1) s.AxesStyle = 0;
    else if (Item == Boxed1) s.AxesStyle = 1;
    else if (Item == Legend1) s.LegendEnabled = on;
    Redraw();
    PlaceLabels();
}

// ---------------------------------------------------------------------------------------
// View commands

void TFormMainSub::SaveCurrentIntervals() {
    SavedXInterval = Coordinate1->Settings.XInterval;
    SavedYInterval = Coordinate1->Settings.YInterval;
    SavedXInterval.Enabled = 1;
    SavedYInterval.Enabled = 1;
}

void TFormMainSub::ApplyView(TViewCommand Command) {
    const TCoordinateSettings after = ApplyViewCommand(Coordinate1->Settings, Command);
    if (!IsUsableView(Coordinate1->Settings, after)) return;
    SaveCurrentIntervals();
    Coordinate1->Settings = after;
    Redraw();
    PlaceLabels();
}

void TFormMainSub::ActionCoordExpandHor() { ApplyView(TViewCommand::ExpandHor); }
void TFormMainSub::ActionCoordExpandVer() { ApplyView(TViewCommand::ExpandVer); }
void TFormMainSub::ActionCoordExpandBoth() { ApplyView(TViewCommand::ExpandBoth); }
void TFormMainSub::ActionCoordContractHor() { ApplyView(TViewCommand::ContractHor); }
void TFormMainSub::ActionCoordContractVer() { ApplyView(TViewCommand::ContractVer); }
void TFormMainSub::ActionCoordContractBoth() { ApplyView(TViewCommand::ContractBoth); }
void TFormMainSub::ActionCoordMoveLeft() { ApplyView(TViewCommand::MoveLeft); }
void TFormMainSub::ActionCoordMoveRight() { ApplyView(TViewCommand::MoveRight); }
void TFormMainSub::ActionCoordMoveUp() { ApplyView(TViewCommand::MoveUp); }
void TFormMainSub::ActionCoordMoveDown() { ApplyView(TViewCommand::MoveDown); }
void TFormMainSub::ActionCoordMoveLeftMore() { ApplyView(TViewCommand::MoveLeftMore); }
void TFormMainSub::ActionCoordMoveRightMore() { ApplyView(TViewCommand::MoveRightMore); }
void TFormMainSub::ActionCoordMoveUpMore() { ApplyView(TViewCommand::MoveUpMore); }
void TFormMainSub::ActionCoordMoveDownMore() { ApplyView(TViewCommand::MoveDownMore); }
void TFormMainSub::ActionCoordViewCenter() { ApplyView(TViewCommand::ViewCenter); }

void TFormMainSub::RecoverCoordinateInterval() {
    if (SavedXInterval.Enabled != 1 || SavedYInterval.Enabled != 1) return;
    Coordinate1->Settings.XInterval.Min = SavedXInterval.Min;
    Coordinate1->Settings.XInterval.Max = SavedXInterval.Max;
    Coordinate1->Settings.YInterval.Min = SavedYInterval.Min;
    Coordinate1->Settings.YInterval.Max = SavedYInterval.Max;
    Redraw();
    PlaceLabels();
}

// ---------------------------------------------------------------------------------------
// Events of the plane, its panel, the labels and the list box

bool TFormMainSub::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (Panel2 && Coordinate1 && watched == Panel2 && type == QEvent::Resize) {
        guarded(this, [this] { Panel2Resize(); });
        return false;
    }
    if (Coordinate1 && watched == Coordinate1) {
        switch (type) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            guarded(this, [&] { Coordinate1MouseDown(e->button(), e->position().toPoint()); });
            return true;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            guarded(this, [&] { Coordinate1MouseMove(e->position().toPoint()); });
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            guarded(this, [&] { Coordinate1MouseUp(e->button(), e->position().toPoint()); });
            return true;
        }
        case QEvent::ContextMenu: {
            auto* e = static_cast<QContextMenuEvent*>(event);
            // The menu takes the left button's release, so a band being drawn is dropped first;
            // the mode stays.
            if (BandActive) {
                DrawBand();
                RestorePenBrush();
                Coordinate1->update();
                BandActive = false;
            }
            CoordinatePopupMenu->popup(e->globalPos());
            return true;
        }
        default: return false;
        }
    }
    if (auto* label = qobject_cast<TAddLabel*>(watched); label && IsMarkedLabel(label)) {
        switch (type) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            LabelMouseDown(label, e->button());
            DragStart = e->globalPosition().toPoint();
            return true;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (DragLabel != label) return false;
            const QPoint global = e->globalPosition().toPoint();
            if (!Dragging && (global - DragStart).manhattanLength() >= QApplication::startDragDistance())
                Dragging = true;
            if (Dragging) {
                QPoint onPlane;
                const bool accepted = OpenPlaneAt(global, label, onPlane) && Coordinate1DragOver(label);
                label->setCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
            }
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() != Qt::LeftButton || DragLabel != label) return true;
            const bool wasDragging = Dragging;
            DragLabel = nullptr;
            Dragging = false;
            label->unsetCursor();
            if (!wasDragging) return true;
            QPoint onPlane;
            if (OpenPlaneAt(e->globalPosition().toPoint(), label, onPlane) && Coordinate1DragOver(label))
                Coordinate1DragDrop(label, onPlane);
            return true;
        }
        case QEvent::ContextMenu: {
            auto* e = static_cast<QContextMenuEvent*>(event);
            PopupLabel = label;
            LabelPopupMenu->popup(e->globalPos());
            return true;
        }
        default: return false;
        }
    }
    if (MemoryListBox1 && watched == MemoryListBox1->viewport()) {
        if (type == QEvent::MouseButtonDblClick) {
            guarded(this, [this] { ActionEditGraphExecute(); });
        } else if (type == QEvent::ContextMenu) {
            auto* e = static_cast<QContextMenuEvent*>(event);
            GraphListPopupMenu->popup(e->globalPos());
            return true;
        }
        return false;
    }
    return QWidget::eventFilter(watched, event);
}
