#include "output/fmSlideShow.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QVBoxLayout>

#include "engine/ZMMath.h"
#include "output/ZMPanelImage.h"
#include "platform/ZMGuard.h"
#include "platform/ZMProgramDir.h"
#include "plot/ZMCoordinate.h"
#include "plot/ZMFunTabObj.h"
#include "storage/ZMAddLabel.h"
#include "storage/ZMDocumentFile.h"
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

TFormSlideShow::TFormSlideShow(QWidget* parent) : QDialog(parent) {
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

    BuildControlPanel();

    ShowHideControlPanel1 = new QAction(QStringLiteral("Show/Hide Control Panel (Space Key)"), this);
    ShowHideControlPanel1->setObjectName(QStringLiteral("ShowHideControlPanel1"));
    ShowHideControlPanel1->setCheckable(true);

    // Keys must reach the viewer itself: a child with the focus would take Space as a click.
    for (QWidget* child : findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);

    CreateContext();

    Timer1.setSingleShot(true);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, [this] { guarded(this, [this] { Timer1Timer(); }); });
    Timer1.start();
}

TFormSlideShow::~TFormSlideShow() {
    // The plane must not keep a link to the list that is freed before it.
    Coordinate1->SetMemory(nullptr);
}

void TFormSlideShow::BuildControlPanel() {
    GroupBoxMovement = new QGroupBox(QStringLiteral("Control Panel"), Panel1);
    GroupBoxMovement->setObjectName(QStringLiteral("GroupBoxMovement"));
    auto* rows = new QVBoxLayout(GroupBoxMovement);

    auto* options = new QHBoxLayout;
    CheckBoxAcc = new QCheckBox(GroupBoxMovement);
    CheckBoxAcc->setObjectName(QStringLiteral("CheckBoxAcc"));
    CheckBoxAcc->setChecked(true);
    Label1 = new QLabel(QStringLiteral("Accelerate"), GroupBoxMovement);
    Label1->setObjectName(QStringLiteral("Label1"));
    LabelHide = new TPanelImage(GroupBoxMovement);
    LabelHide->setObjectName(QStringLiteral("LabelHide"));
    LabelHide->setText(QStringLiteral("Hide"));
    QFont link = LabelHide->font();
    link.setUnderline(true);
    LabelHide->setFont(link);
    QPalette blue = LabelHide->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    LabelHide->setPalette(blue);
    LabelHide->setCursor(Qt::PointingHandCursor);
    connect(LabelHide, &TPanelImage::clicked, this, [this] {
        ShowHideControlPanel1->setChecked(false);
        GroupBoxMovement->hide();
    });
    options->addWidget(CheckBoxAcc);
    options->addWidget(Label1);
    options->addStretch(1);
    options->addWidget(LabelHide);
    rows->addLayout(options);

    auto* slides = new QHBoxLayout;
    ImageLastSlide = new TPanelImage(GroupBoxMovement);
    ImageLastSlide->setObjectName(QStringLiteral("ImageLastSlide"));
    ImageLastSlide->setToolTip(QStringLiteral("Previous Slide"));
    ImageLastSlide->setPixmap(TPanelImage::Draw(TPanelImage::Picture::PreviousSlide));
    ImageNextSlide = new TPanelImage(GroupBoxMovement);
    ImageNextSlide->setObjectName(QStringLiteral("ImageNextSlide"));
    ImageNextSlide->setToolTip(QStringLiteral("New Slide"));
    ImageNextSlide->setPixmap(TPanelImage::Draw(TPanelImage::Picture::NextSlide));
    LabelSlide = new QLabel(QStringLiteral("Slide: 0/0"), GroupBoxMovement);
    LabelSlide->setObjectName(QStringLiteral("LabelSlide"));
    LabelSlide->setAlignment(Qt::AlignCenter);
    connect(ImageLastSlide, &TPanelImage::clicked, this, [this] { guarded(this, [this] { PreviousSlide(); }); });
    connect(ImageNextSlide, &TPanelImage::clicked, this, [this] { guarded(this, [this] { NextSlide(); }); });
    slides->addWidget(ImageLastSlide);
    slides->addWidget(LabelSlide, 1);
    slides->addWidget(ImageNextSlide);
    rows->addLayout(slides);

    GroupBoxMovement->setMinimumWidth(200);
    GroupBoxMovement->adjustSize();
    GroupBoxMovement->hide();
}

