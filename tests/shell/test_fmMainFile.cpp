// The document file commands: new, save, save as, open, import, close, the default planes and
// the temporary document of the full-screen view.
#include "tests/shell/MainWindowFixture.h"

#include "plot/ZMCoordinate.h"
#include "plot/ZMMemoryListBox.h"
#include "storage/ZMAddLabel.h"
#include "storage/ZMDocumentFile.h"
#include "storage/ZMLabelLimit.h"
#include "storage/ZMXML.h"
#include "support/ScopedLocale.h"
#include "support/SmallFileLimit.h"
#include "support/ViewerWatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace {

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One label as the document stores it.
struct LabelSpec {
    std::string caption;
    TColor color;
    bool transparent;
    int size;
    std::uint8_t style;
    double x, y;
};

// Puts labels on the window through its own labels reader.
void AddLabels(TFormMainSub& doc, const std::vector<LabelSpec>& specs) {
    TXMLDocument xml;
    TXMLNode labels = xml.AddChild("AddLabels");
    for (const LabelSpec& s : specs) {
        TAddLabel l;
        l.SetCaption(s.caption);
        l.SetColor(s.color);
        l.SetTransparent(s.transparent);
        TFont f = l.Font();
        f.SetSize(s.size);
        f.Style = s.style;
        f.Name = "Courier New";
        l.SetFont(f);
        l.x = s.x;
        l.y = s.y;
        TZMXML::WriteAddLabel(labels, "AddLabel", l);
    }
    doc.LoadLabels(labels);
}

// A drawing with every kind of graph, a table, plane settings away from the defaults and labels.
void FillDrawing(TFormMainSub& doc) {
    auto list = std::make_unique<TMemory>();
    const char* exps[5][2] = {{"sin(x)", ""}, {"y^2/4", ""}, {"1+a", ""}, {"3*cos(t)", "2*sin(t)"}, {"x^2+y^2-16", "=0"}};
    for (int type = 0; type < 5; ++type) {
        TFunctionObj f;
        f.Name = "graph " + std::to_string(type);
        f.Exp = exps[type][0];
        f.AddExp = exps[type][1];
        f.ShowEnabled = 1;
        f.Description = "<" + std::to_string(type) + "> & \"q\"";
        f.GraphStyle = TGraphStyle{type + 1, static_cast<std::uint8_t>(type % 5), 255 << (8 * (type % 3)), 5, 0};
        f.Interval = TInterval::CreateRange(static_cast<std::uint8_t>(type % 2), -1.5 * type, 2.25 + type);
        f.AddInterval = TInterval::CreateRange(0, -1e-7, 1e20);
        f.PlotParameter = TPlotParameter::CreateAll(300 + type, 40, 30, 100);
        f.FunctionObjType = static_cast<std::uint8_t>(type);
        list->AddFunction(f);
    }
    TTableObj t;
    t.Name = "points";
    t.ShowEnabled = 1;
    t.Smooth = 1;
    t.SortingType = 1;
    t.GraphStyle = TGraphStyle::CreateStyled(2, 1, 0x00AA00);
    for (int i = -4; i <= 4; ++i) t.AddPoint(i * 1.25, (i * i) * 0.25 - 5);
    list->AddTable(t);
    doc.ReplaceMemory(std::move(list));

    TCoordinateSettings& c = doc.Coordinate1->Settings;
    c.XInterval = TInterval::CreateRange(1, -8, 8.5);
    c.YInterval = TInterval::CreateRange(1, -6.25, 7);
    c.BackgroundColor = 0xF0FFFF;
    c.XAxesGraphStyle = TGraphStyle{2, 0, 0x800000, 5, 0};
    c.YArrow = TAxesArrow::Create(1, "v");
    c.XAxesTicksStep = 0.5;
    c.XAxesLabelsStep = 2;
    c.XAxesLabelsString = " s";
    c.TitleTopEnabled = 1;
    c.TitleTop = "Saved & opened";
    c.TitleTopFont.SetSize(14);
    c.TitleTopFont.Style = fsBold;
    c.LegendEnabled = 1;
    c.LegendPosition = 2;
    c.GridHorEnabled = 1;
    c.GridVerEnabled = 1;
    c.GridVerStep = 2;
    c.GridAngularStep = 0.125;

    AddLabels(doc, {{"first <b>", 0x00FFFF, false, 12, fsItalic, -7, 6},
                    {"second", 0, true, 10, fsBold | fsUnderline, 2.5, -3.75},
                    {"second", 0, true, 10, fsBold | fsUnderline, 2.5, -3.75}});
    doc.Redraw();
    doc.PlaceLabels();
}

