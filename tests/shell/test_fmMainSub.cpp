// The document window: set-up, the mouse on the plane, labels, the graph list box, the
// pop-up menus and the view commands, driven offscreen with QTest mouse and keys.
#include "shell/fmMainSub.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#include "engine/ZMMath.h"
#include "platform/ZMColorBox.h"
#include "platform/ZMFontChooser.h"
#include "platform/ZMXmlDocument.h"
#include "plot/ComboboxBrushStyle.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"
#include "plot/ZMCoordinate.h"
#include "plot/ZMFunTabObj.h"
#include "plot/ZMMemoryListBox.h"
#include "shell/ZMCalcPanel.h"
#include "shell/ZMCommandMemo.h"
#include "storage/ZMAddLabel.h"
#include "storage/ZMXML.h"
#include "editors/fmAddGraph.h"
#include "editors/fmAddLabel.h"
#include "editors/fmAddTable.h"
#include "editors/fmCoordinateProperties.h"
#include "editors/fmEditLabel.h"
#include "editors/fmEditTable.h"
#include "editors/fmUpdateVarMem.h"
#include "support/AddGraphPreset.h"
#include "support/MessageRecorder.h"
#include "support/NextModal.h"
#include "support/ScopedProgramDir.h"
#include "support/TableGridInput.h"

namespace {

// An add-graph dialog answered OK with a shown graph 'x'.
bool AddsShownGraphX(TFormMainSub& doc) {
    TFunctionObj f;
    f.Exp.assign(1, 'x');
    f.ShowEnabled = 1;
    doc.Memory->AddFunction(f);
    return true;
}

// While the returned watch lives, answers the next font dialog with colour row `color`, confirmed.
NextModal AnswerFontDialogWithColor(int color) {
    return NextModal([color](QWidget* fonts) {
        auto* chooser = qobject_cast<TFontColorDialog*>(fonts);
        ASSERT_NE(chooser, nullptr);
        chooser->ColorBox()->setCurrentIndex(color);
        chooser->accept();
    });
}

// A window whose plot rectangle is 400 x 400 pixels at (30, 30): 0.05 world units per pixel
// on the default view [-10, 10] x [-10, 10].
class DocWindow : public ::testing::Test {
protected:
    void SetUp() override {
        width = new TComboboxLineWidth(&frame);
        style = new TComboboxLineStyle(&frame);
        color = new TColorBox(&frame);
        brush = new TComboboxBrushStyle(&frame);
        bar = new QStatusBar(&frame);
        panel1 = new QLabel(bar);
        panel1->setObjectName(QStringLiteral("StatusBar1Panel1"));
        bar->addWidget(panel1);
        TMyToolBar links;
        links.LineWidthBox = width;
        links.LineStyleBox = style;
        links.ColorBox = color;
        links.BrushStyleBox = brush;
        links.StatusBar = bar;
        w = std::make_unique<TFormMainSub>();
        w->resize(900, 700);
        w->InitDocument(links);
        QApplication::processEvents();
        plane()->setGeometry(0, 0, 460, 460);
        w->Redraw();
    }

