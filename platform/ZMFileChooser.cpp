#include "platform/ZMFileChooser.h"

#include <QFileDialog>
#include <QStringList>

QString qtFileFilter(const QString& classic) {
    const QStringList parts = classic.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& name = parts[i];
        const QString& pattern = parts[i + 1];
        QString patterns = pattern;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (name == pattern ? patterns : QStringLiteral("%1 (%2)").arg(name, patterns));
    }
    if (parts.size() % 2 == 1 && !parts.back().isEmpty()) filters << parts.back();
    return filters.join(QStringLiteral(";;"));
}

QString QtFileChooser::choose(const FileDialogRequest& request) {
    QFileDialog dialog(request.parent);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFileFilter(request.filter));
    QString ext = request.defaultExt;
    if (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
    dialog.setDefaultSuffix(ext);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.save && request.overwritePrompt));
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.front();
}
