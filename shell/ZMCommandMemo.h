#pragma once
// The command window of a document: a multi-line text box in which Enter runs the line that
// holds the caret and appends the answer as the last line. The links to the document are
// borrowed and set by the document window.

#include <QPlainTextEdit>
#include <QString>

#include <string>

class TMemory;
class TCoordinate;
class TMemoryListBox;
class QKeyEvent;
namespace zm {
class TOperatorLib;
class TVarMemory;
}  // namespace zm

class TZMCommandMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    // 200 x 200 pixels, "Courier New" with 13-pixel characters, both scroll bars, no wrapping.
    explicit TZMCommandMemo(QWidget* owner = nullptr);

    // Links to the document (borrowed, never freed here).
    TMemory* Memory = nullptr;
    TCoordinate* Plane = nullptr;
    TMemoryListBox* ListBox = nullptr;
    zm::TVarMemory* VarMemory = nullptr;
    zm::TVarMemory* ConstMemory = nullptr;
    zm::TOperatorLib* OperatorLib = nullptr;

    // The text of the last answer line.
    QString LastResult;

    // Runs one command line and appends its answer.
    void ExecuteCommand(const QString& line);

    // Appends a line as the last line of the box: an empty last line takes the text, otherwise a
    // new line is added. The caret goes to the end.
    void AppendLine(const QString& text);

    // The lines of the box, as the user sees them.
    QStringList Lines() const;

signals:
    // A draw command added a graph and redrew the plane.
    void GraphDrawn();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Enter (also Shift+Enter): runs the caret's line, then the key breaks the line as usual.
    void KeyPressHook(QKeyEvent* event);

    // The draw commands: the add-graph dialog preset with the formula and kind.
    void CmdDraw(const std::string& s);
    void Answer(const std::string& text);
};