    TCoordinate* plane() { return w->Coordinate1; }
    TCoordinateSettings& view() { return w->Coordinate1->Settings; }
    QPoint pixelOf(double x, double y) {
        const TPoint p = plane()->WorldToScreen(x, y);
        return {p.x, p.y};
    }
    void addGraph(const char* exp, int lineWidth, TColor lineColor, uint8_t brushStyle = 5) {
        TFunctionObj f;
        f.Exp = exp;
        f.ShowEnabled = 1;
        f.GraphStyle.LineWidth = lineWidth;
        f.GraphStyle.LineColor = lineColor;
        f.GraphStyle.LineStyle = 2;
        f.GraphStyle.BrushStyle = brushStyle;
        w->Memory->AddFunction(f);
        w->MemoryListBox1->AddRow();
    }
    void band(QPoint from, QPoint to) {
        QTest::mousePress(plane(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(plane(), to);
        QTest::mouseRelease(plane(), Qt::LeftButton, Qt::NoModifier, to);
    }
    void enterIntervalMode() {
        w->SaveCurrentIntervals();
        w->SetMouseMode(2);
    }
    TAddLabel* placeLabel(QPoint at, const char* caption) {
        w->Dialogs.AddLabel = [caption](TFormMainSub&, TAddLabel& result) {
            result.SetCaption(caption);
            return true;
        };
        w->SetMouseMode(1);
        QTest::mouseClick(plane(), Qt::LeftButton, Qt::NoModifier, at);
        const auto labels = w->Labels();
        return labels.empty() ? nullptr : labels.back();
    }

    MessageRecorder recorded;  // no real box may block a test
    QWidget frame;
    TComboboxLineWidth* width = nullptr;
    TComboboxLineStyle* style = nullptr;
    TColorBox* color = nullptr;
    TComboboxBrushStyle* brush = nullptr;
    QStatusBar* bar = nullptr;
    QLabel* panel1 = nullptr;
    std::unique_ptr<TFormMainSub> w;
};

TEST_F(DocWindow, SetUpBuildsTheContextAndLinksEveryView) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Document"));
    EXPECT_EQ(w->GetMouseMode(), 0);
    ASSERT_EQ(w->VarMemory->Count(), 4);
    const char* names[] = {"x", "y", "t", "a"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(w->VarMemory->GetVarItem(i)->Name, names[i]);
        EXPECT_EQ(w->VarMemory->GetVarItem(i)->Value, 0);
    }
    ASSERT_EQ(w->ConstMemory->Count(), 1);
    EXPECT_EQ(w->ConstMemory->GetValue("PI"), 3.141592653589793);
    EXPECT_EQ(w->Memory->Count(), 0u);
    EXPECT_EQ(w->SavedXInterval.Enabled, 0);
    EXPECT_EQ(w->SavedYInterval.Enabled, 0);
    EXPECT_EQ(w->MemoryListBox1->Memory, w->Memory.get());
    EXPECT_EQ(w->ZMCommandMemo1->Memory, w->Memory.get());
    EXPECT_EQ(w->ZMCommandMemo1->Plane, w->Coordinate1);
    EXPECT_EQ(w->ZMCommandMemo1->ListBox, w->MemoryListBox1);
    EXPECT_EQ(w->ZMCommandMemo1->OperatorLib, w->OperatorLib.get());
    EXPECT_EQ(w->ZMCommandMemo1->VarMemory, w->VarMemory.get());
    EXPECT_EQ(w->ZMCommandMemo1->ConstMemory, w->ConstMemory.get());
    for (QWidget* picker : {static_cast<QWidget*>(width), static_cast<QWidget*>(style),
                            static_cast<QWidget*>(color), static_cast<QWidget*>(brush)})
        EXPECT_FALSE(picker->isEnabled());
}

TEST_F(DocWindow, MouseModeSetsThePlaneCursor) {
    const struct {
        uint8_t mode;
        Qt::CursorShape shape;
    } cases[] = {{1, Qt::IBeamCursor}, {2, Qt::CrossCursor}, {0, Qt::ArrowCursor}};
    for (const auto& c : cases) {
        w->SetMouseMode(c.mode);
        EXPECT_EQ(w->GetMouseMode(), c.mode);
        EXPECT_EQ(plane()->cursor().shape(), c.shape) << int(c.mode);
    }
}

TEST_F(DocWindow, StatusBarShowsTheRoundedWorldPositionOrZeros) {
    QTest::mouseMove(plane(), QPoint(30 + 250, 30 + 225));
    EXPECT_EQ(panel1->text(), QStringLiteral("X: 2.5    Y: -1.25"));

    // In the margin, in every mode.
    w->SetMouseMode(1);
    QTest::mouseMove(plane(), QPoint(10, 200));
    EXPECT_EQ(panel1->text(), QStringLiteral("X: 0    Y: 0"));
    w->SetMouseMode(0);

    // Three decimals, halves to even: 0.0004 + k * 0.05.
    view().XInterval = TInterval::CreateRange(1, 0.0004, 20.0004);
    view().YInterval = TInterval::CreateRange(1, -0.0005, 19.9995);
    w->Redraw();
    QTest::mouseMove(plane(), QPoint(31, 430));
    EXPECT_EQ(panel1->text(), QStringLiteral("X: 0.05    Y: 0"));
}

TEST_F(DocWindow, StatusBarSurvivesAnEmptyPlotRectangle) {
    plane()->setGeometry(0, 0, 50, 50);  // margins of 30 leave no plot rectangle
    w->Redraw();
    for (QPoint p : {QPoint(25, 25), QPoint(30, 30), QPoint(0, 0)}) {
        QTest::mouseMove(plane(), p);
        EXPECT_EQ(panel1->text(), QStringLiteral("X: 0    Y: 0"));
    }
}

TEST_F(DocWindow, RubberBandSelectsTheViewInAnyDirection) {
    const QPoint a = pixelOf(-5, 6);
    const QPoint b = pixelOf(3, -2);
    const struct {
        const char* name;
        QPoint from, to;
    } cases[] = {{"down right", a, b}, {"up left", b, a}, {"down left", {b.x(), a.y()}, {a.x(), b.y()}},
                 {"up right", {a.x(), b.y()}, {b.x(), a.y()}}};
    for (const auto& c : cases) {
        view().XInterval = TInterval::CreateRange(1, -10, 10);
        view().YInterval = TInterval::CreateRange(1, -10, 10);
        w->Redraw();
        enterIntervalMode();
        band(c.from, c.to);
        EXPECT_DOUBLE_EQ(view().XInterval.Min, -5) << c.name;
        EXPECT_DOUBLE_EQ(view().XInterval.Max, 3) << c.name;
        EXPECT_DOUBLE_EQ(view().YInterval.Min, -2) << c.name;
        EXPECT_DOUBLE_EQ(view().YInterval.Max, 6) << c.name;
        EXPECT_EQ(w->GetMouseMode(), 0) << c.name;
        EXPECT_EQ(plane()->cursor().shape(), Qt::ArrowCursor) << c.name;
        // The recovery point is the view from before the mode was entered.
        EXPECT_EQ(w->SavedXInterval.Min, -10) << c.name;
    }
    w->RecoverCoordinateInterval();
    EXPECT_EQ(view().XInterval.Min, -10);
    EXPECT_EQ(view().YInterval.Max, 10);
}

TEST_F(DocWindow, RubberBandIsDrawnAndErasedWithoutARedraw) {
    const QImage before = plane()->Picture().copy();
    enterIntervalMode();
    QTest::mousePress(plane(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(plane(), QPoint(200, 180));
    const QImage during = plane()->Picture().copy();
    EXPECT_NE(during, before);
    // The band's left edge is drawn (dotted), the inside is kept.
    auto edgeChanges = [&before](const QImage& img, int x) {
        int n = 0;
        for (int y = 101; y < 179; ++y) n += img.pixel(x, y) != before.pixel(x, y);
        return n;
    };
    EXPECT_GT(edgeChanges(during, 100), 10);
    EXPECT_EQ(during.pixel(150, 140), before.pixel(150, 140));
    QTest::mouseMove(plane(), QPoint(300, 250));
    const QImage moved = plane()->Picture().copy();
    EXPECT_GT(edgeChanges(moved, 100), 10);
    // The old right edge is gone: the second band is erased exactly where the first was.
    int stray = 0;
    for (int y = 101; y < 179; ++y) stray += moved.pixel(200, y) != before.pixel(200, y);
    EXPECT_EQ(stray, 0);
    QTest::mouseRelease(plane(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 250));
}

TEST_F(DocWindow, DegenerateBandsLeaveTheViewUnchanged) {
    const QPoint inside = pixelOf(2, 2);
    enterIntervalMode();
    QTest::mouseClick(plane(), Qt::LeftButton, Qt::NoModifier, inside);  // zero area
    EXPECT_EQ(view().XInterval, TInterval::CreateRange(1, -10, 10));
    EXPECT_EQ(w->GetMouseMode(), 0);

    enterIntervalMode();
    band(inside, QPoint(inside.x() + 40, inside.y()));  // no height
    EXPECT_EQ(view().YInterval, TInterval::CreateRange(1, -10, 10));

    // A view too wide for the mapping gives no finite corners.
    view().XInterval = TInterval::CreateRange(1, -1.7e308, 1.7e308);
    w->Redraw();
    const TCoordinateSettings wide = view();
    enterIntervalMode();
    band(QPoint(100, 100), QPoint(200, 200));
    EXPECT_EQ(view(), wide);

    // No plot rectangle at all.
    view() = TCoordinateSettings::Create();
    plane()->setGeometry(0, 0, 55, 300);
    w->Redraw();
    enterIntervalMode();
    band(QPoint(10, 60), QPoint(40, 200));
    EXPECT_EQ(view().XInterval, TInterval::CreateRange(1, -10, 10));
    EXPECT_EQ(w->GetMouseMode(), 0);
}

TEST_F(DocWindow, BandReleasedOutsideIsClampedToThePlotRectangle) {
    enterIntervalMode();
    band(pixelOf(4, -3), QPoint(-80, -50));  // beyond the top-left corner of the control
    EXPECT_DOUBLE_EQ(view().XInterval.Min, -10);
    EXPECT_DOUBLE_EQ(view().XInterval.Max, 4);
    EXPECT_DOUBLE_EQ(view().YInterval.Min, -3);
    EXPECT_DOUBLE_EQ(view().YInterval.Max, 10);
}

TEST_F(DocWindow, OnlyTheLeftButtonDrawsABandAndRightClickKeepsTheMode) {
    for (uint8_t mode : {uint8_t{1}, uint8_t{2}}) {
        w->SetMouseMode(mode);
        int dialogs = 0;
        w->Dialogs.AddLabel = [&dialogs](TFormMainSub&, TAddLabel&) { return ++dialogs, false; };
        const QPoint p(200, 200);
        QTest::mousePress(plane(), Qt::RightButton, Qt::NoModifier, p);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, p, plane()->mapToGlobal(p));
        QApplication::sendEvent(plane(), &menu);
        EXPECT_TRUE(w->CoordinatePopupMenu->isVisible()) << int(mode);
        w->CoordinatePopupMenu->hide();
        QTest::mouseMove(plane(), QPoint(300, 300));
        QTest::mouseRelease(plane(), Qt::RightButton, Qt::NoModifier, QPoint(300, 300));
        QTest::mouseClick(plane(), Qt::MiddleButton, Qt::NoModifier, p);
        EXPECT_EQ(w->GetMouseMode(), mode);
        EXPECT_EQ(dialogs, 0);
        EXPECT_EQ(view().XInterval, TInterval::CreateRange(1, -10, 10));
    }
}

TEST_F(DocWindow, PopupMenuDuringABandDropsTheBandAndKeepsTheMode) {
    const QImage before = plane()->Picture().copy();
    const TCanvasPen pen = plane()->GetCanvas().Pen();
    enterIntervalMode();
    QTest::mousePress(plane(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(plane(), QPoint(200, 180));
    ASSERT_NE(plane()->Picture(), before);
    const QPoint p(200, 180);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, p, plane()->mapToGlobal(p));
    QApplication::sendEvent(plane(), &menu);
    w->CoordinatePopupMenu->hide();
    EXPECT_EQ(plane()->Picture(), before);          // the band is erased
    EXPECT_EQ(plane()->GetCanvas().Pen(), pen);     // and the not-xor pen is gone
    QTest::mouseMove(plane(), QPoint(300, 300));
    EXPECT_EQ(plane()->Picture(), before);          // moving draws no band any more
    EXPECT_EQ(w->GetMouseMode(), 2);
    EXPECT_EQ(view().XInterval, TInterval::CreateRange(1, -10, 10));
}

TEST_F(DocWindow, ViewCommandsChangeTheIntervalsAndKeepARecoveryPoint) {
    w->ActionCoordExpandHor();
    EXPECT_EQ(view().XInterval.Min, -20);
    EXPECT_EQ(view().XInterval.Max, 20);
    EXPECT_EQ(view().XAxesTicksStep, 2);
    EXPECT_EQ(view().XAxesLabelsStep, 2);
    EXPECT_EQ(w->SavedXInterval, TInterval::CreateRange(1, -10, 10));
    w->RecoverCoordinateInterval();
    EXPECT_EQ(view().XInterval.Min, -10);
    EXPECT_EQ(view().XInterval.Max, 10);
    EXPECT_EQ(view().XAxesTicksStep, 2);  // the steps stay doubled
    w->RecoverCoordinateInterval();       // repeatable
    EXPECT_EQ(view().XInterval.Max, 10);

    view().XInterval = TInterval::CreateRange(1, 2, 6);
    view().YInterval = TInterval::CreateRange(1, 3, 3);
    w->ActionCoordViewCenter();
    EXPECT_EQ(view().XInterval.Min, -2);
    EXPECT_EQ(view().XInterval.Max, 2);
    EXPECT_EQ(view().YInterval.Min, 3);
    EXPECT_EQ(view().YInterval.Max, 3);

    // Each command moves as its rule says (one sample per command family here).
    using Cmd = void (TFormMainSub::*)();
    const struct {
        const char* name;
        Cmd cmd;
        double xmin, xmax, ymin, ymax;
    } cases[] = {
        {"zoom out both", &TFormMainSub::ActionCoordExpandBoth, -20, 20, -20, 20},
        {"zoom in Y", &TFormMainSub::ActionCoordContractVer, -10, 10, -5, 5},
        {"step right", &TFormMainSub::ActionCoordMoveRight, -9, 11, -10, 10},
        {"step down", &TFormMainSub::ActionCoordMoveDown, -10, 10, -11, 9},
        {"move up", &TFormMainSub::ActionCoordMoveUpMore, -10, 10, 0, 20},
        {"move left", &TFormMainSub::ActionCoordMoveLeftMore, -20, 0, -10, 10},
    };
    for (const auto& c : cases) {
        view() = TCoordinateSettings::Create();
        (w.get()->*c.cmd)();
        EXPECT_EQ(view().XInterval.Min, c.xmin) << c.name;
        EXPECT_EQ(view().XInterval.Max, c.xmax) << c.name;
        EXPECT_EQ(view().YInterval.Min, c.ymin) << c.name;
        EXPECT_EQ(view().YInterval.Max, c.ymax) << c.name;
        EXPECT_EQ(w->SavedYInterval, TInterval::CreateRange(1, -10, 10)) << c.name;
    }
}

TEST_F(DocWindow, RecoverDoesNothingBeforeAnyViewChange) {
    view().XInterval = TInterval::CreateRange(1, 1, 2);
    w->RecoverCoordinateInterval();
    EXPECT_EQ(view().XInterval, TInterval::CreateRange(1, 1, 2));
}

TEST_F(DocWindow, RepeatedZoomStopsBeforeTheViewBreaks) {
    for (int i = 0; i < 2000; ++i) w->ActionCoordExpandBoth();
    EXPECT_TRUE(std::isfinite(view().XInterval.Min) && std::isfinite(view().XInterval.Max));
    EXPECT_TRUE(std::isfinite(view().YInterval.Max));
    EXPECT_GT(view().XInterval.Max, 1e300);
    // The recovery point is the last view that was actually changed.
    EXPECT_EQ(w->SavedXInterval.Max * 2, view().XInterval.Max);
    QTest::mouseMove(plane(), QPoint(200, 200));
    EXPECT_FALSE(panel1->text().contains(QStringLiteral("NAN")));

    view() = TCoordinateSettings::Create();
    for (int i = 0; i < 2000; ++i) w->ActionCoordContractBoth();
    EXPECT_NE(view().XInterval.Min, view().XInterval.Max);
    EXPECT_NE(view().YInterval.Min, view().YInterval.Max);
    EXPECT_GT(view().XAxesTicksStep, 0);
    EXPECT_TRUE(plane()->ScreenMapping().Finite());  // still narrow enough to draw on

    // A mirrored view still zooms and moves.
    view() = TCoordinateSettings::Create();
    view().XInterval = TInterval::CreateRange(1, 10, -10);
    w->ActionCoordExpandHor();
    EXPECT_EQ(view().XInterval.Min, 20);
    w->ActionCoordMoveRightMore();
    EXPECT_EQ(view().XInterval.Min, 40);
    EXPECT_EQ(view().XInterval.Max, 0);
}

TEST_F(DocWindow, LabelIsPlacedAtTheClickWithItsWorldAnchor) {
    const QPoint at(30 + 100, 30 + 60);
    TAddLabel* label = placeLabel(at, "Peak");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), "Peak");
    EXPECT_EQ(label->parentWidget(), w->Coordinate1);  // a control on the plane
    EXPECT_EQ(label->pos(), at);
    EXPECT_DOUBLE_EQ(label->x, -5);
    EXPECT_DOUBLE_EQ(label->y, 7);
    EXPECT_EQ(w->GetMouseMode(), 0);
    w->ActionCoordExpandBoth();  // the label follows its anchor
    EXPECT_EQ(label->pos(), pixelOf(-5, 7));

    // Cancel: no label, and the mode still ends.
    w->Dialogs.AddLabel = [](TFormMainSub&, TAddLabel&) { return false; };
    w->SetMouseMode(1);
    QTest::mouseClick(plane(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(w->Labels().size(), 1u);
    EXPECT_EQ(w->GetMouseMode(), 0);
}

TEST_F(DocWindow, LabelInTheMarginKeepsItsPlace) {
    TAddLabel* label = placeLabel(QPoint(10, 10), "Note");
    ASSERT_NE(label, nullptr);
    EXPECT_DOUBLE_EQ(label->x, -11);  // (10 - 30) * 0.05 - 10
    EXPECT_DOUBLE_EQ(label->y, 11);   // (430 - 10) * 0.05 - 10
    w->Redraw();
    w->PlaceLabels();
    EXPECT_EQ(label->pos(), QPoint(10, 10));
}

TEST_F(DocWindow, DraggedLabelTakesTheWorldPointOfTheDrop) {
    TAddLabel* label = placeLabel(QPoint(100, 100), "Drag me");
    ASSERT_NE(label, nullptr);
    const QPoint drop(30 + 300, 30 + 320);  // world (5, -6)
    QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseMove(label, drop - label->pos());
    EXPECT_EQ(label->cursor().shape(), Qt::DragMoveCursor);
    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, drop - label->pos());
    EXPECT_EQ(label->pos(), QPoint(drop.x(), drop.y() - 5));
    EXPECT_DOUBLE_EQ(label->x, 5);
    EXPECT_DOUBLE_EQ(label->y, -6);
    w->Redraw();
    w->PlaceLabels();
    EXPECT_EQ(label->pos(), drop);

    // Dropped into the margin: anchor by the same mapping, so it stays put.
    const QPoint margin(445, 20);
    QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseMove(label, margin - label->pos());
    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, margin - label->pos());
    EXPECT_DOUBLE_EQ(label->x, 10.75);
    EXPECT_DOUBLE_EQ(label->y, 10.5);
    w->PlaceLabels();
    EXPECT_EQ(label->pos(), margin);
}

TEST_F(DocWindow, LabelIsNotDroppedOnAnotherLabelOrByAClick) {
    TAddLabel* first = placeLabel(QPoint(100, 100), "First");
    TAddLabel* second = placeLabel(QPoint(300, 300), "Second");
    ASSERT_TRUE(first && second);
    const double x = first->x;
    const QPoint onSecond = second->pos() + QPoint(2, 2);
    QTest::mousePress(first, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseMove(first, onSecond - first->pos());
    EXPECT_EQ(first->cursor().shape(), Qt::ForbiddenCursor);
    QTest::mouseRelease(first, Qt::LeftButton, Qt::NoModifier, onSecond - first->pos());
    EXPECT_EQ(first->pos(), QPoint(100, 100));
    EXPECT_EQ(first->x, x);

    QTest::mouseClick(first, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(first->pos(), QPoint(100, 100));
}

TEST_F(DocWindow, LabelPopupMenuActsOnTheLabelPressed) {
    TAddLabel* first = placeLabel(QPoint(100, 100), "First");
    TAddLabel* second = placeLabel(QPoint(200, 100), "Second");
    ASSERT_TRUE(first && second);
    QTest::mousePress(second, Qt::RightButton, Qt::NoModifier, QPoint(1, 1));
    EXPECT_EQ(w->PopupLabel, second);
    second->SetTransparent(false);
    w->LabelPopupMenuPopup();
    EXPECT_FALSE(w->ransparent1->isChecked());
    w->ransparent1Click();
    EXPECT_TRUE(second->Transparent());
    EXPECT_FALSE(first->Transparent() != true);

    w->Dialogs.EditLabel = [](TFormMainSub&, const TAddLabel& label, TAddLabel& result) {
        result.AssignLook(label);
        result.SetCaption("Edited");
        return true;
    };
    const QPoint pos = second->pos();
    w->EditLabel1Click();
    EXPECT_EQ(second->Caption(), "Edited");
    EXPECT_EQ(second->pos(), pos);

    w->DeleteLabel1Click();
    ASSERT_EQ(w->Labels().size(), 1u);
    EXPECT_EQ(w->Labels()[0], first);
    EXPECT_EQ(w->PopupLabel, nullptr);
}

TEST_F(DocWindow, LabelsAreSavedAndLoadedInOrderAtTheirAnchors) {
    placeLabel(QPoint(100, 100), "One");
    placeLabel(QPoint(30 + 200, 30 + 200), "Two");
    w->Labels()[0]->raise();  // reorders the panel's children, not the labels
    TXMLDocument doc;
    TXMLNode root = doc.AddChild("ZorvikMendalDocument");
    TXMLNode labels = root.AddChild("AddLabels");
    w->SaveLabels(labels);
    labels.AddChild("Other");

    TFormMainSub other;
    other.resize(900, 700);
    other.InitDocument(TMyToolBar{});
    QApplication::processEvents();
    other.Coordinate1->setGeometry(0, 0, 460, 460);
    other.Redraw();
    other.LoadLabels(labels);
    const auto loaded = other.Labels();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0]->Caption(), "One");
    EXPECT_EQ(loaded[1]->Caption(), "Two");
    EXPECT_DOUBLE_EQ(loaded[1]->x, 0);
    EXPECT_DOUBLE_EQ(loaded[1]->y, 0);
    EXPECT_EQ(loaded[1]->pos(), QPoint(230, 230));
    EXPECT_EQ(loaded[0]->parentWidget(), other.Coordinate1);
}

// Counts the widgets made while it lives (a widget is told of its making while it is still
// constructed as a plain QWidget).
struct WidgetCount : QObject {
    WidgetCount() { qApp->installEventFilter(this); }
    ~WidgetCount() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Create && o->isWidgetType()) ++made;
        return false;
    }
    int made = 0;
};