void ExpectSameGraphs(const TMemory& a, const TMemory& b) {
    ASSERT_EQ(a.Count(), b.Count());
    for (std::ptrdiff_t i = 0; i < static_cast<std::ptrdiff_t>(a.Count()); ++i) {
        ASSERT_EQ(a.GetObjKind(i), b.GetObjKind(i)) << i;
        if (a.GetFunction(i)) EXPECT_TRUE(*a.GetFunction(i) == *b.GetFunction(i)) << i;
        else EXPECT_TRUE(*a.GetTable(i) == *b.GetTable(i)) << i;
    }
}

void ExpectSameLabels(const TFormMainSub& a, const TFormMainSub& b) {
    const auto la = a.Labels();
    const auto lb = b.Labels();
    ASSERT_EQ(la.size(), lb.size());
    for (size_t i = 0; i < la.size(); ++i) {
        EXPECT_EQ(la[i]->Caption(), lb[i]->Caption()) << i;
        EXPECT_EQ(la[i]->Color(), lb[i]->Color()) << i;
        EXPECT_EQ(la[i]->Transparent(), lb[i]->Transparent()) << i;
        EXPECT_EQ(la[i]->Font(), lb[i]->Font()) << i;
        EXPECT_EQ(la[i]->x, lb[i]->x) << i;
        EXPECT_EQ(la[i]->y, lb[i]->y) << i;
        const TPoint pb = b.Coordinate1->WorldToScreen(lb[i]->x, lb[i]->y);
        EXPECT_EQ(lb[i]->pos(), QPoint(pb.x, pb.y)) << i;  // placed at its anchor
    }
}

// The state of a window that a failed command must not change.
struct WindowState {
    QString caption, path;
    uint8_t isNew;
    size_t graphs;
    int rows;
    TCoordinateSettings plane;
    std::vector<std::string> labels;

    explicit WindowState(const TFormMainSub& w)
        : caption(w.windowTitle()), path(w.FilePath), isNew(w.IsNew), graphs(w.Memory->Count()),
          rows(w.MemoryListBox1->count()), plane(w.Coordinate1->Settings) {
        for (const TAddLabel* l : w.Labels()) labels.push_back(l->Caption());
    }
    bool operator==(const WindowState&) const = default;
};

QByteArray DocumentWith(const QByteArray& children) {
    return "<ZorvikMendalDocument>" + children + "</ZorvikMendalDocument>";
}

// The whole drawing of a window, as the document writer builds it.
std::string DrawingBytes(const TFormMainSub& doc) {
    TZMXML xml;
    BuildDocument(xml, *doc.Memory, doc.Coordinate1->Settings, [&doc](TXMLNode labels) { doc.SaveLabels(labels); });
    return xml.SaveToXML();
}

