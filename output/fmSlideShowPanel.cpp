// The viewer's control panel, its tool bars and its pop-up menus.
#include "output/fmSlideShow.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QFrame>
#include <QToolButton>
#include <QVBoxLayout>

#include "output/ZMPanelImage.h"
#include "output/ZMViewerPictures.h"
#include "platform/ZMGuard.h"

namespace {

TPanelImage* PanelImage(QWidget* parent, const char* name, const char* hint, TViewerPicture picture) {
    auto* image = new TPanelImage(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setToolTip(QString::fromLatin1(hint));
    image->setPixmap(ViewerPicture(picture));
    return image;
}

// A row of flat buttons that shows the panel's colour through it.
QWidget* PanelToolBar(QWidget* parent, const char* name) {
    auto* bar = new QWidget(parent);
    bar->setObjectName(QString::fromLatin1(name));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    return bar;
}

QToolButton* ToolButton(QWidget* bar, const char* name, const char* hint, TViewerPicture picture) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromLatin1(hint));
    button->setToolTip(QString::fromLatin1(hint));
    button->setIcon(QIcon(ViewerPicture(picture)));
    button->setIconSize(QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    bar->layout()->addWidget(button);
    return button;
}

void AddDivider(QWidget* bar) {
    auto* line = new QFrame(bar);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    bar->layout()->addWidget(line);
}

void EndToolBar(QWidget* bar) { static_cast<QHBoxLayout*>(bar->layout())->addStretch(1); }

QMenu* SubMenu(QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QString Named(const char* name, const char* suffix) { return QString::fromLatin1(name) + QString::fromLatin1(suffix); }

}  // namespace

void TFormSlideShow::BuildControlPanel() {
    GroupBoxMovement = new QGroupBox(QStringLiteral("Control Panel"), Panel1);
    GroupBoxMovement->setObjectName(QStringLiteral("GroupBoxMovement"));
    auto* rows = new QVBoxLayout(GroupBoxMovement);

    auto* options = new QHBoxLayout;
    CheckBoxAcc = new QCheckBox(GroupBoxMovement);
    CheckBoxAcc->setObjectName(QStringLiteral("CheckBoxAcc"));
    CheckBoxAcc->setChecked(true);
    // The panel hidden and shown again gives the keys back to the viewer.
    connect(CheckBoxAcc, &QCheckBox::clicked, this, [this] { ReshowControlPanel(); });
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

    auto* middle = new QHBoxLayout;
    auto* moves = new QGridLayout;
    moves->setSpacing(2);
    Image1 = PanelImage(GroupBoxMovement, "Image1", "Move Upwards", TViewerPicture::MoveUp);
    Image2 = PanelImage(GroupBoxMovement, "Image2", "Move Downwards", TViewerPicture::MoveDown);
    Image3 = PanelImage(GroupBoxMovement, "Image3", "Move to the Left", TViewerPicture::MoveLeft);
    Image4 = PanelImage(GroupBoxMovement, "Image4", "Move to the Right", TViewerPicture::MoveRight);
    Image5 = PanelImage(GroupBoxMovement, "Image5", "Center View", TViewerPicture::Centre);
    moves->addWidget(Image1, 0, 1);
    moves->addWidget(Image3, 1, 0);
    moves->addWidget(Image5, 1, 1);
    moves->addWidget(Image4, 1, 2);
    moves->addWidget(Image2, 2, 1);
    const struct {
        TPanelImage* image;
        TViewCommand step, fast;
    } images[] = {
        {Image1, TViewCommand::MoveUp, TViewCommand::MoveUpMore},
        {Image2, TViewCommand::MoveDown, TViewCommand::MoveDownMore},
        {Image3, TViewCommand::MoveLeft, TViewCommand::MoveLeftMore},
        {Image4, TViewCommand::MoveRight, TViewCommand::MoveRightMore},
        {Image5, TViewCommand::ViewCenter, TViewCommand::ViewCenter},
    };
    for (const auto& i : images)
        connect(i.image, &TPanelImage::clicked, this, [this, i] { guarded(this, [this, i] { MoveView(i.step, i.fast); }); });
    middle->addLayout(moves);
    middle->addSpacing(12);

    ImageLastSlide = PanelImage(GroupBoxMovement, "ImageLastSlide", "Previous Slide", TViewerPicture::PreviousSlide);
    ImageNextSlide = PanelImage(GroupBoxMovement, "ImageNextSlide", "New Slide", TViewerPicture::NextSlide);
    LabelSlide = new QLabel(QStringLiteral("Slide: 0/0"), GroupBoxMovement);
    LabelSlide->setObjectName(QStringLiteral("LabelSlide"));
    LabelSlide->setAlignment(Qt::AlignCenter);
    connect(ImageLastSlide, &TPanelImage::clicked, this, [this] { guarded(this, [this] { PreviousSlide(); }); });
    connect(ImageNextSlide, &TPanelImage::clicked, this, [this] { guarded(this, [this] { NextSlide(); }); });
    middle->addWidget(ImageLastSlide);
    middle->addWidget(LabelSlide, 1);
    middle->addWidget(ImageNextSlide);
    rows->addLayout(middle);

    BuildToolBars(GroupBoxMovement);
    rows->addWidget(ToolBar1);
    rows->addWidget(ToolBar2);

    GroupBoxMovement->adjustSize();
    GroupBoxMovement->hide();
}

void TFormSlideShow::BuildToolBars(QWidget* parent) {
    const auto on = [this](QToolButton* button, std::function<void()> handler) {
        connect(button, &QToolButton::clicked, this, [this, handler = std::move(handler)] { guarded(this, handler); });
    };
    const auto view = [this](TViewCommand command) { return [this, command] { ApplyView(command); }; };

    ToolBar1 = PanelToolBar(parent, "ToolBar1");
    on(ToolButton(ToolBar1, "ToolButtonZoomOutBoth", "Zoom Out X and Y", TViewerPicture::ZoomOutBoth), view(TViewCommand::ExpandBoth));
    on(ToolButton(ToolBar1, "ToolButtonZoomOutX", "Zoom Out X", TViewerPicture::ZoomOutX), view(TViewCommand::ExpandHor));
    on(ToolButton(ToolBar1, "ToolButtonZoomOutY", "Zoom Out Y", TViewerPicture::ZoomOutY), view(TViewCommand::ExpandVer));
    on(ToolButton(ToolBar1, "ToolButtonZoomInBoth", "Zoom In X and Y", TViewerPicture::ZoomInBoth), view(TViewCommand::ContractBoth));
    on(ToolButton(ToolBar1, "ToolButtonZoomInX", "Zoom In X", TViewerPicture::ZoomInX), view(TViewCommand::ContractHor));
    on(ToolButton(ToolBar1, "ToolButtonZoomInY", "Zoom In Y", TViewerPicture::ZoomInY), view(TViewCommand::ContractVer));
    AddDivider(ToolBar1);
    ToolButtonPen = ToolButton(ToolBar1, "ToolButtonPen", "Pen", TViewerPicture::Pen);
    ToolButtonPen->setCheckable(true);
    on(ToolButtonPen, [this] { ToolButtonPenClick(); });
    on(ToolButton(ToolBar1, "ToolButtonRefresh", "Refresh", TViewerPicture::Refresh), [this] { Redraw(); });
    EndToolBar(ToolBar1);

    ToolBar2 = PanelToolBar(parent, "ToolBar2");
    const struct {
        const char* name;
        const char* hint;
        TViewerPicture picture;
        QMenu* menu;
    } dropDowns[] = {
        {"ToolButtonGraphList", "Graph List", TViewerPicture::GraphList, PopupMenuGraphList},
        {"ToolButtonGridProperties", "Grid Properties", TViewerPicture::Grid, PopupMenuGridProperties},
        {"ToolButtonCoordinateStyle", "Coordinate Style", TViewerPicture::CoordinateStyle, PopupMenuCoordinateStyle},
    };
    for (const auto& d : dropDowns) {
        QToolButton* button = ToolButton(ToolBar2, d.name, d.hint, d.picture);
        button->setMenu(d.menu);
        button->setPopupMode(QToolButton::InstantPopup);
    }
    on(ToolButton(ToolBar2, "ToolButtonCoordinateProperties", "Coordinate Properties", TViewerPicture::CoordinateProperties),
       [this] { CoordinateProperties1Click(); });
    AddDivider(ToolBar2);
    QToolButton* capture = ToolButton(ToolBar2, "ToolButtonQuickCapture", "Quick Capture Screen", TViewerPicture::Capture);
    capture->setMenu(QuickCaptureScreen1);
    capture->setPopupMode(QToolButton::MenuButtonPopup);
    on(capture, [this] { CaptureScreen1Click(); });
    AddDivider(ToolBar2);
    on(ToolButton(ToolBar2, "ToolButtonOpen", "Open", TViewerPicture::Open), [this] { OpenDocument1Click(); });
    on(ToolButton(ToolBar2, "ToolButtonClose", "Close", TViewerPicture::Close), [this] { reject(); });
    EndToolBar(ToolBar2);
}

// ---------------------------------------------------------------------------------------
// Menus

QAction* TFormSlideShow::AddItem(QMenu* menu, const char* name, const QString& caption, std::function<void()> handler) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    connect(item, &QAction::triggered, this, [this, handler = std::move(handler)] { guarded(this, handler); });
    return item;
}

