// The style tool bar coupled to the selected graph, and delete, edit and add graph from the frame.
#include "tests/shell/MainWindowFixture.h"

#include "platform/ZMCanvas.h"
#include "platform/ZMColorBox.h"
#include "plot/ComboboxBrushStyle.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"
#include "plot/ZMFunTabObj.h"
#include "plot/ZMMemoryListBox.h"

namespace {

TFunctionObj Graph(const std::string& exp, TGraphStyle style = {}) {
    TFunctionObj f;
    f.Exp = exp;
    f.ShowEnabled = 1;
    f.GraphStyle = style;
    return f;
}

void AddGraph(TFormMainSub& doc, const TFunctionObj& f) {
    doc.Memory->AddFunction(f);
    doc.MemoryListBox1->AddRow();
}

void Select(TFormMainSub& doc, int row) {
    doc.MemoryListBox1->setCurrentRow(row);
    doc.UpdateStyleControls();
}

const TGraphStyle kRedDash{3, psDash, 255, bsCross, 0};

}  // namespace

class StyleBarTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        doc = Active();
        ASSERT_NE(doc, nullptr);
        AddGraph(*doc, Graph("x", kRedDash));
        AddGraph(*doc, Graph("x^2"));
    }
    std::vector<QComboBox*> Pickers() const {
        return {frame->ComboboxLineWidth1, frame->ComboboxLineStyle1, frame->ColorBox1, frame->ComboboxBrushStyle1};
    }
    // A choice made by the user: the row is set and activated() is emitted.
    static void Choose(QComboBox* picker, int row) {
        picker->setCurrentIndex(row);
        emit picker->activated(row);
    }
    const TGraphStyle& StyleOf(int i) const { return *doc->Memory->GetGraphStyle(i); }

    TFormMainSub* doc = nullptr;
};

TEST_F(StyleBarTest, PickersShowTheSelectedGraphAndWriteNothingBack) {
    Select(*doc, 0);
    for (QComboBox* p : Pickers()) EXPECT_TRUE(p->isEnabled()) << p->objectName().toStdString();
    EXPECT_EQ(frame->ComboboxLineWidth1->currentIndex(), 2);
    EXPECT_EQ(frame->ComboboxLineStyle1->CD_CurrentPenStyle(), psDash);
    EXPECT_EQ(frame->ColorBox1->Selected(), 255);
    EXPECT_EQ(frame->ComboboxBrushStyle1->CD_CurrentBrushStyle(), bsCross);

    // A region graph's width 0 and clear pen have no picker row: loading must not rewrite them.
    TFunctionObj region = Graph("x*y");
    region.AddExp = ">0";
    region.FunctionObjType = 4;
    region.GraphStyle = TGraphStyle{0, psClear, 0x123456, bsSolid, 0x00FF00};
    AddGraph(*doc, region);
    Select(*doc, 2);
    EXPECT_EQ(StyleOf(2), region.GraphStyle);
    EXPECT_TRUE(frame->ColorBox1->HasCustomRow());
    Select(*doc, 1);
    EXPECT_EQ(StyleOf(2), region.GraphStyle);
    EXPECT_EQ(StyleOf(0), kRedDash);

    Select(*doc, -1);
    for (QComboBox* p : Pickers()) EXPECT_FALSE(p->isEnabled()) << p->objectName().toStdString();
}

TEST_F(StyleBarTest, UserChoicesChangeOnlyTheSelectedGraph) {
    const struct {
        int picker;
        int row;
        TGraphStyle expected;  // of graph 1, which starts with the defaults
    } cases[] = {
        {0, 4, {5, psSolid, 0, bsBDiagonal, 0}},
        {1, 2, {1, psDot, 0, bsBDiagonal, 0}},
        {2, 9, {1, psSolid, TColorBox::StandardColor(9), bsBDiagonal, 0}},
        {3, 6, {1, psSolid, 0, bsSolid, 0}},
        {3, 1, {1, psSolid, 0, bsFDiagonal, 0}},
    };
    for (const auto& c : cases) {
        doc->Memory->GetGraphStyle(1)->Assign(TGraphStyle{});
        Select(*doc, 1);
        Choose(Pickers()[static_cast<std::size_t>(c.picker)], c.row);
        EXPECT_EQ(StyleOf(1), c.expected) << "picker " << c.picker << " row " << c.row;
        EXPECT_EQ(StyleOf(0), kRedDash);
    }

    // With no row selected a choice changes nothing.
    Select(*doc, -1);
    Choose(frame->ComboboxLineWidth1, 3);
    EXPECT_EQ(StyleOf(0), kRedDash);
    EXPECT_EQ(StyleOf(1).LineWidth, 1);
}

