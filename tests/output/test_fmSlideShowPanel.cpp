// The full-screen viewer's mouse side: its pop-up menus, the control panel's images and tool
// buttons, the pointer modes and the pen, and the dialogs it opens.
#include "output/fmSlideShow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTextBrowser>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "editors/fmCoordinateProperties.h"
#include "editors/fmPenProperties.h"
#include "output/ZMPanelImage.h"
#include "platform/ZMColorBox.h"
#include "platform/ZMHelpViewer.h"
#include "plot/ZMCoordinate.h"
#include "plot/ZMFunTabObj.h"
#include "support/NextModal.h"
#include "support/ScriptedFileChooser.h"
#include "tests/output/SlideShowFixture.h"

namespace {

// One line per item, sub-menus indented below their item: "-" for a separator, " >" after an
// item that opens a sub-menu, "[ ] " before a checkable item and "( ) " before one of an
// exclusive group.
QStringList Outline(const QMenu* menu, const QString& indent = {}) {
    QStringList out;
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            out << indent + QStringLiteral("-");
            continue;
        }
        EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();  // the keys stay with the viewer
        const bool exclusive = a->actionGroup() && a->actionGroup()->isExclusive();
        const QString mark = exclusive ? QStringLiteral("( ) ") : a->isCheckable() ? QStringLiteral("[ ] ") : QString();
        out << indent + mark + a->text() + (a->menu() ? QStringLiteral(" >") : QString());
        if (a->menu()) out << Outline(a->menu(), indent + QStringLiteral("  "));
    }
    return out;
}

