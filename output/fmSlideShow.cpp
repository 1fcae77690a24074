#include "output/fmSlideShow.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "editors/fmCoordinateProperties.h"
#include "editors/fmPenProperties.h"
#include "engine/ZMMath.h"
#include "output/ZMCapScreen.h"
#include "output/ZMDrawingPicture.h"
#include "output/ZMPanelImage.h"
#include "output/fmSetCaptureJob.h"
#include "platform/ZMFileChooser.h"
#include "platform/ZMGuard.h"
#include "platform/ZMMenuText.h"
#include "platform/ZMPicture.h"
#include "platform/ZMProgramDir.h"
#include "platform/cstCHMHelpClass.h"
#include "plot/ZMCoordinate.h"
#include "plot/ZMDocumentContext.h"
#include "plot/ZMFunTabObj.h"
#include "storage/ZMAddLabel.h"
#include "storage/ZMDocumentFile.h"
#include "storage/ZMLabelLimit.h"
#include "storage/ZMXML.h"

namespace {

const QString kLabelMarker = QStringLiteral("AddLabel");  // marker of a label control
constexpr int kPanelInset = 20;

void PaintBackground(QWidget* widget, TColor color) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(ColorToRgb(color)));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

}  // namespace

TFormSlideShow::TFormSlideShow(QWidget* parent)
    : QDialog(parent), ownChooser_(std::make_unique<QtFileChooser>()), chooser_(ownChooser_.get()) {
    setObjectName(QStringLiteral("FormSlideShow"));
    setWindowTitle(QStringLiteral("FormSlideShow"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    setWindowState(Qt::WindowFullScreen);
    // The screen's size from the start, so that the first tick rarely lays out twice.
    if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    layout->addWidget(Panel1);
    Panel1->installEventFilter(this);

    Coordinate1 = new TCoordinate(Panel1);
    Coordinate1->setObjectName(QStringLiteral("Coordinate1"));
    Coordinate1->installEventFilter(this);

    BuildMenus();
    BuildControlPanel();

    // Keys must reach the viewer itself: a child with the focus would take Space as a click.
    for (QWidget* child : findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);

    CreateContext();

    Timer1.setSingleShot(true);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, [this] { guarded(this, [this] { Timer1Timer(); }); });
    Timer1.start();
}

TFormSlideShow::~TFormSlideShow() {
    SetPointerMode(0);
    // The plane must not keep a link to the list that is freed before it.
    Coordinate1->SetMemory(nullptr);
}

void TFormSlideShow::SetFileChooser(FileChooser* Chooser) { chooser_ = Chooser ? Chooser : ownChooser_.get(); }

void TFormSlideShow::CreateContext() {
    ProgramDir = programDirWithSeparator();
    OperatorLib = std::make_unique<zm::TOperatorLib>();
    VarMemory = NewDocumentVariables();
    ConstMemory = NewDocumentConstants();
    Memory = std::make_unique<TMemory>();
    Coordinate1->SetMemory(Memory.get());
    PointerMode = 0;
    SavedPen = TCanvasPen{};
    SavedBrush = TCanvasBrush{};
    PenStyle = TGraphStyle{};
    PenStyle.LineWidth = 2;
    PenStyle.LineColor = 0xFF0000;  // blue
    CapScreen = std::make_unique<TCapScreen>();
    CapScreen->Directory = ProgramDir;
}

// ---------------------------------------------------------------------------------------
// Entry operations

void TFormSlideShow::PrepareDocument(const QString& FileName) {
    CurrentFile = FileName;
    SlideIndex = -1;
    SlideList = nullptr;
    UpdateSlideNavigation();
}

void TFormSlideShow::PrepareSlides(int StartIndex, const QStringList& List) {
    SlideList = &List;
    CurrentFile.clear();
    if (StartIndex >= 0 && StartIndex < List.size()) {
        SlideIndex = StartIndex;
        CurrentFile = List[StartIndex];
    } else {
        SlideIndex = -1;
    }
    UpdateSlideNavigation();
}

void TFormSlideShow::ShowDocument(const QString& FileName) {
    PrepareDocument(FileName);
    exec();
}

void TFormSlideShow::ShowSlides(int StartIndex, const QStringList& List) {
    PrepareSlides(StartIndex, List);
    exec();
}

void TFormSlideShow::reject() {
    Timer1.stop();
    QDialog::reject();
}

void TFormSlideShow::done(int result) {
    SetPointerMode(0);
    QDialog::done(result);
}

// ---------------------------------------------------------------------------------------
// The tick and the layout

void TFormSlideShow::Timer1Timer() {
    Coordinate1->setGeometry(Panel1->rect());
    laidOut_ = true;
    Coordinate1->ClearBackground();
    Redraw();
    Timer1.stop();
    LoadDocument(CurrentFile);
    ToggleControlPanel();
}

bool TFormSlideShow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Coordinate1) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            guarded(this, [&] { Coordinate1MouseDown(at); });
            return true;
        }
        case QEvent::MouseMove: {
            const auto* e = static_cast<QMouseEvent*>(event);
            guarded(this, [&] { Coordinate1MouseMove(e->buttons(), e->position().toPoint()); });
            return true;
        }
        case QEvent::ContextMenu:
            PopupMenuMain->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        default: return false;
        }
    }
    // A window manager may resize the window after the first tick: lay out again and redraw
    // what is loaded.
    if (watched == Panel1 && event->type() == QEvent::Resize && laidOut_) {
        guarded(this, [this] {
            Coordinate1->setGeometry(Panel1->rect());
            Redraw();
            PlaceControlPanel();
        });
    }
    return QDialog::eventFilter(watched, event);
}