TEST_F(DocWindow, ManyLabelsLoadAsOneWidgetEachInOrderAtTheirAnchors) {
    for (const int n : {1, 60, 600}) {
        TXMLDocument doc;
        TXMLNode labels = doc.AddChild("AddLabels");
        for (int i = 0; i < n; ++i) {
            TAddLabel l;
            l.SetCaption("label " + std::to_string(i));
            l.SetTransparent(i % 2 == 0);
            l.x = (i % 30) * 0.6 - 9;
            l.y = 9 - (i / 30) * 0.9;
            TZMXML::WriteAddLabel(labels, "AddLabel", l);
        }
        TFormMainSub doc2;
        doc2.resize(900, 700);
        doc2.InitDocument(TMyToolBar{});
        QApplication::processEvents();
        const WidgetCount count;
        doc2.LoadLabels(labels);
        doc2.PlaceLabels();
        // A widget read and thrown away per label costs a scan of every event posted for the
        // labels before it: loading grew with the square of their number.
        EXPECT_EQ(count.made, n);

        const auto loaded = doc2.Labels();
        ASSERT_EQ(static_cast<int>(loaded.size()), n);
        std::vector<TAddLabel*> stacked;  // bottom to top
        for (QObject* child : doc2.Coordinate1->children())
            if (auto* label = qobject_cast<TAddLabel*>(child)) stacked.push_back(label);
        EXPECT_EQ(stacked, loaded) << n;
        for (int i = 0; i < n; ++i) {
            const TAddLabel* label = loaded[static_cast<std::size_t>(i)];
            EXPECT_EQ(label->Caption(), "label " + std::to_string(i));
            const TPoint p = doc2.Coordinate1->WorldToScreen(label->x, label->y);
            EXPECT_EQ(label->pos(), QPoint(p.x, p.y)) << i;
            EXPECT_TRUE(label->isVisible()) << i;
        }
        EXPECT_TRUE(doc2.Coordinate1->isVisible());
    }
}