// Changes the working folder for one scope.
class WorkingFolder {
public:
    explicit WorkingFolder(const QString& dir) : saved_(QDir::currentPath()) { QDir::setCurrent(dir); }
    ~WorkingFolder() { QDir::setCurrent(saved_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    QString saved_;
};

}  // namespace

TEST_F(MainWindowTest, NewNumbersTheUntitledDocumentsAndNeverReusesANumber) {
    ASSERT_EQ(frame->UntitledCounter, 1);  // the start-up document
    for (int n : {2, 3, 4}) {
        Trigger(QStringLiteral("ActionFileNew"));
        const QString caption = QStringLiteral("Untitled-%1.xml").arg(n);
        ASSERT_NE(Active(), nullptr);
        EXPECT_EQ(Active()->windowTitle(), caption);
        EXPECT_EQ(Active()->FilePath, caption);
        EXPECT_EQ(Active()->IsNew, 1);
    }
    Trigger(QStringLiteral("Close1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame->Documents().size(), 3);
    EXPECT_EQ(boxes.count(), 0);  // nothing is asked on close
    Trigger(QStringLiteral("ActionFileNew"));
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("Untitled-5.xml"));

    // Open cancelled: no window is made and no number used.
    files.answer(QString());
    Trigger(QStringLiteral("ActionDocOpen"));
    EXPECT_EQ(frame->Documents().size(), 4);
    EXPECT_EQ(frame->UntitledCounter, 5);
}

TEST_F(MainWindowTest, SaveAsksForANameOnceThenWritesAtOnce) {
    TFormMainSub* doc = Active();
    ASSERT_NE(doc, nullptr);

    files.answer(QString());  // Cancel
    Trigger(QStringLiteral("ActionDocSave"));
    ASSERT_EQ(files.requests().size(), 1u);
    const FileDialogRequest r = files.last();
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.filter, QStringLiteral("*.xml|*.xml"));
    EXPECT_EQ(r.defaultExt, QStringLiteral(".xml"));
    EXPECT_EQ(r.fileName, QStringLiteral("Untitled-1.xml"));
    EXPECT_TRUE(r.overwritePrompt);
    EXPECT_EQ(doc->IsNew, 1);
    EXPECT_EQ(doc->windowTitle(), QStringLiteral("Untitled-1.xml"));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    const QString path = Path(QStringLiteral("first.xml"));
    files.answer(path);
    Trigger(QStringLiteral("ActionDocSave"));
    EXPECT_EQ(doc->windowTitle(), QStringLiteral("first.xml"));
    EXPECT_EQ(doc->FilePath, path);
    EXPECT_EQ(doc->IsNew, 0);
    const QByteArray empty = FileBytes(path);
    EXPECT_TRUE(empty.startsWith("<ZorvikMendalDocument>\n <Memory/>\n <Coordinate>\n"));
    EXPECT_TRUE(empty.endsWith(" </Coordinate>\n <AddLabels/>\n</ZorvikMendalDocument>\n"));

    FillDrawing(*doc);
    Trigger(QStringLiteral("ActionDocSave"));
    EXPECT_EQ(files.requests().size(), 2u);  // no dialog the second time
    EXPECT_NE(FileBytes(path), empty);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, ASavedDrawingReopensEqualInEveryField) {
    TFormMainSub* doc = Active();
    FillDrawing(*doc);
    const QString a = Path(QStringLiteral("drawing.xml"));
    files.answer(a);
    Trigger(QStringLiteral("ActionDocSaveAs"));
    ASSERT_TRUE(QFileInfo(a).isFile());

    // Opened into a window of its own, also when the active one is empty and untitled.
    Trigger(QStringLiteral("ActionFileNew"));  // Untitled-2
    files.answer(a);
    Trigger(QStringLiteral("ActionDocOpen"));
    TFormMainSub* back = Active();
    ASSERT_NE(back, doc);
    ASSERT_EQ(frame->Documents().size(), 3);
    EXPECT_EQ(frame->UntitledCounter, 3);  // Open used a number
    EXPECT_EQ(files.last().filter, QStringLiteral("*.xml|*.xml"));
    EXPECT_FALSE(files.last().save);
    EXPECT_EQ(back->windowTitle(), QStringLiteral("drawing.xml"));
    EXPECT_EQ(back->FilePath, a);
    EXPECT_EQ(back->IsNew, 0);

    ExpectSameGraphs(*doc->Memory, *back->Memory);
    EXPECT_EQ(back->MemoryListBox1->count(), 6);
    EXPECT_EQ(back->MemoryListBox1->Memory, back->Memory.get());
    EXPECT_EQ(back->Coordinate1->Memory, back->Memory.get());
    EXPECT_TRUE(back->Coordinate1->Settings == doc->Coordinate1->Settings);
    doc->Redraw();
    doc->PlaceLabels();
    back->Redraw();
    back->PlaceLabels();
    ExpectSameLabels(*doc, *back);

    // Saving the opened drawing again writes the same bytes.
    const QString b = Path(QStringLiteral("again.xml"));
    files.answer(b);
    Trigger(QStringLiteral("ActionDocSaveAs"));
    EXPECT_EQ(FileBytes(b), FileBytes(a));
    EXPECT_EQ(boxes.count(), 0);

    Trigger(QStringLiteral("ActionFileNew"));
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("Untitled-4.xml"));
}