class SlideShowPanel : public SlideShow {
protected:
    template <class T = QAction>
    T* Find(const char* name) const {
        T* found = viewer->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void Trigger(const char* name) const { Find(name)->trigger(); }
    // Opens and closes a menu, as the user would look at it.
    static void Look(QMenu* menu) {
        menu->popup(QPoint(10, 10));
        menu->hide();
    }

    // A mark in the plane's corner that only a redraw removes.
    void Mark() const {
        TCanvas& c = viewer->Coordinate1->GetCanvas();
        c.SetBrushColor(0x00FF00);
        c.FillRect(2, 2, 6, 6);
    }
    bool Redrawn() const { return viewer->Coordinate1->Picture().pixel(3, 3) != qRgb(0, 255, 0); }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) const {
        QMouseEvent e(type, QPointF(at), viewer->Coordinate1->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(viewer->Coordinate1, &e);
    }
    // Pixels of `colour` in a column of the plane across the line y.
    int InkAcross(int x, int y, QRgb colour) const {
        const QImage& picture = viewer->Coordinate1->Picture();
        int n = 0;
        for (int row = y - 8; row <= y + 8; ++row) n += picture.pixel(x, row) == colour;
        return n;
    }
    static bool PointerHidden() {
        const QCursor* c = QGuiApplication::overrideCursor();
        return c && c->shape() == Qt::BlankCursor;
    }

    const std::string plainDocument = GraphsElement({"x"});
};

TEST_F(SlideShowPanel, MenusHoldTheirItemsInOrder) {
    ShowDocument(Document("plain.xml", ""));
    const QStringList grid = {QStringLiteral("[ ] Horizontal Grid Lines"), QStringLiteral("[ ] Vertical Grid Lines"),
                              QStringLiteral("[ ] Radial Grid Lines"), QStringLiteral("[ ] Angular Gird Lines")};
    const QStringList style = {QStringLiteral("[ ] Equal scale of marks"), QStringLiteral("Axes View >"),
                               QStringLiteral("  ( ) Crossed"), QStringLiteral("  ( ) Boxed"), QStringLiteral("[ ] Legend")};
    const auto indented = [](const QStringList& items) {
        QStringList out;
        for (const QString& s : items) out << QStringLiteral("  ") + s;
        return out;
    };
    const QStringList main = QStringList{QStringLiteral("Graph List >"),
                                         QStringLiteral("[ ] Show/Hide Control Panel (Space Key)"),
                                         QStringLiteral("&Go >"),
                                         QStringLiteral("  Previous Slide (PageUp Key)"),
                                         QStringLiteral("  Next Slide (PageDown Key)"),
                                         QStringLiteral("  -"),
                                         QStringLiteral("  The First Slide (Home Key)"),
                                         QStringLiteral("  The Last Slide (End Key)"),
                                         QStringLiteral("Quick Capture Screen >"),
                                         QStringLiteral("  Capture Screen\tF6"),
                                         QStringLiteral("  -"),
                                         QStringLiteral("  Set Batch Capture Job..."),
                                         QStringLiteral("-"),
                                         QStringLiteral("Grid Properties >")} +
                             indented(grid) + QStringList{QStringLiteral("Coordinate Style >")} + indented(style) +
                             QStringList{QStringLiteral("Pointer Option >"),
                                         QStringLiteral("  ( ) Arrow"),
                                         QStringLiteral("  ( ) Hide"),
                                         QStringLiteral("  ( ) Pen\tF4"),
                                         QStringLiteral("  -"),
                                         QStringLiteral("  Pen Properties..."),
                                         QStringLiteral("Coordinate Properties"),
                                         QStringLiteral("-"),
                                         QStringLiteral("Open Document..."),
                                         QStringLiteral("-"),
                                         QStringLiteral("Refresh\tF5"),
                                         QStringLiteral("Help"),
                                         QStringLiteral("Close Full Screen (ESC Key)")};
    const struct {
        QMenu* menu;
        QStringList items;
    } menus[] = {
        {viewer->PopupMenuMain, main},
        {viewer->PopupMenuGraphList, {QStringLiteral("Graph List >")}},
        {viewer->PopupMenuGridProperties, grid},
        {viewer->PopupMenuCoordinateStyle, style},
    };
    for (const auto& m : menus) EXPECT_EQ(Outline(m.menu), m.items) << m.menu->objectName().toStdString();

    // The drop-down buttons open their menus at once; the capture button captures on a click and
    // opens the main menu's "Quick Capture Screen" on its arrow.
    const struct {
        const char* button;
        QMenu* menu;
        QToolButton::ToolButtonPopupMode mode;
    } dropDowns[] = {
        {"ToolButtonGraphList", viewer->PopupMenuGraphList, QToolButton::InstantPopup},
        {"ToolButtonGridProperties", viewer->PopupMenuGridProperties, QToolButton::InstantPopup},
        {"ToolButtonCoordinateStyle", viewer->PopupMenuCoordinateStyle, QToolButton::InstantPopup},
        {"ToolButtonQuickCapture", Find<QMenu>("QuickCaptureScreen1"), QToolButton::MenuButtonPopup},
    };
    for (const auto& d : dropDowns) {
        auto* button = Find<QToolButton>(d.button);
        EXPECT_EQ(button->menu(), d.menu) << d.button;
        EXPECT_EQ(button->popupMode(), d.mode) << d.button;
    }

    // A right click on the plane opens the main menu.
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(300, 300), viewer->Coordinate1->mapToGlobal(QPoint(300, 300)));
    QApplication::sendEvent(viewer->Coordinate1, &click);
    EXPECT_TRUE(viewer->PopupMenuMain->isVisible());
    viewer->PopupMenuMain->hide();
}