void TFormSlideShow::AddSwitch(QMenu* menu, const char* name, const char* suffix, const QString& caption, Switch which) {
    QAction* item = AddItem(menu, Named(name, suffix).toLatin1().constData(), caption, [this, which] { PlaneSwitchClick(which); });
    item->setCheckable(true);
    switchItems_.emplace_back(item, which);
}

void TFormSlideShow::AddGridItems(QMenu* menu, const char* suffix) {
    AddSwitch(menu, "HorizontalGridLines", suffix, QStringLiteral("Horizontal Grid Lines"), Switch::GridHor);
    AddSwitch(menu, "VerticalGridLines", suffix, QStringLiteral("Vertical Grid Lines"), Switch::GridVer);
    AddSwitch(menu, "RadialGridLines", suffix, QStringLiteral("Radial Grid Lines"), Switch::GridRadial);
    AddSwitch(menu, "AngularGirdLines", suffix, QStringLiteral("Angular Gird Lines"), Switch::GridAngular);
}

void TFormSlideShow::AddCoordinateStyleItems(QMenu* menu, const char* suffix) {
    AddSwitch(menu, "Equalscaleofmarks", suffix, QStringLiteral("Equal scale of marks"), Switch::EqualScale);
    QMenu* axes = SubMenu(menu, Named("AxesView", suffix).toLatin1().constData(), QStringLiteral("Axes View"));
    AddSwitch(axes, "Crossed", suffix, QStringLiteral("Crossed"), Switch::Crossed);
    AddSwitch(axes, "Boxed", suffix, QStringLiteral("Boxed"), Switch::Boxed);
    auto* group = new QActionGroup(axes);
    for (QAction* item : axes->actions()) group->addAction(item);
    AddSwitch(menu, "Legend", suffix, QStringLiteral("Legend"), Switch::Legend);
}