TEST_F(MainWindowTest, SaveAsWritesTheNewFileAndLeavesTheOldOne) {
    const QString a = Path(QStringLiteral("a.xml"));
    const QString c = Path(QStringLiteral("c.xml"));
    files.answer(a);
    Trigger(QStringLiteral("ActionDocSave"));
    const QByteArray saved = FileBytes(a);

    TFormMainSub* doc = Active();
    files.answer(QString());  // Cancel changes nothing
    Trigger(QStringLiteral("ActionDocSaveAs"));
    EXPECT_EQ(doc->FilePath, a);
    EXPECT_EQ(files.last().fileName, QStringLiteral("a.xml"));  // the caption is proposed

    FillDrawing(*doc);
    files.answer(c);
    Trigger(QStringLiteral("ActionDocSaveAs"));
    EXPECT_EQ(doc->windowTitle(), QStringLiteral("c.xml"));
    EXPECT_EQ(doc->FilePath, c);
    EXPECT_EQ(FileBytes(a), saved);
    const QByteArray first = FileBytes(c);
    EXPECT_NE(first, saved);

    doc->Memory->DeleteGraph(0);
    doc->MemoryListBox1->DeleteFirstRow();
    Trigger(QStringLiteral("ActionDocSave"));  // goes to the new file, without a dialog
    EXPECT_EQ(files.requests().size(), 3u);
    EXPECT_EQ(FileBytes(a), saved);
    EXPECT_NE(FileBytes(c), first);
}

TEST_F(MainWindowTest, ImportAppendsGraphsAndLabelsAndKeepsThePlane) {
    // The file: two graphs, one label and a plane of its own.
    TFormMainSub* source = Active();
    auto two = std::make_unique<TMemory>();
    TTableObj t;
    t.AddPoint(1, 2);
    two->AddTable(t);
    TFunctionObj g;
    g.Exp = "x/2";
    two->AddFunction(g);
    source->ReplaceMemory(std::move(two));
    AddLabels(*source, {{"imported", 0, true, 9, 0, 1, 1}});
    source->Coordinate1->Settings.AxesStyle = 1;
    const QString file = Path(QStringLiteral("two.xml"));
    files.answer(file);
    Trigger(QStringLiteral("ActionDocSave"));

    Trigger(QStringLiteral("ActionFileNew"));
    TFormMainSub* doc = Active();
    auto one = std::make_unique<TMemory>();
    TFunctionObj own;
    own.Exp = "x";
    one->AddFunction(own);
    doc->ReplaceMemory(std::move(one));
    AddLabels(*doc, {{"own", 0, true, 9, 0, 0, 0}});
    doc->Coordinate1->Settings.GridHorEnabled = 1;
    const TCoordinateSettings plane = doc->Coordinate1->Settings;

    files.answer(file);
    Trigger(QStringLiteral("ActionImportGraphs"));
    EXPECT_FALSE(files.last().save);
    EXPECT_EQ(files.last().filter, QStringLiteral("*.xml|*.xml"));
    ASSERT_EQ(doc->Memory->Count(), 3u);
    EXPECT_EQ(doc->Memory->GetFunction(0)->Exp, "x");
    EXPECT_EQ(doc->Memory->GetObjKind(1), 1);
    EXPECT_EQ(doc->Memory->GetFunction(2)->Exp, "x/2");
    EXPECT_EQ(doc->MemoryListBox1->count(), 3);
    EXPECT_TRUE(doc->Coordinate1->Settings == plane);
    const auto labels = doc->Labels();
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0]->Caption(), "own");
    EXPECT_EQ(labels[1]->Caption(), "imported");
    EXPECT_EQ(doc->windowTitle(), QStringLiteral("Untitled-2.xml"));
    EXPECT_EQ(doc->IsNew, 1);
    EXPECT_EQ(boxes.count(), 0);

    files.answer(QString());  // Cancel
    Trigger(QStringLiteral("ActionImportGraphs"));
    EXPECT_EQ(doc->Memory->Count(), 3u);
}