void TFormSlideShow::CreateContext() {
    ProgramDir = programDirWithSeparator();
    OperatorLib = std::make_unique<zm::TOperatorLib>();
    VarMemory = std::make_unique<zm::TVarMemory>();
    for (const char* name : {"x", "y", "t", "a"}) VarMemory->AddVar(name, 0);
    ConstMemory = std::make_unique<zm::TVarMemory>();
    ConstMemory->AddVar("PI", 3.141592653589793);
    Memory = std::make_unique<TMemory>();
    Coordinate1->SetMemory(Memory.get());
    PointerMode = 0;
    SavedPen = TCanvasPen{};
    SavedBrush = TCanvasBrush{};
    PenStyle = TGraphStyle{};
    PenStyle.LineWidth = 2;
    PenStyle.LineColor = 0xFF0000;  // blue
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
    PaintBackground(GroupBoxMovement, background);
    PaintBackground(LabelHide, background);
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

void TFormSlideShow::NextSlide() {
    if (!IsSlide(SlideIndex + 1)) return;
    ++SlideIndex;
    GoToSlide(SlideIndex);
    UpdateSlideNavigation();
}

void TFormSlideShow::PreviousSlide() {
    if (!IsSlide(SlideIndex - 1)) return;
    --SlideIndex;
    GoToSlide(SlideIndex);
    UpdateSlideNavigation();
}

void TFormSlideShow::FirstSlide() {
    if (!SlideList || SlideList->isEmpty()) return;
    SlideIndex = 0;
    GoToSlide(SlideIndex);
    UpdateSlideNavigation();
}

void TFormSlideShow::LastSlide() {
    if (!SlideList || SlideList->isEmpty()) return;
    SlideIndex = static_cast<std::int32_t>(SlideList->size() - 1);
    GoToSlide(SlideIndex);
    UpdateSlideNavigation();
}

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

void TFormSlideShow::LoadDocument(const QString& FileName) {
    if (!QFileInfo(FileName).isFile()) return;
    // A snapshot: freeing while walking the children by index would skip every second one.
    for (TAddLabel* label : Labels()) delete label;

    TDocumentReader reader;
    reader.Memory = [this](std::unique_ptr<TMemory> list) {
        Coordinate1->SetMemory(list.get());
        Memory.swap(list);  // the old list goes with `list`, once the plane has let go of it
    };
    reader.Coordinate = [this](TXMLNode node) { TZMXML::ReadCoordinate(node, Coordinate1->Settings); };
    reader.AddLabels = [this](TXMLNode node) { ReadAddLabels(node); };
    if (!LoadDocumentFile(FileName.toUtf8().toStdString(), reader)) return;
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

void TFormSlideShow::ToggleGraph(int Index) {
    if (Index >= 0 && Index < static_cast<int>(Memory->Count()))
        Memory->SetShowEnabled(Index, Memory->GetShowEnabled(Index) ? 0 : 1);
    Redraw();
}

void TFormSlideShow::ToolButtonPenClick() {}

void TFormSlideShow::CaptureScreen1Click() {}

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
    const bool faster = CheckBoxAcc->isChecked();
    const bool keypad = Modifiers.testFlag(Qt::KeypadModifier);
    switch (Key) {
    case Qt::Key_Up: ApplyView(faster ? TViewCommand::MoveUpMore : TViewCommand::MoveUp); break;
    case Qt::Key_Down: ApplyView(faster ? TViewCommand::MoveDownMore : TViewCommand::MoveDown); break;
    case Qt::Key_Left: ApplyView(faster ? TViewCommand::MoveLeftMore : TViewCommand::MoveLeft); break;
    case Qt::Key_Right: ApplyView(faster ? TViewCommand::MoveRightMore : TViewCommand::MoveRight); break;
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
