#include "tools/ZMTextReport.h"

#include "platform/ZMFileChooser.h"
#include "platform/ZMFileWrite.h"

#include <QClipboard>
#include <QGuiApplication>

TTextReport::TTextReport() : own_(std::make_unique<QtFileChooser>()), chooser_(own_.get()) {}

TTextReport::~TTextReport() = default;

void TTextReport::SetFileChooser(FileChooser* chooser) { chooser_ = chooser ? chooser : own_.get(); }

QString TTextReport::Text(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return text;
}

void TTextReport::Copy(const QStringList& lines) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(Text(lines));
}

bool TTextReport::Save(QWidget* parent, const QStringList& lines) {
    FileDialogRequest request;
    request.parent = parent;
    request.save = true;
    request.filter = QStringLiteral("*.txt|*.txt");
    request.defaultExt = QStringLiteral(".txt");
    request.overwritePrompt = true;
    const QString path = chooser_->choose(request);
    if (path.isEmpty()) return false;
    writeWholeFile(path, Text(lines).toUtf8());
    return true;
}