TEST_F(MainWindowTest, AForeignRootChangesNothingAndSaysNothing) {
    const QByteArray foreign =
        "<TableObj><Memory><FunctionObj><Exp>x</Exp></FunctionObj></Memory><Coordinate><AxesStyle>1</AxesStyle>"
        "</Coordinate></TableObj>";
    WriteFile(QStringLiteral("foreign.xml"), foreign);
    WriteFile(QStringLiteral("ZMDefCoord.cfg"), foreign);
    TFormMainSub* doc = Active();
    FillDrawing(*doc);
    const WindowState before(*doc);

    files.answer(Path(QStringLiteral("foreign.xml")));
    Trigger(QStringLiteral("ActionImportGraphs"));
    Trigger(QStringLiteral("ActionSetDefalutCoordinate"));
    EXPECT_TRUE(WindowState(*doc) == before);

    files.answer(Path(QStringLiteral("foreign.xml")));
    Trigger(QStringLiteral("ActionDocOpen"));
    TFormMainSub* opened = Active();
    ASSERT_NE(opened, doc);
    EXPECT_EQ(opened->windowTitle(), QStringLiteral("Untitled-2.xml"));
    EXPECT_EQ(opened->FilePath, QStringLiteral("Untitled-2.xml"));
    EXPECT_EQ(opened->IsNew, 1);
    EXPECT_EQ(opened->Memory->Count(), 0u);
    EXPECT_EQ(opened->Coordinate1->Settings.AxesStyle, 0);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, ADamagedFileShowsTheErrorAndLeavesTheWindowAsItWas) {
    // Import reads no plane, so a bad plane value stops only Open.
    struct Case { const char* what; QByteArray bytes; const char* message; bool importFails = true; };
    const QByteArray graphs = "<Memory><FunctionObj><Exp>cos(x)</Exp><ShowEnabled>1</ShowEnabled></FunctionObj></Memory>";
    const Case cases[] = {
        {"bad plane value after a good graph list",
         DocumentWith(graphs + "<Coordinate><AxesStyle>1</AxesStyle><GridHorStep>0;5</GridHorStep></Coordinate>"),
         "'0;5' is not a valid floating point value", false},
        {"bad label after good ones",
         DocumentWith(graphs + "<AddLabels><AddLabel><Caption>ok</Caption></AddLabel>"
                               "<AddLabel><Color>red</Color></AddLabel></AddLabels>"),
         "'red' is not a valid integer value"},
        {"bad graph after a good one",
         DocumentWith("<Memory><FunctionObj/><TableObj><TableElemObjList><TableElemObj><x>1</x><y>2e</y>"
                      "</TableElemObj></TableElemObjList></TableObj></Memory>"),
         "'2e' is not a valid floating point value"},
        {"a leaf holding an element", DocumentWith("<Memory><FunctionObj><Exp><i>x</i></Exp></FunctionObj></Memory>"),
         "Element does not contain a single text node"},
        {"not XML", "<ZorvikMendalDocument><Memory>", nullptr},
    };
    TFormMainSub* doc = Active();
    FillDrawing(*doc);
    files.answer(Path(QStringLiteral("kept.xml")));
    Trigger(QStringLiteral("ActionDocSave"));

    for (const Case& c : cases) {
        WriteFile(QStringLiteral("damaged.xml"), c.bytes);
        frame->MdiArea->setActiveSubWindow(frame->MdiArea->subWindowList().first());
        ASSERT_EQ(Active(), doc);
        const WindowState before(*doc);

        if (c.importFails) {
            boxes.clear();
            files.answer(Path(QStringLiteral("damaged.xml")));
            Trigger(QStringLiteral("ActionImportGraphs"));
            ASSERT_EQ(boxes.count(), 1) << c.what;
            EXPECT_EQ(boxes.last().kind, MsgKind::Error) << c.what;
            EXPECT_EQ(boxes.last().caption, QStringLiteral("Zorvik Mendal")) << c.what;
            if (c.message) {
                EXPECT_EQ(boxes.last().text, QString::fromLatin1(c.message)) << c.what;
            }
            EXPECT_TRUE(WindowState(*doc) == before) << c.what;
        }

        boxes.clear();
        const int counter = frame->UntitledCounter;
        files.answer(Path(QStringLiteral("damaged.xml")));
        Trigger(QStringLiteral("ActionDocOpen"));
        ASSERT_EQ(boxes.count(), 1) << c.what;
        if (c.message) {
            EXPECT_EQ(boxes.last().text, QString::fromLatin1(c.message)) << c.what;
        }
        TFormMainSub* opened = Active();
        ASSERT_NE(opened, doc) << c.what;
        const QString untitled = QStringLiteral("Untitled-%1.xml").arg(counter + 1);
        EXPECT_EQ(opened->windowTitle(), untitled) << c.what;
        EXPECT_EQ(opened->IsNew, 1) << c.what;
        EXPECT_EQ(opened->Memory->Count(), 0u) << c.what;  // nothing half-read
        EXPECT_EQ(opened->MemoryListBox1->count(), 0) << c.what;
        EXPECT_EQ(opened->MemoryListBox1->Memory, opened->Memory.get()) << c.what;
        EXPECT_TRUE(opened->Labels().empty()) << c.what;
        EXPECT_TRUE(opened->Coordinate1->Settings == TCoordinateSettings::Create(ScreenPixelsPerInch())) << c.what;
    }
    boxes.clear();
    files.answer(Path(QStringLiteral("missing.xml")));
    Trigger(QStringLiteral("ActionDocOpen"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("Cannot open file \"") + Path(QStringLiteral("missing.xml"))));
}

