// The document file commands of the main window: new, open, save, import, close, the default
// planes and the temporary document of the full-screen view.
#include "shell/fmMain.h"

#include "output/fmSlideShow.h"
#include "platform/ZMFileChooser.h"
#include "platform/ZMMessage.h"
#include "platform/ZMProgramDir.h"
#include "plot/ZMCoordinate.h"
#include "plot/ZMMemoryListBox.h"
#include "shell/fmMainSub.h"
#include "storage/ZMAddLabel.h"
#include "storage/ZMDocumentFile.h"
#include "storage/ZMLabelLimit.h"
#include "storage/ZMXML.h"

#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <cstddef>
#include <memory>
#include <vector>

namespace {

// A file chooser request for the program's XML documents.
FileDialogRequest XmlFileRequest(QWidget* parent) {
    FileDialogRequest request;
    request.parent = parent;
    request.filter = QStringLiteral("*.xml|*.xml");
    request.defaultExt = QStringLiteral(".xml");
    return request;
}

std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }

// Reads every label of an "AddLabels" element into temporaries, so that a value that does not
// convert raises before any label is made on the window.
void CheckLabels(TXMLNode labels) {
    for (TXMLNode n = labels.FirstChildElement(); n; n = n.NextSiblingElement())
        if (n.NodeName() == "AddLabel") TZMXML::ReadAddLabel(n);
}

// What a document file holds for a window, read completely before the window changes.
struct DocumentContents {
    TZMXML doc;  // keeps the label nodes alive
    std::vector<std::unique_ptr<TMemory>> lists;
    TCoordinateSettings plane;
    std::vector<TXMLNode> labels;
};

// Loads `path` and reads the children asked for ("Memory", "Coordinate", "AddLabels"), the
// plane on top of a copy of `plane`. Null for a foreign root; raises when the file cannot be read, a
// value does not convert, or its labels and the `heldLabels` of the window would be too many.
std::unique_ptr<DocumentContents> ReadContents(const QString& path, const TCoordinateSettings& plane, bool memory,
                                               bool coordinate, bool labels, std::size_t heldLabels) {
    auto contents = std::make_unique<DocumentContents>();
    contents->plane = plane;
    contents->doc.LoadFromFile(Utf8(path));
    if (labels) CheckLabelRoom(contents->doc, heldLabels);
    TDocumentReader reader;
    DocumentContents* c = contents.get();
    if (memory) reader.Memory = [c](std::unique_ptr<TMemory> list) { c->lists.push_back(std::move(list)); };
    if (coordinate) reader.Coordinate = [c](TXMLNode node) { TZMXML::ReadCoordinate(node, c->plane); };
    if (labels)
        reader.AddLabels = [c](TXMLNode node) {
            CheckLabels(node);
            c->labels.push_back(node);
        };
    if (!ReadDocument(contents->doc, reader)) return nullptr;
    return contents;
}

}  // namespace

TFormMainSub* TFormMain::NewDocumentWindow() {
    auto* doc = new TFormMainSub;
    QMdiSubWindow* sub = MdiArea->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    ++UntitledCounter;
    const QString caption = QStringLiteral("Untitled-%1.xml").arg(UntitledCounter);
    doc->setWindowTitle(caption);
    doc->IsNew = 1;
    doc->FilePath = caption;
    doc->InitDocument(StyleControlLinks());
    sub->showMaximized();
    MdiArea->setActiveSubWindow(sub);
    return doc;
}

void TFormMain::ActionFileNewExecute() { NewDocumentWindow(); }

void TFormMain::Close1Click() {
    if (!ActiveDocument()) return;
    MdiArea->currentSubWindow()->close();
}

void TFormMain::WriteDocument(TFormMainSub& window, const QString& path) {
    // Written through a temporary file: a failed write leaves the previous file as it was.
    SaveDocumentFile(Utf8(path), *window.Memory, window.Coordinate1->Settings,
                     [&window](TXMLNode labels) { window.SaveLabels(labels); });
}

bool TFormMain::RunSaveDialog(TFormMainSub& window) {
    FileDialogRequest request = XmlFileRequest(this);
    request.save = true;
    request.fileName = window.windowTitle();
    request.overwritePrompt = true;
    const QString path = chooser_->choose(request);
    if (path.isEmpty()) return false;
    window.FilePath = path;
    window.IsNew = 0;
    return true;
}

