// The full-screen viewer: shown offscreen over small document files, driven by its keys, with
// every load waiting for the viewer's own tick.
#include "output/fmSlideShow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "output/ZMPanelImage.h"
#include "platform/ZMError.h"
#include "platform/ZMXmlDocument.h"
#include "plot/ZMCoordinate.h"
#include "plot/ZMFunTabObj.h"
#include "storage/ZMLabelLimit.h"
#include "tests/output/SlideShowFixture.h"

namespace {

// A document of `labels` labels and a graph.
std::string CrowdedDocument(std::size_t labels) {
    std::string s = "<ZorvikMendalDocument>" + GraphsElement({"x*x"}) + "<AddLabels>";
    for (std::size_t i = 0; i < labels; ++i) s += "<AddLabel><Caption>a</Caption></AddLabel>";
    return s + "</AddLabels></ZorvikMendalDocument>";
}

TEST_F(SlideShow, LabelsAreReplacedFromSlideToSlideAndLoadOnlyInTheTick) {
    ShowSlides(0, {Document("a.xml", LabelsElement({"a1", "a2"})), Document("b.xml", LabelsElement({"b1", "b2", "b3"})),
                   Document("c.xml", LabelsElement({"c1"}))});
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a1", "a2"}));

    Key(Qt::Key_PageDown);
    EXPECT_EQ(viewer->CurrentFile, slides[1]);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a1", "a2"}));  // not before the tick
    WaitForTick();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"b1", "b2", "b3"}));
    Keys({Qt::Key_PageDown});
    EXPECT_EQ(Captions(), (std::vector<std::string>{"c1"}));
    Keys({Qt::Key_Home});
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a1", "a2"}));
    EXPECT_EQ(boxes.count(), 0);

    // The labels sit at their anchors, below the panel, and take neither keys nor pop-ups.
    for (TAddLabel* label : viewer->Labels()) {
        const TPoint p = viewer->Coordinate1->WorldToScreen(label->x, label->y);
        EXPECT_EQ(label->pos(), QPoint(p.x, p.y));
        EXPECT_EQ(label->property("hint").toString(), QStringLiteral("AddLabel"));
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(label->contextMenuPolicy(), Qt::PreventContextMenu);
    }
    EXPECT_EQ(viewer->Panel1->children().last(), viewer->GroupBoxMovement);
}

TEST_F(SlideShow, ASlideWithoutGraphsOrPlaneKeepsThePreviousOnesWithTheirZoom) {
    ShowSlides(0, {Document("first.xml", GraphsElement({"x", "x^2"}) + XViewElement(-8, 8)),
                   Document("labels only.xml", LabelsElement({"only"})), Document("graph.xml", GraphsElement({"sin(x)"}))});
    ASSERT_EQ(viewer->Memory->Count(), 2u);
    Key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(viewer->Coordinate1->Settings.XInterval.Max, 4);
    const TMemory* first = viewer->Memory.get();

    Keys({Qt::Key_PageDown});
    EXPECT_EQ(viewer->Memory.get(), first);
    EXPECT_EQ(viewer->Coordinate1->Settings.XInterval.Min, -4);
    EXPECT_EQ(viewer->Coordinate1->Settings.XInterval.Max, 4);
    EXPECT_EQ(Captions(), std::vector<std::string>{"only"});

    Keys({Qt::Key_PageDown});
    ASSERT_EQ(viewer->Memory->Count(), 1u);
    EXPECT_EQ(viewer->Memory->GetCaption(0), "Y(x)=sin(x)");
    EXPECT_EQ(viewer->Coordinate1->Memory, viewer->Memory.get());
    EXPECT_EQ(viewer->Coordinate1->Settings.XInterval.Max, 4);
}