TEST_F(MainWindowTest, MoreLabelsThanADrawingCanHoldAreRefusedBeforeAnythingIsRead) {
    const auto crowded = [](std::size_t labels) {
        QByteArray children = "<Memory><FunctionObj><Exp>x</Exp></FunctionObj></Memory><AddLabels>";
        for (std::size_t i = 0; i < labels; ++i) children += "<AddLabel><Caption>a</Caption></AddLabel>";
        return DocumentWith(children + "</AddLabels>");
    };
    // Open: the error box, and the new window stays an empty untitled document.
    WriteFile(QStringLiteral("crowded.xml"), crowded(kMaxLabels + 1));
    files.answer(Path(QStringLiteral("crowded.xml")));
    Trigger(QStringLiteral("ActionDocOpen"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().kind, MsgKind::Error);
    EXPECT_EQ(boxes.last().text, TooManyLabelsText(kMaxLabels + 1));
    TFormMainSub* doc = Active();
    EXPECT_EQ(doc->IsNew, 1);
    EXPECT_EQ(doc->Memory->Count(), 0u);
    EXPECT_TRUE(doc->Labels().empty());

    // Import counts the labels the window holds already.
    AddLabels(*doc, {{"one", 0, true, 9, 0, 0, 0}, {"two", 0, true, 9, 0, 1, 1}});
    WriteFile(QStringLiteral("nearly.xml"), crowded(kMaxLabels - 1));
    boxes.clear();
    files.answer(Path(QStringLiteral("nearly.xml")));
    Trigger(QStringLiteral("ActionImportGraphs"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, TooManyLabelsText(kMaxLabels + 1));
    EXPECT_EQ(doc->Labels().size(), 2u);
    EXPECT_EQ(doc->Memory->Count(), 0u);
    EXPECT_EQ(doc->MemoryListBox1->count(), 0);
}

TEST_F(MainWindowTest, AFailedSaveShowsTheErrorAndKeepsThePreviousFile) {
    TFormMainSub* doc = Active();
    const QString path = Path(QStringLiteral("kept.xml"));
    files.answer(path);
    Trigger(QStringLiteral("ActionDocSave"));
    const QByteArray saved = FileBytes(path);
    ASSERT_FALSE(saved.isEmpty());

    FillDrawing(*doc);
    {
        const SmallFileLimit limit(static_cast<rlim_t>(saved.size() / 2));
        Trigger(QStringLiteral("ActionDocSave"));
    }
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().kind, MsgKind::Error);
    EXPECT_EQ(boxes.last().caption, QStringLiteral("Zorvik Mendal"));
    EXPECT_EQ(boxes.last().text, QStringLiteral("Cannot create file \"") + path + "\". File too large");
    EXPECT_EQ(FileBytes(path), saved);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.xml")});  // no leftovers

    // A folder that does not exist: the window already carries the new name and Save will not ask.
    boxes.clear();
    const QString nowhere = Path(QStringLiteral("no/such/folder/x.xml"));
    files.answer(nowhere);
    Trigger(QStringLiteral("ActionDocSaveAs"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("Cannot create file \"") + nowhere + "\". No such file or directory");
    EXPECT_EQ(doc->windowTitle(), QStringLiteral("x.xml"));
    EXPECT_EQ(doc->FilePath, nowhere);
    EXPECT_EQ(doc->IsNew, 0);

    // Save As onto a folder says so and leaves the folder as it was.
    boxes.clear();
    const QString folder = Path(QStringLiteral("folder.xml"));
    ASSERT_TRUE(QDir().mkdir(folder));
    files.answer(folder);
    Trigger(QStringLiteral("ActionDocSaveAs"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("Cannot create file \"") + folder + "\". Is a directory");
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QDir(folder).isEmpty());
}

TEST_F(MainWindowTest, DefaultPlanesComeFromTheProgramFolderWhateverTheWorkingFolder) {
    TFormMainSub* doc = Active();
    const TCoordinateSettings standard = doc->Coordinate1->Settings;
    TCoordinateSettings changed = standard;
    changed.XInterval = TInterval::CreateRange(0, -1, 2);
    changed.YInterval = TInterval::CreateRange(0, 3, 4);
    changed.AxesStyle = 1;
    changed.LegendEnabled = 1;
    changed.TitleTopFont.SetSize(20);

    // Missing files: the message, and nothing changes. A copy in the working folder is not used.
    QTemporaryDir work;
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/");
    for (const char* name : {"ZMDefCoord.cfg", "ZMDefCoord2.cfg"})
        ASSERT_TRUE(QFile::copy(shipped + QString::fromLatin1(name), work.filePath(QString::fromLatin1(name))));
    const WorkingFolder cwd(work.path());
    doc->Coordinate1->Settings = changed;
    Trigger(QStringLiteral("ActionSetDefalutCoordinate"));
    Trigger(QStringLiteral("ActionSetDefalutCoordInterval"));
    EXPECT_EQ(boxes.texts(), (QStringList{QStringLiteral("Can not find File:ZMDefCoord.cfg!"),
                                          QStringLiteral("Can not find File:ZMDefCoord2.cfg!")}));
    for (const MessageRequest& r : boxes.boxes()) {
        EXPECT_EQ(r.kind, MsgKind::Error);
        EXPECT_EQ(r.buttons, MsgButtons::Ok);
    }
    EXPECT_TRUE(doc->Coordinate1->Settings == changed);

    // The shipped files in the program folder.
    boxes.clear();
    for (const char* name : {"ZMDefCoord.cfg", "ZMDefCoord2.cfg"})
        ASSERT_TRUE(QFile::copy(shipped + QString::fromLatin1(name), Path(QString::fromLatin1(name))));
    Trigger(QStringLiteral("ActionSetDefalutCoordInterval"));
    TCoordinateSettings want = changed;
    want.XInterval = standard.XInterval;
    want.YInterval = standard.YInterval;
    EXPECT_TRUE(doc->Coordinate1->Settings == want);  // only the intervals
    doc->Coordinate1->Settings = changed;
    Trigger(QStringLiteral("ActionSetDefalutCoordinate"));
    EXPECT_TRUE(doc->Coordinate1->Settings == standard);
    EXPECT_EQ(boxes.count(), 0);

    // Only the "Coordinate" element of a plane file is applied.
    WriteFile(QStringLiteral("ZMDefCoord2.cfg"),
              DocumentWith("<Memory><FunctionObj/></Memory><Coordinate><XInterval><Min>-5</Min><Max>5</Max>"
                           "</XInterval></Coordinate><AddLabels><AddLabel/></AddLabels>"));
    Trigger(QStringLiteral("ActionSetDefalutCoordInterval"));
    EXPECT_EQ(doc->Coordinate1->Settings.XInterval, TInterval::CreateRange(0, -5, 5));
    EXPECT_EQ(doc->Memory->Count(), 0u);
    EXPECT_TRUE(doc->Labels().empty());
}

TEST_F(MainWindowTest, ABadDefaultPlaneFileKeepsWhatWasReadBeforeTheError) {
    TFormMainSub* doc = Active();
    WriteFile(QStringLiteral("ZMDefCoord.cfg"),
              DocumentWith("<Coordinate><AxesStyle>1</AxesStyle><LegendPosition>two</LegendPosition>"
                           "<LegendEnabled>1</LegendEnabled></Coordinate>"));
    Trigger(QStringLiteral("ActionSetDefalutCoordinate"));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("'two' is not a valid integer value")});
    EXPECT_EQ(doc->Coordinate1->Settings.AxesStyle, 1);
    EXPECT_EQ(doc->Coordinate1->Settings.LegendEnabled, 0);

    // Not XML: nothing of it is applied.
    boxes.clear();
    doc->Coordinate1->Settings.AxesStyle = 0;
    WriteFile(QStringLiteral("ZMDefCoord.cfg"), "<ZorvikMendalDocument><Coordinate><AxesStyle>1</AxesStyle>");
    Trigger(QStringLiteral("ActionSetDefalutCoordinate"));
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_EQ(doc->Coordinate1->Settings.AxesStyle, 0);
}