void TFormSlideShow::PlaceControlPanel() {
    GroupBoxMovement->move(Coordinate1->width() - GroupBoxMovement->width() - kPanelInset,
                           Coordinate1->height() - GroupBoxMovement->height() - kPanelInset);
    const TColor background = Coordinate1->Settings.BackgroundColor;
    for (QWidget* w : {static_cast<QWidget*>(GroupBoxMovement), static_cast<QWidget*>(LabelHide), ToolBar1})
        PaintBackground(w, background);
}

void TFormSlideShow::ReshowControlPanel() {
    GroupBoxMovement->hide();
    GroupBoxMovement->show();
    setFocus();
}

void TFormSlideShow::ToggleControlPanel() {
    ShowHideControlPanel1->setChecked(!ShowHideControlPanel1->isChecked());
    PlaceControlPanel();
    GroupBoxMovement->setVisible(ShowHideControlPanel1->isChecked());
}

// ---------------------------------------------------------------------------------------
// Slides

bool TFormSlideShow::IsSlide(qsizetype Index) const { return SlideList && Index >= 0 && Index < SlideList->size(); }

void TFormSlideShow::GoToSlide(int Index) {
    if (!IsSlide(Index)) return;
    CurrentFile = (*SlideList)[Index];
    ShowHideControlPanel1->setChecked(false);
    Timer1.start();
}

void TFormSlideShow::StepToSlide(qsizetype Index) {
    if (!IsSlide(Index)) return;
    SlideIndex = static_cast<std::int32_t>(Index);
    GoToSlide(SlideIndex);
    UpdateSlideNavigation();
}

void TFormSlideShow::NextSlide() { StepToSlide(qsizetype(SlideIndex) + 1); }

void TFormSlideShow::PreviousSlide() { StepToSlide(qsizetype(SlideIndex) - 1); }

void TFormSlideShow::FirstSlide() { StepToSlide(0); }

void TFormSlideShow::LastSlide() { StepToSlide(SlideList ? SlideList->size() - 1 : -1); }

void TFormSlideShow::UpdateSlideNavigation() {
    const qsizetype count = SlideList ? SlideList->size() : 0;
    const bool onSlide = SlideIndex >= 0;
    ImageLastSlide->setVisible(onSlide && SlideIndex > 0);
    ImageNextSlide->setVisible(onSlide && (SlideIndex == 0 || SlideIndex < count - 1));
    LabelSlide->setVisible(onSlide);
    if (onSlide) LabelSlide->setText(QStringLiteral("Slide: %1/%2").arg(SlideIndex + 1).arg(count));
}

// ---------------------------------------------------------------------------------------
// Loading and labels

std::vector<TAddLabel*> TFormSlideShow::Labels() const {
    const QList<TAddLabel*> found = Panel1->findChildren<TAddLabel*>(QString(), Qt::FindDirectChildrenOnly);
    return {found.begin(), found.end()};
}

void TFormSlideShow::RemoveLabels() {
    // A snapshot: freeing while walking the children by index would skip every second one.
    for (TAddLabel* label : Labels()) delete label;
}

void TFormSlideShow::LoadDocument(const QString& FileName) {
    if (!QFileInfo(FileName).isFile()) return;
    TZMXML doc;
    try {
        doc.LoadFromFile(FileName.toUtf8().toStdString());
    } catch (...) {
        RemoveLabels();  // a file that cannot be read still takes the labels away
        throw;
    }
    CheckLabelRoom(doc, 0);  // a slide with too many labels changes nothing
    RemoveLabels();

    TDocumentReader reader;
    reader.Memory = [this](std::unique_ptr<TMemory> list) {
        Coordinate1->SetMemory(list.get());
        Memory.swap(list);  // the old list goes with `list`, once the plane has let go of it
    };
    reader.Coordinate = [this](TXMLNode node) { TZMXML::ReadCoordinate(node, Coordinate1->Settings); };
    reader.AddLabels = [this](TXMLNode node) { ReadAddLabels(node); };
    if (!ReadDocument(doc, reader)) return;
    Redraw();
}