TEST_F(SlideShow, AFailingSlideKeepsTheGraphsAndSaysSoOnceAtMost) {
    const struct {
        const char* name;
        std::string text;  // empty: no file at all
        bool foreignRoot;
        std::string error;  // "" for no box; "reader" for the XML reader's own text
        bool labelsGone;
    } cases[] = {
        {"missing file", "", false, "", false},
        {"foreign root", "<Drawing>" + LabelsElement({"f"}) + "</Drawing>", true, "", true},
        {"malformed", "<ZorvikMendalDocument><Memory>", false, "reader", true},
        {"bad number in the graphs",
         "<ZorvikMendalDocument><Memory><FunctionObj><Exp>x</Exp></FunctionObj>"
         "<FunctionObj><ShowEnabled>yes</ShowEnabled></FunctionObj></Memory></ZorvikMendalDocument>",
         false, "'yes' is not a valid integer value", true},
        {"more labels than a drawing can hold", CrowdedDocument(kMaxLabels + 1), false,
         TooManyLabelsText(kMaxLabels + 1).toStdString(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        viewer = std::make_unique<TFormSlideShow>();
        boxes.clear();
        const QString good = Document("good.xml", GraphsElement({"x", "2*x"}) + XViewElement(-3, 3) + LabelsElement({"g"}));
        const QString bad = dir.filePath(QStringLiteral("bad.xml"));
        QFile::remove(bad);
        if (!c.text.empty()) Write(QStringLiteral("bad.xml"), c.text);
        ShowSlides(0, {good, bad});
        ASSERT_TRUE(PanelShown());
        const TMemory* graphs = viewer->Memory.get();
        const TCoordinateSettings plane = viewer->Coordinate1->Settings;

        Keys({Qt::Key_PageDown});
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_EQ(viewer->LabelSlide->text(), QStringLiteral("Slide: 2/2"));
        EXPECT_EQ(viewer->Memory.get(), graphs);
        EXPECT_EQ(viewer->Coordinate1->Memory, graphs);
        EXPECT_EQ(viewer->Memory->Count(), 2u);
        EXPECT_EQ(viewer->Coordinate1->Settings, plane);
        EXPECT_EQ(Captions().empty(), c.labelsGone);

        std::string expected = c.error;
        if (expected == "reader") {
            try {
                TXMLDocument doc;
                doc.LoadFromFile(bad.toStdString());
            } catch (const ZmError& e) {
                expected = e.what();
            }
        }
        if (expected.empty()) {
            EXPECT_EQ(boxes.count(), 0);
            EXPECT_TRUE(viewer->ShowHideControlPanel1->isChecked());  // the tick ended as usual
        } else {
            ASSERT_EQ(boxes.count(), 1);
            EXPECT_EQ(boxes.last().text.toStdString(), expected);
            EXPECT_FALSE(viewer->ShowHideControlPanel1->isChecked());  // not toggled after the error
        }
        EXPECT_TRUE(PanelShown());  // a slide change unchecks the item but does not hide the panel
        Key(Qt::Key_F5);            // draws the graphs it kept
        EXPECT_EQ(viewer->Coordinate1->Memory, graphs);
    }
}

TEST_F(SlideShow, NavigationFollowsTheListAndStopsAtItsEnds) {
    const struct {
        const char* name;
        int count;  // -1: one document instead of a list
        int start;
        std::vector<Qt::Key> keys;
        int index;
        bool previous, next, label;
    } cases[] = {
        {"empty list", 0, 0, {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home}, -1, false, false, false},
        {"start past the end", 3, 3, {}, -1, false, false, false},
        {"negative start", 3, -1, {}, -1, false, false, false},
        {"out of range, then the next slide is the first", 3, 7, {Qt::Key_PageDown}, 0, false, true, true},
        {"one slide", 1, 0, {Qt::Key_PageDown, Qt::Key_PageUp}, 0, false, true, true},
        {"a middle slide", 5, 0, {Qt::Key_PageDown}, 1, true, true, true},
        {"past the last slide", 5, 3, {Qt::Key_PageDown, Qt::Key_PageDown}, 4, true, false, true},
        {"before the first slide", 5, 1, {Qt::Key_PageUp, Qt::Key_PageUp}, 0, false, true, true},
        {"end", 5, 1, {Qt::Key_End}, 4, true, false, true},
        {"home", 5, 3, {Qt::Key_Home}, 0, false, true, true},
        {"one document", -1, 0, {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End}, -1, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        viewer = std::make_unique<TFormSlideShow>();
        const QStringList list = NamedSlides(std::max(c.count, 1));
        if (c.count < 0)
            ShowDocument(list[0]);
        else
            ShowSlides(c.start, list.mid(0, c.count));
        Keys(c.keys);

        EXPECT_EQ(viewer->SlideIndex, c.index);
        EXPECT_EQ(!viewer->ImageLastSlide->isHidden(), c.previous);
        EXPECT_EQ(!viewer->ImageNextSlide->isHidden(), c.next);
        EXPECT_EQ(!viewer->LabelSlide->isHidden(), c.label);
        if (c.count < 0) {
            EXPECT_EQ(viewer->SlideList, nullptr);
            EXPECT_EQ(Captions(), std::vector<std::string>{"slide0"});
        } else if (c.index < 0) {
            EXPECT_TRUE(viewer->CurrentFile.isEmpty());
            EXPECT_TRUE(Captions().empty());
        } else {
            EXPECT_EQ(viewer->CurrentFile, list[c.index]);
            EXPECT_EQ(Captions(), std::vector<std::string>{"slide" + std::to_string(c.index)});
            EXPECT_EQ(viewer->LabelSlide->text(), QStringLiteral("Slide: %1/%2").arg(c.index + 1).arg(c.count));
        }
        EXPECT_EQ(boxes.count(), 0);
    }
}

TEST_F(SlideShow, KeysChangeTheViewByTheirRuleUnlessTheResultIsUnusable) {
    using Change = std::function<void(TCoordinateSettings&)>;
    const Change none = [](TCoordinateSettings&) {};
    const Change xFrom2To6 = [](TCoordinateSettings& s) { s.XInterval = TInterval::CreateRange(1, 2, 6); };
    const Change mirrored = [](TCoordinateSettings& s) { s.XInterval = TInterval::CreateRange(1, 10, -10); };
    const struct {
        const char* name;
        Change before;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool accelerate;
        Change after;  // applied to the view before the key
    } cases[] = {
        {"keypad + zooms in", none, Qt::Key_Plus, Qt::KeypadModifier, true,
         [](TCoordinateSettings& s) {
             s.XInterval = s.YInterval = TInterval::CreateRange(1, -5, 5);
             s.XAxesTicksStep = s.YAxesTicksStep = s.XAxesLabelsStep = s.YAxesLabelsStep = 0.5;
         }},
        {"keypad - zooms out", none, Qt::Key_Minus, Qt::KeypadModifier, true,
         [](TCoordinateSettings& s) {
             s.XInterval = s.YInterval = TInterval::CreateRange(1, -20, 20);
             s.XAxesTicksStep = s.YAxesTicksStep = s.XAxesLabelsStep = s.YAxesLabelsStep = 2;
         }},
        {"+ of the main keyboard does nothing", none, Qt::Key_Plus, Qt::NoModifier, true, none},
        {"- of the main keyboard does nothing", none, Qt::Key_Minus, Qt::ShiftModifier, true, none},
        {"Return centres", xFrom2To6, Qt::Key_Return, Qt::NoModifier, true,
         [](TCoordinateSettings& s) { s.XInterval = TInterval::CreateRange(1, -2, 2); }},
        {"keypad Enter centres", xFrom2To6, Qt::Key_Enter, Qt::KeypadModifier, false,
         [](TCoordinateSettings& s) { s.XInterval = TInterval::CreateRange(1, -2, 2); }},
        {"Left, accelerated", none, Qt::Key_Left, Qt::NoModifier, true,
         [](TCoordinateSettings& s) { s.XInterval = TInterval::CreateRange(1, -20, 0); }},
        {"Left, one tick", none, Qt::Key_Left, Qt::NoModifier, false,
         [](TCoordinateSettings& s) { s.XInterval = TInterval::CreateRange(1, -11, 9); }},
        {"Shift does not count", none, Qt::Key_Left, Qt::ShiftModifier, false,
         [](TCoordinateSettings& s) { s.XInterval = TInterval::CreateRange(1, -11, 9); }},
        {"Right, accelerated", none, Qt::Key_Right, Qt::NoModifier, true,
         [](TCoordinateSettings& s) { s.XInterval = TInterval::CreateRange(1, 0, 20); }},
        {"Up, accelerated", none, Qt::Key_Up, Qt::NoModifier, true,
         [](TCoordinateSettings& s) { s.YInterval = TInterval::CreateRange(1, 0, 20); }},
        {"Down, one tick", none, Qt::Key_Down, Qt::NoModifier, false,
         [](TCoordinateSettings& s) { s.YInterval = TInterval::CreateRange(1, -11, 9); }},
        {"grids switched on as 2 zoom with the plane",
         [](TCoordinateSettings& s) {
             s.GridRadialEnabled = 2;
             s.GridHorEnabled = 2;
             s.GridRadialStep = s.GridHorStep = s.GridVerStep = 3;
         },
         Qt::Key_Minus, Qt::KeypadModifier, true,
         [](TCoordinateSettings& s) {
             s.XInterval = s.YInterval = TInterval::CreateRange(1, -20, 20);
             s.XAxesTicksStep = s.YAxesTicksStep = s.XAxesLabelsStep = s.YAxesLabelsStep = 2;
             s.GridRadialStep = s.GridHorStep = 6;  // the vertical grid is off
         }},
        {"a mirrored plane zooms", mirrored, Qt::Key_Plus, Qt::KeypadModifier, true,
         [](TCoordinateSettings& s) {
             s.XInterval = TInterval::CreateRange(1, 5, -5);
             s.YInterval = TInterval::CreateRange(1, -5, 5);
             s.XAxesTicksStep = s.YAxesTicksStep = s.XAxesLabelsStep = s.YAxesLabelsStep = 0.5;
         }},
        {"a mirrored plane moves", mirrored, Qt::Key_Right, Qt::NoModifier, false,
         [](TCoordinateSettings& s) { s.XInterval = TInterval::CreateRange(1, 11, -9); }},
        {"no zoom out to infinity",
         [](TCoordinateSettings& s) { s.XInterval = TInterval::CreateRange(1, -1e308, 1e308); }, Qt::Key_Minus,
         Qt::KeypadModifier, true, none},
        {"no zoom in to a zero step", [](TCoordinateSettings& s) { s.XAxesTicksStep = 5e-324; }, Qt::Key_Plus,
         Qt::KeypadModifier, true, none},
    };
    ShowDocument(Document("plain.xml", GraphsElement({"x"})));
    const TCoordinateSettings initial = viewer->Coordinate1->Settings;  // [-10, 10] on both axes, steps 1
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TCoordinateSettings start = initial;
        c.before(start);
        viewer->Coordinate1->Settings = start;
        viewer->CheckBoxAcc->setChecked(c.accelerate);
        TCoordinateSettings expected = start;
        c.after(expected);

        Key(c.key, c.modifiers);
        EXPECT_EQ(viewer->Coordinate1->Settings, expected);
        EXPECT_TRUE(viewer->isVisible());
    }
}

TEST_F(SlideShow, ZoomingInStopsWhileThePlaneStillDraws) {
    ShowDocument(Document("line.xml", GraphsElement({"x"})));
    TCoordinateSettings& view = viewer->Coordinate1->Settings;
    view.XInterval = view.YInterval = TInterval::CreateRange(1, -1e-290, 1e-290);
    view.XAxesTicksStep = view.YAxesTicksStep = view.XAxesLabelsStep = view.YAxesLabelsStep = 1e-291;
    for (int i = 0; i < 100; ++i) Key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_LT(view.XInterval.Max, 1e-297);  // it did zoom in, and then stopped
    const TCoordinateSettings last = view;
    Key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(view, last);
    viewer->Coordinate1->EvaluationCount = 0;
    Key(Qt::Key_F5);
    EXPECT_GT(viewer->Coordinate1->EvaluationCount, 0u);  // the graph is still drawn
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(SlideShow, F5RedrawsAndEscCloses) {
    ShowDocument(Document("empty.xml", ""));
    TCanvas& canvas = viewer->Coordinate1->GetCanvas();
    canvas.SetBrushColor(0x0000FF);
    canvas.FillRect(100, 100, 110, 110);
    ASSERT_EQ(viewer->Coordinate1->Picture().pixel(105, 105), 0xFFFF0000);
    Key(Qt::Key_F5);
    EXPECT_EQ(viewer->Coordinate1->Picture().pixel(105, 105), 0xFFFFFFFF);

    Key(Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_EQ(viewer->result(), QDialog::Rejected);
}

TEST_F(SlideShow, ThePanelSitsInTheCornerInThePlaneColourAndSpaceTogglesIt) {
    ShowDocument(Document("tinted.xml", "<Coordinate><BackgroundColor>15794175</BackgroundColor></Coordinate>" +
                                            LabelsElement({"l"})));
    QWidget* panel = viewer->GroupBoxMovement;
    const TCoordinate* plane = viewer->Coordinate1;
    EXPECT_EQ(plane->size(), viewer->size());
    ASSERT_TRUE(PanelShown());
    EXPECT_TRUE(viewer->ShowHideControlPanel1->isChecked());
    EXPECT_EQ(panel->pos(), QPoint(plane->width() - panel->width() - 20, plane->height() - panel->height() - 20));
    const QColor tint(0xFF, 0xFF, 0xF0);
    EXPECT_EQ(panel->palette().color(QPalette::Window), tint);
    EXPECT_EQ(viewer->LabelHide->palette().color(QPalette::Window), tint);
    EXPECT_TRUE(viewer->CheckBoxAcc->isChecked());
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("FormSlideShow"));

    // Nothing inside the viewer can take the focus, so Space reaches the viewer.
    for (QWidget* child : viewer->findChildren<QWidget*>())
        EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->metaObject()->className();
    QApplication::setActiveWindow(viewer.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer.get()));
    Key(Qt::Key_Space);
    EXPECT_FALSE(PanelShown());
    EXPECT_FALSE(viewer->ShowHideControlPanel1->isChecked());
    Key(Qt::Key_Space);
    EXPECT_TRUE(PanelShown());
    EXPECT_EQ(QApplication::focusWidget(), viewer.get());

    QTest::mouseClick(viewer->LabelHide, Qt::LeftButton);
    EXPECT_FALSE(PanelShown());
    EXPECT_FALSE(viewer->ShowHideControlPanel1->isChecked());

    // A late resize lays out and redraws what is loaded, without loading again.
    const std::vector<TAddLabel*> labels = viewer->Labels();
    viewer->setWindowState(Qt::WindowNoState);
    viewer->resize(640, 480);
    QTest::qWait(20);
    EXPECT_EQ(plane->size(), QSize(640, 480));
    EXPECT_EQ(panel->pos(), QPoint(640 - panel->width() - 20, 480 - panel->height() - 20));
    EXPECT_EQ(viewer->Labels(), labels);
}

TEST_F(SlideShow, AGraphFlipsBetweenZeroAndOne) {
    ShowDocument(Document("two.xml", "<Memory><FunctionObj><Exp>x</Exp><ShowEnabled>2</ShowEnabled></FunctionObj>"
                                     "<FunctionObj><Exp>-x</Exp><ShowEnabled>0</ShowEnabled></FunctionObj></Memory>"));
    const struct {
        int index;
        int first, second;
    } steps[] = {{0, 0, 0}, {1, 0, 1}, {0, 1, 1}, {2, 1, 1}, {-1, 1, 1}};
    for (const auto& s : steps) {
        viewer->ToggleGraph(s.index);
        EXPECT_EQ(viewer->Memory->GetShowEnabled(0), s.first) << s.index;
        EXPECT_EQ(viewer->Memory->GetShowEnabled(1), s.second) << s.index;
    }
}

}  // namespace