TEST_F(DocWindow, ListBoxClickTogglesAndSelectsWithThePickersFollowing) {
    addGraph("x", 3, 0x0000FF, 6);
    addGraph("x^2", 1, 0x008000, 4);
    w->UpdateStyleControls();
    EXPECT_FALSE(width->isEnabled());

    QListWidget* list = w->MemoryListBox1;
    const QRect row0 = list->visualItemRect(list->item(0));
    const QRect row1 = list->visualItemRect(list->item(1));
    const QImage shown = plane()->Picture().copy();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, row0.center().y()));
    EXPECT_EQ(w->Memory->GetShowEnabled(0), 0);
    EXPECT_NE(plane()->Picture(), shown);  // redrawn without the curve
    EXPECT_TRUE(width->isEnabled() && style->isEnabled() && color->isEnabled() && brush->isEnabled());
    EXPECT_EQ(width->currentIndex(), 2);
    EXPECT_EQ(style->CD_CurrentPenStyle(), 2);
    EXPECT_EQ(color->Selected(), 0x0000FF);
    EXPECT_EQ(brush->CD_CurrentBrushStyle(), 6);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(40, row1.center().y()));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(w->Memory->GetShowEnabled(1), 1);
    EXPECT_EQ(width->currentIndex(), 0);
    EXPECT_EQ(color->Selected(), 0x008000);

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(color->Selected(), 0x0000FF);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(w->Memory->GetShowEnabled(0), 1);
    EXPECT_EQ(w->Memory->GetShowEnabled(1), 1);
}

