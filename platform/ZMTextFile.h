#pragma once
// Text files read and written line by line, in binary: every line written ends in CR LF (the
// last one too), and a line read ends at LF after at most one CR; a last line without an ending
// still counts. The text is 8-bit, converted with toLocal8Bit / fromLocal8Bit.

#include <QByteArray>
#include <QString>
#include <QStringList>

// The lines of a file's bytes; a leading UTF-8 byte-order mark is skipped.
QStringList TextFileLines(const QByteArray& bytes);
// Reads the whole file first, so that a failed read returns nothing. A file that cannot be
// opened or read raises ZmError.
QStringList ReadTextFile(const QString& path);

// Each line followed by CR LF.
QByteArray TextFileBytes(const QStringList& lines);
// Through writeWholeFile: a failed write raises ZmError and the file keeps its bytes.
void WriteTextFile(const QString& path, const QStringList& lines);