void TFormSlideShow::ReadAddLabels(const TXMLNode& AddLabelsElement) {
    for (TXMLNode n = AddLabelsElement.FirstChildElement(); n; n = n.NextSiblingElement()) {
        if (n.NodeName() != "AddLabel") continue;
        const std::unique_ptr<TAddLabel> stored = TZMXML::ReadAddLabel(n);
        auto* label = new TAddLabel(Panel1);
        label->AssignLook(*stored);
        label->x = stored->x;
        label->y = stored->y;
        label->setProperty("hint", kLabelMarker);
        label->setFocusPolicy(Qt::NoFocus);
        label->setContextMenuPolicy(Qt::PreventContextMenu);
        label->stackUnder(GroupBoxMovement);  // the control panel stays on top
        label->show();
    }
}

void TFormSlideShow::PlaceAddLabels() {
    for (TAddLabel* label : Labels()) {
        const TPoint p = Coordinate1->WorldToScreen(label->x, label->y);
        label->move(p.x, p.y);
    }
}

// ---------------------------------------------------------------------------------------
// View changes and graphs

void TFormSlideShow::Redraw() {
    Coordinate1->Redraw(Memory.get(), *OperatorLib, *VarMemory, *ConstMemory);
    PlaceAddLabels();
}

void TFormSlideShow::ApplyView(TViewCommand Command) {
    const TCoordinateSettings after = ApplyViewCommand(Coordinate1->Settings, Command);
    if (!IsUsableView(Coordinate1->Settings, after)) return;
    Coordinate1->Settings = after;
    Redraw();
}

void TFormSlideShow::MoveView(TViewCommand Step, TViewCommand Fast) { ApplyView(CheckBoxAcc->isChecked() ? Fast : Step); }

void TFormSlideShow::ToggleGraph(int Index) {
    if (Index >= 0 && Index < static_cast<int>(Memory->Count()))
        Memory->SetShowEnabled(Index, Memory->GetShowEnabled(Index) ? 0 : 1);
    Redraw();
}

std::uint8_t TCoordinateSettings::* TFormSlideShow::SwitchFlag(Switch Which) {
    using S = TCoordinateSettings;
    switch (Which) {
    case Switch::GridHor: return &S::GridHorEnabled;
    case Switch::GridVer: return &S::GridVerEnabled;
    case Switch::GridRadial: return &S::GridRadialEnabled;
    case Switch::GridAngular: return &S::GridAngularEnabled;
    case Switch::EqualScale: return &S::EqualScaleEnabled;
    case Switch::Legend: return &S::LegendEnabled;
    case Switch::Crossed:
    case Switch::Boxed: break;
    }
    return nullptr;
}

void TFormSlideShow::PlaneSwitchClick(Switch Which) {
    TCoordinateSettings& s = Coordinate1->Settings;
    if (const auto flag = SwitchFlag(Which)) s.*flag = s.*flag ? 0 : 1;
    else s.AxesStyle = Which == Switch::Boxed ? 1 : 0;
    Redraw();
}

// ---------------------------------------------------------------------------------------
// Menus

void TFormSlideShow::PopupMenuMainPopup() {
    const TCoordinateSettings& s = Coordinate1->Settings;
    for (const auto& [item, which] : switchItems_) {
        const auto flag = SwitchFlag(which);
        item->setChecked(flag ? s.*flag != 0 : (s.AxesStyle != 0) == (which == Switch::Boxed));
    }
    Arrow1->setChecked(PointerMode == 0);
    Hide1->setChecked(PointerMode == 1);
    Pen1->setChecked(PointerMode == 2);
    Go1->setEnabled(SlideList != nullptr);
}

void TFormSlideShow::GraphListPopup(QMenu* Menu) {
    Menu->clear();
    for (std::size_t i = 0; i < Memory->Count(); ++i) {
        const auto index = static_cast<std::ptrdiff_t>(i);
        QAction* item = Menu->addAction(MenuText(Memory->GetCaption(index)));
        item->setData(static_cast<int>(i));
        item->setCheckable(true);
        item->setChecked(Memory->GetShowEnabled(index) != 0);
        connect(item, &QAction::triggered, this, [this, item] { guarded(this, [this, item] { GraphItemClick(item); }); });
    }
}

void TFormSlideShow::GraphItemClick(const QAction* Item) {
    bool ok = false;
    const int index = Item->data().toInt(&ok);
    ToggleGraph(ok ? index : -1);
}

// ---------------------------------------------------------------------------------------
// Pointer modes and the pen

