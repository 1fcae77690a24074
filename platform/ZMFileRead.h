#pragma once
// The program's one way of reading a whole file: documents, table files and slide lists all
// come through it. A file that cannot be opened or read raises ZmError
//     Cannot open file "<path>". <reason>      or      Cannot read file "<path>". <reason>
// with the system's reason; nothing is returned then.

#include <QByteArray>
#include <QString>

QByteArray readWholeFile(const QString& path);