TEST_F(StyleBarTest, ChoicesActOnTheActiveWindowAndClosingDisablesThePickers) {
    Select(*doc, 0);
    Trigger(QStringLiteral("ActionFileNew"));
    TFormMainSub* second = Active();
    ASSERT_NE(second, doc);
    AddGraph(*second, Graph("sin(x)"));
    // The pickers keep what was loaded last, but act on the new active window's selection.
    Select(*second, 0);
    Choose(frame->ComboboxLineWidth1, 1);
    EXPECT_EQ(second->Memory->GetGraphStyle(0)->LineWidth, 2);
    EXPECT_EQ(StyleOf(0).LineWidth, 3);

    Trigger(QStringLiteral("Close1"));
    for (QComboBox* p : Pickers()) EXPECT_FALSE(p->isEnabled()) << p->objectName().toStdString();
}

TEST_F(StyleBarTest, DeleteGraphAsksOnlyWhenConfirmationIsOn) {
    const struct {
        bool confirm;
        int selected;
        MsgResult answer;
        int boxes;
        std::vector<std::string> left;
    } cases[] = {
        {false, -1, MsgResult::Ok, 0, {"x", "x^2"}},
        {true, -1, MsgResult::Ok, 0, {"x", "x^2"}},
        {false, 0, MsgResult::Ok, 0, {"x^2"}},
        {true, 1, MsgResult::Cancel, 1, {"x", "x^2"}},
        {true, 1, MsgResult::Ok, 1, {"x"}},
    };
    for (const auto& c : cases) {
        doc->Memory->Clear();
        doc->MemoryListBox1->clear();
        AddGraph(*doc, Graph("x", kRedDash));
        AddGraph(*doc, Graph("x^2"));
        Select(*doc, c.selected);
        frame->ConfirmDelete = c.confirm;
        boxes.clear();
        boxes.answer(c.answer);
        Trigger(QStringLiteral("ActionDeleteGraph"));

        std::vector<std::string> left;
        for (std::size_t i = 0; i < doc->Memory->Count(); ++i) left.push_back(doc->Memory->GetFunction(static_cast<std::ptrdiff_t>(i))->Exp);
        EXPECT_EQ(left, c.left) << c.confirm << " " << c.selected;
        EXPECT_EQ(doc->MemoryListBox1->count(), static_cast<int>(doc->Memory->Count()));
        ASSERT_EQ(boxes.count(), c.boxes);
        if (c.boxes) {
            EXPECT_EQ(boxes.last().text, QStringLiteral("Do you want to remove the graph?"));
            EXPECT_EQ(boxes.last().kind, MsgKind::Confirmation);
            EXPECT_EQ(boxes.last().buttons, MsgButtons::OkCancel);
        }
        if (left.size() == 1) {
            EXPECT_EQ(doc->MemoryListBox1->currentRow(), -1);
            EXPECT_FALSE(frame->ComboboxLineWidth1->isEnabled());
        }
    }
}

TEST_F(StyleBarTest, AddAndEditGraphGoToTheActiveWindow) {
    int edited = -1;
    doc->Dialogs.EditGraph = [&edited](TFormMainSub& w, int index) {
        edited = index;
        w.Memory->GetFunction(index)->Exp = "cos(x)";
        return true;
    };
    Select(*doc, -1);
    Trigger(QStringLiteral("ActionEditGraph"));
    EXPECT_EQ(edited, -1);
    Select(*doc, 1);
    Trigger(QStringLiteral("ActionEditGraph"));
    EXPECT_EQ(edited, 1);
    EXPECT_EQ(doc->Memory->GetFunction(1)->Exp, "cos(x)");

    Trigger(QStringLiteral("ActionFileNew"));
    TFormMainSub* second = Active();
    second->Dialogs.AddGraph = [](TFormMainSub& w) {
        w.Memory->AddFunction(Graph("tan(x)", kRedDash));
        return true;
    };
    Trigger(QStringLiteral("ActionAddGraph"));
    ASSERT_EQ(second->Memory->Count(), 1u);
    EXPECT_EQ(second->MemoryListBox1->count(), 1);
    EXPECT_EQ(doc->Memory->Count(), 2u);
}
