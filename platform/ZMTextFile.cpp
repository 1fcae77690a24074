#include "platform/ZMTextFile.h"

#include "platform/ZMFileRead.h"
#include "platform/ZMFileWrite.h"

QStringList TextFileLines(const QByteArray& bytes) {
    QStringList lines;
    qsizetype at = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (at < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', at);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0) end = bytes.size();
        else if (end > at && bytes.at(end - 1) == '\r') --end;
        lines << QString::fromLocal8Bit(bytes.constData() + at, end - at);
        at = next;
    }
    return lines;
}

QStringList ReadTextFile(const QString& path) { return TextFileLines(readWholeFile(path)); }

QByteArray TextFileBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toLocal8Bit() + "\r\n";
    return bytes;
}

void WriteTextFile(const QString& path, const QStringList& lines) { writeWholeFile(path, TextFileBytes(lines)); }