TEST_F(DocWindow, DeleteKeyRemovesTheSelectedGraphUnlessTheUserCancels) {
    QTemporaryDir dir;
    ScopedProgramDir programDir(dir.path());
    addGraph("x", 1, 0);
    addGraph("x^3", 2, 0);
    QListWidget* list = w->MemoryListBox1;
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(w->Memory->Count(), 1u);
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(w->Memory->GetFunction(0)->Exp, "x^3");
    EXPECT_FALSE(width->isEnabled());

    QFile ini(dir.filePath(QStringLiteral("ZMUser.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Options]\nDeleteGraph=1\n");
    ini.close();
    MessageRecorder boxes;
    boxes.answer(MsgResult::Cancel);
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Do you want to remove the graph?")});
    EXPECT_EQ(boxes.last().buttons, MsgButtons::OkCancel);
    EXPECT_EQ(w->Memory->Count(), 1u);
    EXPECT_EQ(list->count(), 1);

    // No selection: the question is still asked, nothing is removed.
    list->setCurrentRow(-1);
    w->Delete1Click();
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_EQ(w->Memory->Count(), 1u);
}

TEST_F(DocWindow, GraphListMenuEnablesItemsBySelection) {
    addGraph("x", 1, 0);
    w->MemoryListBox1->setCurrentRow(-1);
    w->GraphListPopupMenuPopup();
    EXPECT_FALSE(w->Delete1->isEnabled());
    EXPECT_FALSE(w->Properties1->isEnabled());
    EXPECT_TRUE(w->AddGraph1->isEnabled() && w->AddTableGraph1->isEnabled());
    w->MemoryListBox1->setCurrentRow(0);
    w->GraphListPopupMenuPopup();
    EXPECT_TRUE(w->Delete1->isEnabled() && w->Properties1->isEnabled());
}

TEST_F(DocWindow, PlaneMenuShowsTheSwitchesAndListsTheGraphs) {
    view().GridHorEnabled = 1;
    view().AxesStyle = 1;
    w->CoordinatePopupMenuPopup();
    EXPECT_TRUE(w->HorizontalGridLines1->isChecked());
    EXPECT_FALSE(w->VerticalGridLines1->isChecked());
    EXPECT_TRUE(w->Boxed1->isChecked());
    EXPECT_FALSE(w->Crossed1->isChecked());
    EXPECT_FALSE(w->Add1->menuAction()->isVisible());

    w->Legend1->trigger();
    EXPECT_EQ(view().LegendEnabled, 1);
    w->HorizontalGridLines1->trigger();
    EXPECT_EQ(view().GridHorEnabled, 0);
    w->Crossed1->trigger();
    EXPECT_EQ(view().AxesStyle, 0);

    w->SetGraphMenuItemsVisible(true);
    w->CoordinatePopupMenuPopup();
    for (QMenu* m : {w->ShowHideGraph1, w->EditGraph1, w->DeleteGraph1}) {
        EXPECT_FALSE(m->menuAction()->isEnabled());
        EXPECT_TRUE(m->actions().isEmpty());
    }
    addGraph("sin(x)", 1, 0);
    TTableObj table;
    table.AddPoint(1, 2);
    table.AddPoint(3, 4);
    w->Memory->AddTable(table);
    w->MemoryListBox1->AddRow();
    w->CoordinatePopupMenuPopup();
    w->CoordinatePopupMenuPopup();  // rebuilt, not appended
    const QList<QAction*> items = w->ShowHideGraph1->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Y(x)=sin(x)"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Table: 2 Items"));
    EXPECT_TRUE(items[0]->isChecked());
    EXPECT_FALSE(items[1]->isChecked());
    EXPECT_EQ(w->DeleteGraph1->actions().size(), 2);

    items[1]->trigger();
    EXPECT_EQ(w->Memory->GetShowEnabled(1), 1);
    QAction stray(QStringLiteral("stray"));
    stray.setData(QStringLiteral("x7"));
    w->ToggleGraphByMenu(&stray);  // not a number: only redraws
    EXPECT_EQ(w->Memory->GetShowEnabled(0), 1);

    QTemporaryDir dir;
    ScopedProgramDir programDir(dir.path());
    w->DeleteGraph1->actions()[0]->trigger();
    ASSERT_EQ(w->Memory->Count(), 1u);
    EXPECT_EQ(w->Memory->GetObjKind(0), 1);
}