TEST_F(MainWindowTest, OpenAndTheDefaultPlanesReadEitherDecimalSeparatorInEveryLocale) {
    for (QLocale::Language language : {QLocale::C, QLocale::German}) {
        const ScopedLocale locale(language);
        for (const char* sep : {".", ","}) {
            const auto real = [sep](const char* whole, const char* fraction) { return whole + QByteArray(sep) + fraction; };
            const auto interval = [&](const char* min, const char* max) {
                return "<Coordinate><XInterval><Min>-" + real(min, "5") + "</Min><Max>" + real(max, "25") +
                       "</Max></XInterval></Coordinate>";
            };
            const std::string what = std::to_string(language) + " " + sep;
            WriteFile(QStringLiteral("drawing.xml"),
                      DocumentWith("<Memory><TableObj><TableElemObjList><TableElemObj><x>" + real("0", "5") +
                                   "</x><y>" + real("3", "75") + "</y></TableElemObj></TableElemObjList></TableObj>"
                                   "</Memory>" + interval("1", "2") + "<AddLabels><AddLabel><Caption>a</Caption><x>" +
                                   real("0", "25") + "</x><y>" + real("1", "125") + "</y></AddLabel></AddLabels>"));
            files.answer(Path(QStringLiteral("drawing.xml")));
            Trigger(QStringLiteral("ActionDocOpen"));
            TFormMainSub* doc = Active();
            ASSERT_NE(doc->Memory->GetTable(0), nullptr) << what;
            EXPECT_EQ(doc->Memory->GetTable(0)->Points, (std::vector<TTableElemObj>{{0.5, 3.75}})) << what;
            EXPECT_EQ(doc->Coordinate1->Settings.XInterval.Min, -1.5) << what;
            EXPECT_EQ(doc->Coordinate1->Settings.XInterval.Max, 2.25) << what;
            ASSERT_EQ(doc->Labels().size(), 1u) << what;
            EXPECT_EQ(doc->Labels().front()->x, 0.25) << what;
            EXPECT_EQ(doc->Labels().front()->y, 1.125) << what;

            WriteFile(QStringLiteral("ZMDefCoord2.cfg"), DocumentWith(interval("3", "4")));
            Trigger(QStringLiteral("ActionSetDefalutCoordInterval"));
            EXPECT_EQ(doc->Coordinate1->Settings.XInterval.Min, -3.5) << what;
            EXPECT_EQ(doc->Coordinate1->Settings.XInterval.Max, 4.25) << what;
            EXPECT_EQ(boxes.texts(), QStringList()) << what;
            CloseAll();
        }
    }
}