void TFormSlideShow::SetPointerMode(std::uint8_t Mode) {
    PointerMode = Mode;
    const bool hide = Mode == 1;
    if (hide && !pointerHidden_) QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    if (!hide && pointerHidden_) QGuiApplication::restoreOverrideCursor();
    pointerHidden_ = hide;
    Coordinate1->setCursor(Mode == 2 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    ToolButtonPen->setChecked(Mode == 2);
}

void TFormSlideShow::ToolButtonPenClick() { SetPointerMode(PointerMode == 2 ? 0 : 2); }

void TFormSlideShow::Coordinate1MouseDown(QPoint P) { Coordinate1->GetCanvas().MoveTo(P.x(), P.y()); }

void TFormSlideShow::Coordinate1MouseMove(Qt::MouseButtons Buttons, QPoint P) {
    if (!Buttons.testFlag(Qt::LeftButton) || PointerMode != 2) return;
    SavePenBrush();
    TCanvas& c = Coordinate1->GetCanvas();
    c.SetPenColor(PenStyle.LineColor);
    c.SetPenWidth(PenStyle.LineWidth);
    c.SetPenStyle(PenStyle.LineStyle);
    c.LineTo(P.x(), P.y());
    RestorePenBrush();
    Coordinate1->update();
}

void TFormSlideShow::SavePenBrush() {
    const TCanvas& c = Coordinate1->GetCanvas();
    SavedPen = c.Pen();
    SavedBrush = c.Brush();
}

void TFormSlideShow::RestorePenBrush() {
    TCanvas& c = Coordinate1->GetCanvas();
    c.SetPen(SavedPen);
    c.SetBrush(SavedBrush);
}

// ---------------------------------------------------------------------------------------
// Dialogs and the other items

void TFormSlideShow::PenProperties1Click() {
    TFormPenProperties dialog(this);
    if (dialog.Execute(PenStyle)) SetPointerMode(2);
    ReshowControlPanel();
}

void TFormSlideShow::CoordinateProperties1Click() {
    TFormCoordinateProperties dialog(this);
    if (dialog.Execute(*Coordinate1)) Redraw();
    ReshowControlPanel();
}

void TFormSlideShow::OpenDocument1Click() {
    CurrentFile = chooser_->choose({.parent = this,
                                    .save = false,
                                    .filter = QStringLiteral("*.xml|*.xml"),
                                    .defaultExt = QStringLiteral(".xml"),
                                    .fileName = {},
                                    .overwritePrompt = true});
    ShowHideControlPanel1->setChecked(false);
    Timer1.start();
    ReshowControlPanel();
}

void TFormSlideShow::SetBatchCaptureJob1Click() {
    TFormSetCaptureJob dialog(this);
    dialog.Execute(*CapScreen);
    ReshowControlPanel();
}

void TFormSlideShow::Help1Click() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch06_01.htm#612"), 1);
}

void TFormSlideShow::CaptureScreen1Click() {
    const QImage picture = StretchedPicture(DrawingPicture(*Coordinate1), Coordinate1->width(), Coordinate1->height());
    SavePicture(CapScreen->FilePath(), picture, CapScreen->Format == 1 ? TPictureFormat::Emf : TPictureFormat::Bmp);
    CapScreen->NextIndex();
}

// ---------------------------------------------------------------------------------------
// Keys

void TFormSlideShow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    guarded(this, [&] { FormKeyDown(key, modifiers); });
    event->accept();
    setFocus();
}

void TFormSlideShow::FormKeyDown(int Key, Qt::KeyboardModifiers Modifiers) {
    const bool keypad = Modifiers.testFlag(Qt::KeypadModifier);
    switch (Key) {
    case Qt::Key_Up: MoveView(TViewCommand::MoveUp, TViewCommand::MoveUpMore); break;
    case Qt::Key_Down: MoveView(TViewCommand::MoveDown, TViewCommand::MoveDownMore); break;
    case Qt::Key_Left: MoveView(TViewCommand::MoveLeft, TViewCommand::MoveLeftMore); break;
    case Qt::Key_Right: MoveView(TViewCommand::MoveRight, TViewCommand::MoveRightMore); break;
    case Qt::Key_PageDown: NextSlide(); break;
    case Qt::Key_PageUp: PreviousSlide(); break;
    case Qt::Key_Home: FirstSlide(); break;
    case Qt::Key_End: LastSlide(); break;
    case Qt::Key_F4: ToolButtonPenClick(); break;
    case Qt::Key_F5: Redraw(); break;
    case Qt::Key_F6: CaptureScreen1Click(); break;
    case Qt::Key_Escape: reject(); break;
    case Qt::Key_Plus:
        if (keypad) ApplyView(TViewCommand::ContractBoth);
        break;
    case Qt::Key_Minus:
        if (keypad) ApplyView(TViewCommand::ExpandBoth);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: ApplyView(TViewCommand::ViewCenter); break;
    case Qt::Key_Space: ToggleControlPanel(); break;
    default: break;
    }
}