TEST_F(DocWindow, GraphCommandsRefreshTheViewsAfterAConfirmedDialog) {
    w->Dialogs.AddGraph = AddsShownGraphX;
    w->ActionAddGraphExecute();
    EXPECT_EQ(w->MemoryListBox1->count(), 1);
    w->Dialogs.AddGraph = [](TFormMainSub&) { return false; };
    w->ActionAddGraphExecute();
    EXPECT_EQ(w->MemoryListBox1->count(), 1);

    int edited = -1;
    w->Dialogs.EditGraph = [&edited](TFormMainSub&, int index) { return edited = index, true; };
    w->ActionEditGraphExecute();  // no selection
    EXPECT_EQ(edited, -1);
    w->MemoryListBox1->setCurrentRow(0);
    w->ActionEditGraphExecute();
    EXPECT_EQ(edited, 0);
    EXPECT_TRUE(width->isEnabled());
}

TEST_F(DocWindow, PresetAddGraphOpensTheDialogPresetAndRefreshesTheViewsOnOk) {
    // Row 0 stays selected, so the pickers show its style after every refresh.
    addGraph("0-5", 1, 0);
    w->MemoryListBox1->setCurrentRow(0);
    const struct {
        const char* exp;
        const char* addExp;
        uint8_t kind;
        int row;  // of the dialog's kind list
        bool ok;
    } cases[] = {
        {"x", "", 0, 0, true},
        {"cos(y)", "", 1, 1, true},
        {"x^2+y^2-4", "<0", 4, 4, true},
        {"cos(a)", "", 2, 3, false},
    };
    std::size_t count = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exp);
        w->Memory->GetGraphStyle(0)->LineColor = 0x00FF00 + static_cast<TColor>(count);
        const QImage before = plane()->Picture();
        AddGraphPreset seen;
        const NextModal add(AddGraphAnswer(seen, c.ok));
        EXPECT_EQ(w->AddPresetGraph(c.exp, c.addExp, c.kind), c.ok);
        EXPECT_EQ(seen.Exp, c.exp);
        EXPECT_EQ(seen.AddExp, c.addExp);
        EXPECT_EQ(seen.Kind, c.kind);
        EXPECT_EQ(seen.Row, c.row);
        if (c.ok) ++count;
        ASSERT_EQ(w->Memory->Count(), count);
        EXPECT_EQ(w->MemoryListBox1->count(), static_cast<int>(count));
        EXPECT_EQ(color->Selected() == w->Memory->GetGraphStyle(0)->LineColor, c.ok);
        if (c.ok) {
            const TFunctionObj* added = w->Memory->GetFunction(static_cast<std::ptrdiff_t>(count - 1));
            ASSERT_NE(added, nullptr);
            EXPECT_EQ(added->Exp, c.exp);
            EXPECT_EQ(added->AddExp, c.addExp);
            EXPECT_EQ(added->FunctionObjType, c.kind);
        }
        EXPECT_EQ(plane()->Picture() != before, c.ok);  // the new graph is drawn
    }
    EXPECT_EQ(recorded.count(), 0);
}

