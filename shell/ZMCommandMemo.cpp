#include "shell/ZMCommandMemo.h"

#include "editors/fmAddGraph.h"
#include "engine/ZMMath.h"
#include "platform/ZMGuard.h"
#include "platform/ZMLocale.h"
#include "plot/ZMCoordinate.h"
#include "plot/ZMFunTabObj.h"
#include "plot/ZMMemoryListBox.h"
#include "shell/ZMCommandLanguage.h"

#include <QFont>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace cmd = zm::command;

TZMCommandMemo::TZMCommandMemo(QWidget* owner) : QPlainTextEdit(owner) {
    resize(200, 200);
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    setFont(font);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TZMCommandMemo::keyPressEvent(QKeyEvent* event) { KeyPressHook(event); }

void TZMCommandMemo::KeyPressHook(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const QString line = textCursor().block().text();
    guarded(this, [&] { ExecuteCommand(line); });
    // Shift+Enter would put a line separator inside the line; every Enter breaks the line alike.
    QKeyEvent plain(QEvent::KeyPress, event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text());
    QPlainTextEdit::keyPressEvent(&plain);
    event->setAccepted(plain.isAccepted());
}

void TZMCommandMemo::ExecuteCommand(const QString& line) {
    const cmd::TCommandResult result =
        cmd::RunCommand(line.toStdString(), {OperatorLib, VarMemory, ConstMemory}, decimalSeparator());
    if (result.Kind == cmd::TCommandKind::Draw) CmdDraw(result.Line);
    else if (result.Answer) Answer(*result.Answer);
}

void TZMCommandMemo::AppendLine(const QString& text) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (!cursor.block().text().isEmpty()) cursor.insertBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

QStringList TZMCommandMemo::Lines() const {
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) lines << block.text();
    return lines;
}

void TZMCommandMemo::Answer(const std::string& text) {
    LastResult = QString::fromStdString(text);
    AppendLine(LastResult);
}

void TZMCommandMemo::CmdDraw(const std::string& s) {
    // A command window that is not linked to a document has nowhere to add a graph.
    if (!Memory || !Plane || !ListBox || !OperatorLib || !VarMemory || !ConstMemory) return;
    const cmd::TDrawRequest request = cmd::ParseDraw(s);
    TFormAddGraph dialog(this);
    const bool confirmed = dialog.ExecuteWithKind(*Memory, *OperatorLib, *VarMemory, *ConstMemory,
                                                  request.Expression, request.FunctionObjType);
    if (confirmed) {
        ListBox->AddRow();
        Plane->Redraw(Memory, *OperatorLib, *VarMemory, *ConstMemory);
        emit GraphDrawn();
        Answer(std::string(cmd::kOk));
    } else {
        Answer(std::string(cmd::kAbort));
    }
}