QMenu* TFormSlideShow::AddGraphListMenu(QMenu* menu, const char* name) {
    QMenu* list = SubMenu(menu, name, QStringLiteral("Graph List"));
    connect(list, &QMenu::aboutToShow, this, [this, list] { guarded(this, [this, list] { GraphListPopup(list); }); });
    return list;
}

void TFormSlideShow::BuildMenus() {
    PopupMenuMain = new QMenu(this);
    PopupMenuMain->setObjectName(QStringLiteral("PopupMenuMain"));
    QMenu* main = PopupMenuMain;
    AddGraphListMenu(main, "GraphList1");
    ShowHideControlPanel1 = main->addAction(QStringLiteral("Show/Hide Control Panel (Space Key)"));
    ShowHideControlPanel1->setObjectName(QStringLiteral("ShowHideControlPanel1"));
    ShowHideControlPanel1->setCheckable(true);
    // The item has toggled its own check when this runs; the toggle flips it itself.
    connect(ShowHideControlPanel1, &QAction::triggered, this, [this](bool checked) {
        ShowHideControlPanel1->setChecked(!checked);
        guarded(this, [this] { ToggleControlPanel(); });
    });

    QMenu* go = SubMenu(main, "Go1", QStringLiteral("&Go"));
    Go1 = go->menuAction();
    AddItem(go, "PreviousSlide1", QStringLiteral("Previous Slide (PageUp Key)"), [this] { PreviousSlide(); });
    AddItem(go, "NextSlide1", QStringLiteral("Next Slide (PageDown Key)"), [this] { NextSlide(); });
    go->addSeparator();
    AddItem(go, "TheFirstSlide1", QStringLiteral("The First Slide (Home Key)"), [this] { FirstSlide(); });
    AddItem(go, "TheLastSlide1", QStringLiteral("The Last Slide (End Key)"), [this] { LastSlide(); });

    QuickCaptureScreen1 = SubMenu(main, "QuickCaptureScreen1", QStringLiteral("Quick Capture Screen"));
    AddItem(QuickCaptureScreen1, "CaptureScreen1", QStringLiteral("Capture Screen\tF6"), [this] { CaptureScreen1Click(); });
    QuickCaptureScreen1->addSeparator();
    AddItem(QuickCaptureScreen1, "SetBatchCaptureJob1", QStringLiteral("Set Batch Capture Job..."),
            [this] { SetBatchCaptureJob1Click(); });
    main->addSeparator();

    AddGridItems(SubMenu(main, "GridProperties1", QStringLiteral("Grid Properties")), "1");
    AddCoordinateStyleItems(SubMenu(main, "CoordinateStyle1", QStringLiteral("Coordinate Style")), "1");

    QMenu* pointer = SubMenu(main, "PointerOption1", QStringLiteral("Pointer Option"));
    Arrow1 = AddItem(pointer, "Arrow1", QStringLiteral("Arrow"), [this] { SetPointerMode(0); });
    Hide1 = AddItem(pointer, "Hide1", QStringLiteral("Hide"), [this] { SetPointerMode(1); });
    Pen1 = AddItem(pointer, "Pen1", QStringLiteral("Pen\tF4"), [this] { SetPointerMode(2); });
    auto* modes = new QActionGroup(pointer);
    for (QAction* item : {Arrow1, Hide1, Pen1}) {
        item->setCheckable(true);
        modes->addAction(item);
    }
    pointer->addSeparator();
    AddItem(pointer, "PenProperties1", QStringLiteral("Pen Properties..."), [this] { PenProperties1Click(); });

    AddItem(main, "CoordinateProperties1", QStringLiteral("Coordinate Properties"), [this] { CoordinateProperties1Click(); });
    main->addSeparator();
    AddItem(main, "OpenDocument1", QStringLiteral("Open Document..."), [this] { OpenDocument1Click(); });
    main->addSeparator();
    AddItem(main, "Refresh1", QStringLiteral("Refresh\tF5"), [this] { Redraw(); });
    AddItem(main, "Help1", QStringLiteral("Help"), [this] { Help1Click(); });
    AddItem(main, "CloseFullScreenESCKey1", QStringLiteral("Close Full Screen (ESC Key)"), [this] { reject(); });

    PopupMenuGraphList = new QMenu(this);
    PopupMenuGraphList->setObjectName(QStringLiteral("PopupMenuGraphList"));
    AddGraphListMenu(PopupMenuGraphList, "GraphList2");

    PopupMenuGridProperties = new QMenu(this);
    PopupMenuGridProperties->setObjectName(QStringLiteral("PopupMenuGridProperties"));
    AddGridItems(PopupMenuGridProperties, "2");

    PopupMenuCoordinateStyle = new QMenu(this);
    PopupMenuCoordinateStyle->setObjectName(QStringLiteral("PopupMenuCoordinateStyle"));
    AddCoordinateStyleItems(PopupMenuCoordinateStyle, "2");

    for (QMenu* menu : {PopupMenuMain, PopupMenuGridProperties, PopupMenuCoordinateStyle})
        connect(menu, &QMenu::aboutToShow, this, [this] { guarded(this, [this] { PopupMenuMainPopup(); }); });
}