TEST_F(DocWindow, LabelsFollowTheMarginsAfterEveryRedraw) {
    // With the legend on, each shown graph adds a legend row below the plot and so moves the
    // mapping: a label must stay on its anchor after any redraw.
    view().LegendEnabled = 1;
    w->Redraw();
    TAddLabel* label = placeLabel(QPoint(130, 250), "Anchor");
    ASSERT_NE(label, nullptr);
    const double x = label->x;
    const double y = label->y;
    w->Dialogs.AddGraph = AddsShownGraphX;
    w->ActionAddGraphExecute();
    w->ActionAddGraphExecute();
    EXPECT_NE(pixelOf(x, y), QPoint(130, 250));  // the legend moved the mapping
    EXPECT_EQ(label->pos(), pixelOf(x, y));

    QListWidget* list = w->MemoryListBox1;
    const QRect row0 = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, row0.center().y()));
    ASSERT_EQ(w->Memory->GetShowEnabled(0), 0);
    EXPECT_EQ(label->pos(), pixelOf(x, y));
    EXPECT_EQ(label->x, x);
    EXPECT_EQ(label->y, y);

    // A draw command of the command window adds a legend row too.
    const QPoint before = label->pos();
    const NextModal answer([](QWidget* modal) { qobject_cast<TFormAddGraph*>(modal)->Button1Click(); });
    w->ZMCommandMemo1->ExecuteCommand(QStringLiteral("drawfx x^2"));
    ASSERT_EQ(w->Memory->Count(), 3u);
    EXPECT_NE(pixelOf(x, y), before);
    EXPECT_EQ(label->pos(), pixelOf(x, y));
}

TEST_F(DocWindow, TableDialogsOpenFromTheMenuAndADoubleClickAndTheViewsFollow) {
    // Red pixels near the world point (x, y): the table's line passes there.
    auto redNear = [this](double x, double y) {
        const QImage img = plane()->Picture();
        const QPoint at = pixelOf(x, y);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (img.pixelColor(at + QPoint(dx, dy)) == QColor(Qt::red)) return true;
        return false;
    };
    const NextModal add([](QWidget* modal) {
        auto* d = qobject_cast<TFormAddTable*>(modal);
        ASSERT_NE(d, nullptr);
        d->findChild<TColorBox*>(QStringLiteral("ColorBox1"))->SetSelected(RGBColor(255, 0, 0));
        TypeInCell(d->Grid(), 1, 1, QStringLiteral("5"));
        TypeInCell(d->Grid(), 2, 1, QStringLiteral("5"));
        TypeInCell(d->Grid(), 1, 2, QStringLiteral("-5"));
        TypeInCell(d->Grid(), 2, 2, QStringLiteral("-5"));
        d->Button1Click();
    });
    w->AddTableGraph1->trigger();
    ASSERT_EQ(w->Memory->Count(), 1u);
    EXPECT_EQ(w->Memory->GetCaption(0), "Table: 2 Items");
    EXPECT_EQ(w->Memory->GetTable(0)->Points, (std::vector<TTableElemObj>{{-5, -5}, {5, 5}}));
    EXPECT_EQ(w->MemoryListBox1->count(), 1);
    EXPECT_TRUE(redNear(2, 2));
    EXPECT_FALSE(redNear(2, 7));

    QListWidget* list = w->MemoryListBox1;
    const QPoint row0(40, list->visualItemRect(list->item(0)).center().y());
    const struct {
        bool confirm;
        std::size_t points;
    } edits[] = {{false, 2}, {true, 3}};
    for (const auto& e : edits) {
        const NextModal edit([confirm = e.confirm](QWidget* modal) {
            auto* d = qobject_cast<TFormEditTable*>(modal);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(CellText(d->Grid(), 1, 2), QStringLiteral("5"));
            TypeInCell(d->Grid(), 1, 3, QStringLiteral("9"));
            TypeInCell(d->Grid(), 2, 3, QStringLiteral("-5"));
            if (confirm)
                d->Button1Click();
            else
                d->Button2Click();
        });
        // A double click as the toolkit delivers it: the first click, then the double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row0);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row0);
        EXPECT_EQ(w->Memory->GetTable(0)->Count(), e.points);
        EXPECT_EQ(redNear(6, 2.5), e.confirm);  // on the segment from (5, 5) to (9, -5)
    }
    EXPECT_EQ(w->Memory->GetCaption(0), "Table: 3 Items");
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(recorded.count(), 0);
}

TEST_F(DocWindow, CoordinatePropertiesEditsThePlaneAndRedrawsOnOkOnly) {
    // The program's dialog from the plane's pop-up item, answered inside its modal loop. Cancel
    // after a confirmed title font: the font is in the plane, but nothing is redrawn.
    addGraph("x", 1, 0);
    w->Redraw();
    TAddLabel* label = placeLabel(QPoint(130, 250), "Anchor");
    ASSERT_NE(label, nullptr);
    for (bool ok : {false, true}) {
        const std::uint64_t evaluations = plane()->EvaluationCount;
        QString title;
        const NextModal answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<TFormCoordinateProperties*>(modal);
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            dialog->findChild<QLineEdit*>(QStringLiteral("EditXMin"))->setText(QStringLiteral("-5"));
            if (ok) return dialog->Button1Click();
            const NextModal fonts = AnswerFontDialogWithColor(9);
            dialog->findChild<QPushButton*>(QStringLiteral("ButtonFontTop"))->click();
            dialog->Button2Click();
        });
        w->CoordinateProperties1->trigger();
        EXPECT_EQ(title, QStringLiteral("Coordinate Properties"));
        EXPECT_EQ(view().TitleTopFont.Color, TColorBox::StandardColor(9));
        EXPECT_EQ(view().XInterval.Min, ok ? -5 : -10);
        EXPECT_EQ(plane()->EvaluationCount > evaluations, ok);
    }
    EXPECT_EQ(label->pos(), pixelOf(label->x, label->y));  // re-placed on the new view
    EXPECT_EQ(recorded.count(), 0);
}