void TFormMain::ActionDocSaveExecute() {
    TFormMainSub* doc = ActiveDocument();
    if (!doc) return;
    if (doc->IsNew != 0 && !RunSaveDialog(*doc)) return;
    doc->setWindowTitle(QFileInfo(doc->FilePath).fileName());
    WriteDocument(*doc, doc->FilePath);
}

void TFormMain::ActionDocSaveAsExecute() {
    TFormMainSub* doc = ActiveDocument();
    if (!doc) return;
    if (!RunSaveDialog(*doc)) return;
    doc->setWindowTitle(QFileInfo(doc->FilePath).fileName());
    WriteDocument(*doc, doc->FilePath);
}

void TFormMain::ActionDocOpenExecute() {
    const QString path = chooser_->choose(XmlFileRequest(this));
    if (path.isEmpty()) return;

    TFormMainSub* doc = NewDocumentWindow();
    // Everything is read before the window changes, so an error leaves it an empty untitled
    // document; so does a foreign root.
    const std::unique_ptr<DocumentContents> file = ReadContents(path, doc->Coordinate1->Settings, true, true, true, 0);
    if (!file) return;

    if (!file->lists.empty()) doc->ReplaceMemory(std::move(file->lists.back()));
    doc->Coordinate1->Settings = file->plane;
    for (const TXMLNode& n : file->labels) doc->LoadLabels(n);
    doc->Redraw();
    doc->UpdateStyleControls();
    doc->PlaceLabels();

    doc->FilePath = path;
    doc->setWindowTitle(QFileInfo(path).fileName());
    doc->IsNew = 0;
}

void TFormMain::ActionImportGraphsExecute() {
    TFormMainSub* doc = ActiveDocument();
    if (!doc) return;
    const QString path = chooser_->choose(XmlFileRequest(this));
    if (path.isEmpty()) return;

    // Read completely first: an error adds nothing to the window. The plane is not read.
    const std::unique_ptr<DocumentContents> file =
        ReadContents(path, doc->Coordinate1->Settings, true, false, true, doc->Labels().size());
    if (!file) return;

    for (const std::unique_ptr<TMemory>& list : file->lists) {
        for (std::size_t i = 0; i < list->Count(); ++i) {
            if (const TFunctionObj* f = list->GetFunction(static_cast<std::ptrdiff_t>(i))) {
                doc->Memory->AddFunction(*f);
            } else if (const TTableObj* t = list->GetTable(static_cast<std::ptrdiff_t>(i))) {
                doc->Memory->AddTable(*t);
            } else {
                continue;
            }
            doc->MemoryListBox1->AddRow();
        }
    }
    for (const TXMLNode& n : file->labels) doc->LoadLabels(n);
    doc->Redraw();
    doc->UpdateStyleControls();
    doc->PlaceLabels();
}

void TFormMain::ApplyDefaultPlane(const QString& fileName) {
    TFormMainSub* doc = ActiveDocument();
    if (!doc) return;
    const QString path = ProgramDir + fileName;
    if (!QFileInfo(path).isFile()) {
        message(this, MsgKind::Error, QStringLiteral("Can not find File:%1!").arg(fileName));
        return;
    }
    // The file is parsed whole before anything is applied. The plane then takes the settings one
    // by one: a value that does not convert ends the command, and what was read before it stays.
    TCoordinateSettings& plane = doc->Coordinate1->Settings;
    TDocumentReader reader;
    reader.Coordinate = [&plane](TXMLNode node) { TZMXML::ReadCoordinate(node, plane); };
    if (!LoadDocumentFile(Utf8(path), reader)) return;
    doc->Redraw();
    doc->UpdateStyleControls();
    doc->PlaceLabels();
}

void TFormMain::ActionSetDefalutCoordinateExecute() { ApplyDefaultPlane(QStringLiteral("ZMDefCoord.cfg")); }

void TFormMain::ActionSetDefalutCoordIntervalExecute() { ApplyDefaultPlane(QStringLiteral("ZMDefCoord2.cfg")); }

void TFormMain::ActionViewCurrentDocumentExecute() {
    TFormMainSub* doc = ActiveDocument();
    if (!doc) return;
    const QString path = ProgramDir + QStringLiteral("currentxml.tmp");
    // The temporary file goes whatever happens after it was written.
    struct RemoveWhenDone {
        QString path;
        ~RemoveWhenDone() {
            if (QFileInfo::exists(path)) QFile::remove(path);
        }
    } cleanup{path};
    WriteDocument(*doc, path);
    TFormSlideShow viewer;
    viewer.ShowDocument(path);
}