TEST_F(SlideShowPanel, MenusCheckTheirItemsFromThePlaneWhenTheyOpen) {
    using S = TCoordinateSettings;
    const std::vector<std::pair<const char*, std::uint8_t S::*>> fields = {
        {"HorizontalGridLines", &S::GridHorEnabled}, {"VerticalGridLines", &S::GridVerEnabled},
        {"RadialGridLines", &S::GridRadialEnabled},  {"AngularGirdLines", &S::GridAngularEnabled},
        {"Equalscaleofmarks", &S::EqualScaleEnabled}, {"Legend", &S::LegendEnabled},
    };
    const struct {
        const char* name;
        std::vector<std::uint8_t> switches;  // in the order of `fields`
        std::uint8_t axesStyle;
        std::uint8_t mode;
        bool slides;
    } cases[] = {
        {"switches as stored, boxed axes, hidden pointer, a slide show", {1, 0, 2, 0, 255, 0}, 2, 1, true},
        {"the other switches, crossed axes, the pen, one document", {0, 1, 0, 1, 0, 1}, 0, 2, false},
        {"all off, the arrow, an empty slide list", {0, 0, 0, 0, 0, 0}, 0, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        viewer = std::make_unique<TFormSlideShow>();
        if (c.slides)
            ShowSlides(0, {});
        else
            ShowDocument(Document("plain.xml", plainDocument));
        TCoordinateSettings& s = viewer->Coordinate1->Settings;
        for (std::size_t i = 0; i < fields.size(); ++i) s.*fields[i].second = c.switches[i];
        s.AxesStyle = c.axesStyle;
        viewer->SetPointerMode(c.mode);

        // The main menu checks its own items; each drop-down checks its copies.
        for (const char* suffix : {"1", "2"}) {
            Look(std::string(suffix) == "1" ? viewer->PopupMenuMain : viewer->PopupMenuGridProperties);
            if (std::string(suffix) == "2") Look(viewer->PopupMenuCoordinateStyle);
            for (std::size_t i = 0; i < fields.size(); ++i)
                EXPECT_EQ(Find((fields[i].first + std::string(suffix)).c_str())->isChecked(), c.switches[i] != 0)
                    << fields[i].first << suffix;
            EXPECT_EQ(Find((std::string("Boxed") + suffix).c_str())->isChecked(), c.axesStyle != 0) << suffix;
            EXPECT_EQ(Find((std::string("Crossed") + suffix).c_str())->isChecked(), c.axesStyle == 0) << suffix;
        }
        EXPECT_EQ(Find("Arrow1")->isChecked(), c.mode == 0);
        EXPECT_EQ(Find("Hide1")->isChecked(), c.mode == 1);
        EXPECT_EQ(Find("Pen1")->isChecked(), c.mode == 2);
        EXPECT_EQ(Find("Go1")->isEnabled(), c.slides);
        viewer->SetPointerMode(0);
    }
}

TEST_F(SlideShowPanel, SwitchItemsFlipThePlaneAndRedraw) {
    ShowDocument(Document("plain.xml", plainDocument));
    using S = TCoordinateSettings;
    const struct {
        const char* item;
        std::uint8_t S::*field;
        std::uint8_t before, after;
    } cases[] = {
        {"HorizontalGridLines1", &S::GridHorEnabled, 2, 0},   {"VerticalGridLines2", &S::GridVerEnabled, 0, 1},
        {"RadialGridLines1", &S::GridRadialEnabled, 1, 0},    {"AngularGirdLines2", &S::GridAngularEnabled, 0, 1},
        {"Equalscaleofmarks1", &S::EqualScaleEnabled, 0, 1}, {"Legend2", &S::LegendEnabled, 1, 0},
        {"Boxed1", &S::AxesStyle, 0, 1},                      {"Crossed2", &S::AxesStyle, 3, 0},
        {"Boxed2", &S::AxesStyle, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        const TCoordinateSettings start = viewer->Coordinate1->Settings;
        viewer->Coordinate1->Settings.*c.field = c.before;
        Look(viewer->PopupMenuMain);
        Look(viewer->PopupMenuGridProperties);
        Look(viewer->PopupMenuCoordinateStyle);
        Mark();
        Trigger(c.item);
        TCoordinateSettings expected = start;
        expected.*c.field = c.after;
        EXPECT_EQ(viewer->Coordinate1->Settings, expected);
        EXPECT_TRUE(Redrawn());
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(SlideShowPanel, GraphListShowsEveryGraphAndFlipsTheChosenOne) {
    const std::string graphs =
        "<Memory>"
        "<FunctionObj><Exp>x^2</Exp><ShowEnabled>1</ShowEnabled></FunctionObj>"
        "<FunctionObj><FunctionObjType>1</FunctionObjType><Exp>sin(y)</Exp><ShowEnabled>0</ShowEnabled></FunctionObj>"
        "<FunctionObj><FunctionObjType>2</FunctionObjType><Exp>2</Exp><ShowEnabled>2</ShowEnabled></FunctionObj>"
        "<FunctionObj><FunctionObjType>3</FunctionObjType><Exp>cos(t)</Exp><AddExp>t &amp; 1</AddExp>"
        "<ShowEnabled>1</ShowEnabled></FunctionObj>"
        "<FunctionObj><FunctionObjType>4</FunctionObjType><Exp>x^2+y^2-4</Exp><AddExp>&lt;0</AddExp>"
        "<ShowEnabled>1</ShowEnabled></FunctionObj>"
        "<TableObj><ShowEnabled>0</ShowEnabled><TableElemObjList>"
        "<TableElemObj><x>0</x><y>0</y></TableElemObj><TableElemObj><x>1</x><y>2</y></TableElemObj>"
        "<TableElemObj><x>2</x><y>1</y></TableElemObj></TableElemObjList></TableObj>"
        "</Memory>";
    ShowSlides(0, {Document("kinds.xml", graphs), Document("one.xml", GraphsElement({"x"}))});
    const QStringList captions = {QStringLiteral("Y(x)=x^2"),
                                  QStringLiteral("X(y)=sin(y)"),
                                  QStringLiteral("R(a)=2"),
                                  QStringLiteral("X(t)=cos(t) ; Y(t)=t && 1"),
                                  QStringLiteral("f(x,y)=x^2+y^2-4<0"),
                                  QStringLiteral("Table: 3 Items")};
    const std::vector<bool> checked = {true, false, true, true, true, false};

    for (const char* name : {"GraphList1", "GraphList2"}) {
        SCOPED_TRACE(name);
        auto* list = Find<QMenu>(name);
        for (int look = 0; look < 2; ++look) {  // rebuilt, not added to
            emit list->aboutToShow();
            const QList<QAction*> items = list->actions();
            ASSERT_EQ(items.size(), captions.size());
            for (int i = 0; i < items.size(); ++i) {
                EXPECT_EQ(items[i]->text(), captions[i]);
                EXPECT_TRUE(items[i]->isCheckable());
                EXPECT_EQ(items[i]->isChecked(), checked[static_cast<std::size_t>(i)]) << i;
                EXPECT_EQ(items[i]->data().toInt(), i);
            }
        }
    }

    // A chosen item flips its graph and redraws.
    auto* list = Find<QMenu>("GraphList2");
    Mark();
    list->actions()[1]->trigger();
    EXPECT_EQ(viewer->Memory->GetShowEnabled(1), 1);
    EXPECT_TRUE(Redrawn());
    emit list->aboutToShow();
    list->actions()[2]->trigger();
    EXPECT_EQ(viewer->Memory->GetShowEnabled(2), 0);

    // An item left over from a list that has since shrunk flips nothing and only redraws.
    emit list->aboutToShow();
    QAction* stale = list->actions()[4];
    Keys({Qt::Key_PageDown});
    ASSERT_EQ(viewer->Memory->Count(), 1u);
    Mark();
    stale->trigger();
    EXPECT_EQ(viewer->Memory->GetShowEnabled(0), 1);
    EXPECT_TRUE(Redrawn());
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(SlideShowPanel, PanelImagesAndToolButtonsDoWhatTheirKeysAndItemsDo) {
    ScriptedFileChooser chooser;
    viewer->SetFileChooser(&chooser);
    ShowSlides(0, {Document("plain.xml", plainDocument + XViewElement(2, 6))});
    const TCoordinateSettings start = viewer->Coordinate1->Settings;

    using Act = std::function<void()>;
    const auto key = [this](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { return [this, k, m] { Key(k, m); }; };
    const auto click = [this](const char* image) { return [this, image] { QTest::mouseClick(Find<TPanelImage>(image), Qt::LeftButton); }; };
    const auto press = [this](const char* button) { return [this, button] { Find<QToolButton>(button)->click(); }; };
    const auto view = [this](TViewCommand c) { return [this, c] { viewer->ApplyView(c); }; };
    const struct {
        const char* name;
        bool accelerate;
        Act control;
        Act same;  // the key, item or command it stands for
    } cases[] = {
        {"Image1, accelerated", true, click("Image1"), key(Qt::Key_Up)},
        {"Image1, one tick", false, click("Image1"), key(Qt::Key_Up)},
        {"Image2", true, click("Image2"), key(Qt::Key_Down)},
        {"Image3", false, click("Image3"), key(Qt::Key_Left)},
        {"Image4", true, click("Image4"), key(Qt::Key_Right)},
        {"Image5", true, click("Image5"), key(Qt::Key_Return)},
        {"Zoom Out X and Y", true, press("ToolButtonZoomOutBoth"), key(Qt::Key_Minus, Qt::KeypadModifier)},
        {"Zoom Out X", true, press("ToolButtonZoomOutX"), view(TViewCommand::ExpandHor)},
        {"Zoom Out Y", true, press("ToolButtonZoomOutY"), view(TViewCommand::ExpandVer)},
        {"Zoom In X and Y", true, press("ToolButtonZoomInBoth"), key(Qt::Key_Plus, Qt::KeypadModifier)},
        {"Zoom In X", true, press("ToolButtonZoomInX"), view(TViewCommand::ContractHor)},
        {"Zoom In Y", true, press("ToolButtonZoomInY"), view(TViewCommand::ContractVer)},
        {"Pen", true, press("ToolButtonPen"), key(Qt::Key_F4)},
        {"Refresh", true, press("ToolButtonRefresh"), key(Qt::Key_F5)},
        {"Open", true, press("ToolButtonOpen"), [this] { Trigger("OpenDocument1"); }},
        {"Close", true, press("ToolButtonClose"), key(Qt::Key_Escape)},
    };
    struct State {
        TCoordinateSettings settings;
        std::uint8_t mode;
        bool penDown;
        bool redrawn;
        std::size_t questions;
        bool shown;
        bool operator==(const State&) const = default;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<State> states;
        for (const Act& act : {c.control, c.same}) {
            if (!viewer->isVisible()) viewer->show();
            WaitForTick();
            viewer->Coordinate1->Settings = start;
            viewer->SetPointerMode(0);
            viewer->CheckBoxAcc->setChecked(c.accelerate);
            Mark();
            const std::size_t asked = chooser.requests().size();
            act();
            WaitForTick();
            states.push_back({viewer->Coordinate1->Settings, viewer->PointerMode, viewer->ToolButtonPen->isChecked(),
                              Redrawn(), chooser.requests().size() - asked, viewer->isVisible()});
        }
        EXPECT_TRUE(states[0] == states[1]);
        EXPECT_TRUE(states[0].redrawn || !states[0].shown || states[0].mode == 2) << "the row did something";
    }
    EXPECT_EQ(chooser.requests().size(), 2u);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(SlideShowPanel, PointerModesSwitchTheCursorsAndHideThePointerOnlyInModeOne) {
    ShowDocument(Document("plain.xml", plainDocument));
    const auto key = [this] { Key(Qt::Key_F4); };
    const auto item = [this](const char* name) { return [this, name] { Trigger(name); }; };
    const auto button = [this] { viewer->ToolButtonPen->click(); };
    const struct {
        const char* step;
        std::function<void()> act;
        std::uint8_t mode;
    } steps[] = {
        {"F4 from the arrow", key, 2},    {"F4 from the pen", key, 0},       {"Hide", item("Hide1"), 1},
        {"Hide again", item("Hide1"), 1}, {"F4 from hidden", key, 2},         {"the Pen button", button, 0},
        {"Pen", item("Pen1"), 2},         {"Hide from the pen", item("Hide1"), 1}, {"Arrow", item("Arrow1"), 0},
        {"the Pen button again", button, 2}, {"Pen again", item("Pen1"), 2},  {"Hide to close", item("Hide1"), 1},
    };
    EXPECT_EQ(viewer->PointerMode, 0);
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        s.act();
        EXPECT_EQ(viewer->PointerMode, s.mode);
        EXPECT_EQ(viewer->Coordinate1->cursor().shape(), s.mode == 2 ? Qt::PointingHandCursor : Qt::ArrowCursor);
        EXPECT_EQ(viewer->ToolButtonPen->isChecked(), s.mode == 2);
        EXPECT_EQ(PointerHidden(), s.mode == 1);
        if (s.mode != 1) {
            EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        }
    }

    // Closing while the pointer is hidden shows it again; the next viewer starts with the arrow.
    Key(Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    viewer = std::make_unique<TFormSlideShow>();
    ShowDocument(Document("plain.xml", plainDocument));
    EXPECT_EQ(viewer->PointerMode, 0);
    Trigger("Hide1");
    viewer.reset();  // freed without being closed
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(SlideShowPanel, ThePenDrawsOnThePlaneUntilTheNextRedraw) {
    ShowDocument(Document("plain.xml", ""));
    const QRgb blue = qRgb(0, 0, 255), red = qRgb(255, 0, 0);
    const struct {
        const char* name;
        std::uint8_t mode;
        TColor colour;
        std::int32_t width;
        Qt::MouseButtons held;
        QRgb ink;
        int thickness;  // pixels of ink across the stroke; 0 for none
    } cases[] = {
        {"the default pen", 2, 0xFF0000, 2, Qt::LeftButton, blue, 2},
        {"a wide red pen", 2, 0x0000FF, 6, Qt::LeftButton, red, 6},
        {"no button held", 2, 0xFF0000, 2, Qt::NoButton, blue, 0},
        {"the right button held", 2, 0xFF0000, 2, Qt::RightButton, blue, 0},
        {"the arrow", 0, 0xFF0000, 2, Qt::LeftButton, blue, 0},
        {"the hidden pointer", 1, 0xFF0000, 2, Qt::LeftButton, blue, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Key(Qt::Key_F5);
        viewer->SetPointerMode(c.mode);
        viewer->PenStyle.LineColor = c.colour;
        viewer->PenStyle.LineWidth = c.width;
        const TCanvasPen pen = viewer->Coordinate1->GetCanvas().Pen();
        const TCanvasBrush brush = viewer->Coordinate1->GetCanvas().Brush();

        Mouse(QEvent::MouseButtonPress, QPoint(100, 300), Qt::LeftButton, Qt::LeftButton);
        Mouse(QEvent::MouseMove, QPoint(250, 300), Qt::NoButton, c.held);
        Mouse(QEvent::MouseMove, QPoint(400, 300), Qt::NoButton, c.held);
        for (int x : {120, 240, 380}) EXPECT_EQ(InkAcross(x, 300, c.ink), c.thickness) << x;
        EXPECT_EQ(viewer->Coordinate1->GetCanvas().Pen(), pen);  // the plane's own pen and brush come back
        EXPECT_EQ(viewer->Coordinate1->GetCanvas().Brush(), brush);

        Key(Qt::Key_F5);
        EXPECT_EQ(InkAcross(240, 300, c.ink), 0);
    }
    viewer->SetPointerMode(0);

    // A press with any button moves the start of the next stroke.
    viewer->SetPointerMode(2);
    Mouse(QEvent::MouseButtonPress, QPoint(100, 200), Qt::MiddleButton, Qt::MiddleButton);
    Mouse(QEvent::MouseMove, QPoint(300, 200), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(InkAcross(110, 200, qRgb(0, 0, 255)), 2);
    viewer->SetPointerMode(0);
}

TEST_F(SlideShowPanel, PenPropertiesSetThePenAndTurnItOn) {
    ShowDocument(Document("plain.xml", plainDocument));
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        QTest::mouseClick(viewer->LabelHide, Qt::LeftButton);
        ASSERT_FALSE(PanelShown());
        QString title;
        const NextModal answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<TFormPenProperties*>(modal);
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            EXPECT_EQ(dialog->findChild<TColorBox*>(QStringLiteral("PenColor"))->Selected(), 0xFF0000);
            dialog->findChild<TColorBox*>(QStringLiteral("PenColor"))->setCurrentIndex(9);
            if (ok)
                dialog->Button1Click();
            else
                dialog->Button2Click();
        });
        Trigger("PenProperties1");
        EXPECT_EQ(title, QStringLiteral("Pen Properties"));
        EXPECT_EQ(viewer->PenStyle.LineColor, ok ? TColorBox::StandardColor(9) : 0xFF0000);
        EXPECT_EQ(viewer->PointerMode, ok ? 2 : 0);
        EXPECT_TRUE(PanelShown());
    }
    viewer->SetPointerMode(0);
}

TEST_F(SlideShowPanel, CoordinatePropertiesRedrawOnlyWhenConfirmed) {
    ShowDocument(Document("plain.xml", plainDocument));
    for (const char* via : {"item", "button"}) {
        for (bool ok : {false, true}) {
            SCOPED_TRACE(std::string(via) + (ok ? ", confirmed" : ", cancelled"));
            viewer->Coordinate1->Settings.XInterval = TInterval::CreateRange(1, -10, 10);
            QTest::mouseClick(viewer->LabelHide, Qt::LeftButton);
            Mark();
            const NextModal answer([&](QWidget* modal) {
                auto* dialog = qobject_cast<TFormCoordinateProperties*>(modal);
                ASSERT_NE(dialog, nullptr);
                dialog->findChild<QLineEdit*>(QStringLiteral("EditXMin"))->setText(QStringLiteral("-5"));
                if (ok)
                    dialog->Button1Click();
                else
                    dialog->Button2Click();
            });
            if (std::string(via) == "item")
                Trigger("CoordinateProperties1");
            else
                Find<QToolButton>("ToolButtonCoordinateProperties")->click();
            EXPECT_EQ(viewer->Coordinate1->Settings.XInterval.Min, ok ? -5 : -10);
            EXPECT_EQ(Redrawn(), ok);
            EXPECT_TRUE(PanelShown());
        }
    }
}

TEST_F(SlideShowPanel, OpenDocumentLoadsTheChosenFileInTheNextTick) {
    ScriptedFileChooser chooser;
    viewer->SetFileChooser(&chooser);
    const QString other = Document("other.xml", GraphsElement({"x", "-x"}) + LabelsElement({"other"}));
    const QString foreign = Write(QStringLiteral("foreign.xml"), "<Drawing/>");
    ShowSlides(0, {Document("first.xml", plainDocument + LabelsElement({"first"})), Document("second.xml", "")});
    const struct {
        const char* name;
        QString answer;  // empty: Cancel
        std::vector<std::string> captions;
        std::size_t graphs;
    } cases[] = {
        {"cancelled", QString(), {"first"}, 1},
        {"a missing file", dir.filePath(QStringLiteral("none.xml")), {"first"}, 1},
        {"a document", other, {"other"}, 2},
        {"a foreign file", foreign, {}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TMemory* graphs = viewer->Memory.get();
        const std::vector<TAddLabel*> labels = viewer->Labels();
        QTest::mouseClick(viewer->LabelHide, Qt::LeftButton);
        chooser.answer(c.answer);
        Mark();
        Trigger("OpenDocument1");
        EXPECT_EQ(viewer->CurrentFile, c.answer);
        EXPECT_TRUE(PanelShown());
        EXPECT_FALSE(Redrawn());  // not before the tick
        WaitForTick();
        EXPECT_TRUE(Redrawn());
        EXPECT_EQ(Captions(), c.captions);
        EXPECT_EQ(viewer->Memory->Count(), c.graphs);
        if (c.answer.isEmpty()) {
            EXPECT_EQ(viewer->Memory.get(), graphs);
            EXPECT_EQ(viewer->Labels(), labels);
        }
        EXPECT_TRUE(PanelShown());
        EXPECT_TRUE(viewer->ShowHideControlPanel1->isChecked());
        EXPECT_EQ(viewer->SlideIndex, 0);
        EXPECT_EQ(viewer->SlideList, &slides);
    }
    const FileDialogRequest asked = chooser.last();
    EXPECT_FALSE(asked.save);
    EXPECT_EQ(asked.filter, QStringLiteral("*.xml|*.xml"));
    EXPECT_EQ(asked.defaultExt, QStringLiteral(".xml"));
    EXPECT_EQ(asked.parent, viewer.get());
    EXPECT_EQ(boxes.count(), 0);

    // The slide show goes on from where it was.
    Keys({Qt::Key_PageDown});
    EXPECT_EQ(viewer->SlideIndex, 1);
    EXPECT_EQ(viewer->CurrentFile, slides[1]);
}

TEST_F(SlideShowPanel, HelpOpensTheViewersTopicAboveIt) {
    programDir.reset();  // the program's own help pages
    ShowDocument(Document("plain.xml", ""));
    Trigger("Help1");
    auto* help = viewer->findChild<THelpViewer*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->windowHandle()->transientParent(), viewer->windowHandle());
    const QUrl shown = help->Browser()->source();
    EXPECT_TRUE(shown.path().endsWith(QStringLiteral("/ch06_01.htm"))) << shown.toString().toStdString();
    EXPECT_EQ(shown.fragment(), QStringLiteral("612"));
    EXPECT_TRUE(viewer->isVisible());
    help->close();
}

TEST_F(SlideShowPanel, AccelerateLeavesTheKeysWithTheViewer) {
    ShowDocument(Document("plain.xml", ""));
    QApplication::setActiveWindow(viewer.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer.get()));
    ASSERT_TRUE(PanelShown());
    QTest::mouseClick(viewer->CheckBoxAcc, Qt::LeftButton);
    EXPECT_FALSE(viewer->CheckBoxAcc->isChecked());
    EXPECT_TRUE(PanelShown());
    EXPECT_EQ(QApplication::focusWidget(), viewer.get());
    Key(Qt::Key_Space);
    EXPECT_FALSE(PanelShown());
}

}  // namespace
