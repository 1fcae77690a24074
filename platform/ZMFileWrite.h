#pragma once
// The program's one way of writing a file: documents, INI files, reports, table files, pictures
// and slide files all go through it.
//
// The bytes go to a temporary file in the target's folder, which replaces the target only once
// every byte is written; the target is never written in place. Any failure raises ZmError
//     Cannot create file "<path>". <reason>
// with the system's reason ("No such file or directory", "Permission denied", "File too large",
// "Is a directory" ...); the target then keeps its bytes and no temporary file is left.

#include <QByteArray>
#include <QString>

void writeWholeFile(const QString& path, const QByteArray& bytes);