TEST_F(MainWindowTest, ViewCurrentDocumentShowsACopyAndDeletesTheTemporary) {
    TFormMainSub* doc = Active();
    FillDrawing(*doc);
    const QString tmp = Path(QStringLiteral("currentxml.tmp"));
    const WindowState before(*doc);
    const std::string drawing = DrawingBytes(*doc);
    bool existed = false;
    QString shown;
    size_t graphs = 0;
    std::vector<std::string> labels;
    const NextModal viewerWatch = whenViewerShows([&](TFormSlideShow& viewer) {
        existed = QFileInfo(tmp).isFile();
        shown = viewer.CurrentFile;
        graphs = viewer.Memory->Count();
        for (const TAddLabel* l : viewer.Labels()) labels.push_back(l->Caption());
        // Changes to the copy stay in the viewer.
        QTest::keyClick(&viewer, Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(&viewer, Qt::Key_Left);
        viewer.ToggleGraph(0);
    });
    Trigger(QStringLiteral("ActionViewCurrentDocument"));

    EXPECT_TRUE(existed);  // while the viewer is up
    EXPECT_EQ(shown, tmp);
    EXPECT_EQ(graphs, 6u);
    EXPECT_EQ(labels, (std::vector<std::string>{"first <b>", "second", "second"}));
    EXPECT_FALSE(QFileInfo::exists(tmp));
    EXPECT_TRUE(WindowState(*doc) == before);
    EXPECT_EQ(DrawingBytes(*doc), drawing);
    EXPECT_EQ(doc->IsNew, 1);
    EXPECT_EQ(boxes.count(), 0);
}