TEST_F(DocWindow, LabelDialogsPlaceAndEditALabelWithItsLook) {
    // The program's dialogs, answered inside their modal loops; the font from the real chooser.
    const QPoint at(30 + 100, 30 + 60);
    auto memo = [](QWidget* d) { return d->findChild<QPlainTextEdit*>(QStringLiteral("Memo1")); };

    // Cancelled: no label, and the mode still ends.
    w->SetMouseMode(1);
    const NextModal cancel([](QWidget* modal) { qobject_cast<TFormAddLabel*>(modal)->Button2Click(); });
    QTest::mouseClick(plane(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(w->Labels().empty());
    EXPECT_EQ(w->GetMouseMode(), 0);

    w->SetMouseMode(1);
    const NextModal place([&](QWidget* modal) {
        auto* dialog = qobject_cast<TFormAddLabel*>(modal);
        ASSERT_NE(dialog, nullptr);
        memo(dialog)->setPlainText(QStringLiteral("  Peak\nvalue \n"));
        dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->click();
        dialog->findChild<TColorBox*>(QStringLiteral("ColorBox1"))->setCurrentIndex(11);
        const NextModal fonts = AnswerFontDialogWithColor(9);
        dialog->findChild<QPushButton*>(QStringLiteral("Button3"))->click();
        dialog->Button1Click();
    });
    QTest::mouseClick(plane(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_EQ(w->Labels().size(), 1u);
    TAddLabel* label = w->Labels().front();
    EXPECT_EQ(label->Caption(), "Peak\nvalue");
    EXPECT_FALSE(label->Transparent());
    EXPECT_EQ(label->Color(), TColorBox::StandardColor(11));
    EXPECT_EQ(label->Font().Color, TColorBox::StandardColor(9));
    EXPECT_EQ(label->pos(), at);
    EXPECT_DOUBLE_EQ(label->x, -5);
    EXPECT_DOUBLE_EQ(label->y, 7);
    const TFont font = label->Font();

    // "Edit Label" from the label's pop-up: loaded from the label, written back into it.
    w->LabelMouseDown(label, Qt::RightButton);
    QString loaded;
    const NextModal edit([&](QWidget* modal) {
        auto* dialog = qobject_cast<TFormEditLabel*>(modal);
        ASSERT_NE(dialog, nullptr);
        loaded = memo(dialog)->toPlainText();
        memo(dialog)->setPlainText(QStringLiteral("Edited"));
        dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->click();
        dialog->Button1Click();
    });
    w->EditLabel1->trigger();
    EXPECT_EQ(loaded, QStringLiteral("Peak\nvalue"));
    EXPECT_EQ(label->Caption(), "Edited");
    EXPECT_TRUE(label->Transparent());
    EXPECT_EQ(label->Color(), TColorBox::StandardColor(11));
    EXPECT_TRUE(label->Font() == font);
    EXPECT_EQ(label->pos(), at);
    EXPECT_EQ(recorded.count(), 0);
}

TEST_F(DocWindow, CalculatorMenusUpdateMemoriesThroughTheDialog) {
    // The program's dialog behind "Update Variables..." and "Update Constants...": the line it
    // builds runs in the command window; closing it answers "Abort.".
    auto* update = w->CalcPanel1->findChild<QAction*>(QStringLiteral("z1"));
    auto* constants = w->CalcPanel1->findChild<QAction*>(QStringLiteral("UpdateConstants1"));
    ASSERT_NE(update, nullptr);
    ASSERT_NE(constants, nullptr);
    emit w->CalcPanel1->VarListPopupMenu->aboutToShow();
    emit w->CalcPanel1->ConstListPopupMenu->aboutToShow();
    EXPECT_TRUE(update->isEnabled());
    EXPECT_TRUE(constants->isEnabled());

    const struct {
        QAction* item;
        int row;  // the name chosen, -1 for one typed
        const char* name;
        const char* value;
        bool update;
    } steps[] = {
        {update, 2, "", "2.5", true},
        {constants, -1, "e", "2.71828", true},
        {constants, -1, "k", "1+", true},
        {update, 0, "", "7", false},
    };
    for (const auto& step : steps) {
        const NextModal answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<TFormUpdateVarMem*>(modal);
            ASSERT_NE(dialog, nullptr);
            auto* names = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            if (step.row >= 0) {
                names->setCurrentIndex(step.row);
                emit names->activated(step.row);
            } else {
                names->setEditText(QString::fromLatin1(step.name));
            }
            dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QString::fromLatin1(step.value));
            if (step.update)
                dialog->Button1Click();
            else
                dialog->close();
        });
        step.item->trigger();
    }
    EXPECT_EQ(w->ZMCommandMemo1->Lines(), (QStringList{"Var t=2.5", "OK.", "Const e=2.71828", "OK.", "Const k=1+",
                                                       "Syntax Error", "Abort."}));
    EXPECT_EQ(w->VarMemory->GetValue("t"), 2.5);
    EXPECT_EQ(w->ConstMemory->GetValue("e"), 2.71828);
    EXPECT_FALSE(w->ConstMemory->VarExists("k"));
    EXPECT_EQ(w->VarMemory->GetValue("x"), 0);
    EXPECT_EQ(recorded.count(), 0);
}

TEST_F(DocWindow, ReplacingTheGraphListRepointsEveryView) {
    auto list = std::make_unique<TMemory>();
    TFunctionObj f;
    f.Exp = "x";
    list->AddFunction(f);
    list->AddFunction(f);
    TMemory* raw = list.get();
    w->ReplaceMemory(std::move(list));
    EXPECT_EQ(w->Memory.get(), raw);
    EXPECT_EQ(w->MemoryListBox1->Memory, raw);
    EXPECT_EQ(w->ZMCommandMemo1->Memory, raw);
    EXPECT_EQ(plane()->Memory, raw);
    EXPECT_EQ(w->MemoryListBox1->count(), 2);
}

TEST_F(DocWindow, ClosingDisablesThePickers) {
    addGraph("x", 1, 0);
    w->MemoryListBox1->setCurrentRow(0);
    w->UpdateStyleControls();
    ASSERT_TRUE(width->isEnabled());
    w->close();
    for (QWidget* picker : {static_cast<QWidget*>(width), static_cast<QWidget*>(style),
                            static_cast<QWidget*>(color), static_cast<QWidget*>(brush)})
        EXPECT_FALSE(picker->isEnabled());
    EXPECT_EQ(w->StyleControls, nullptr);
}

}  // namespace
