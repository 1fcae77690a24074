#include "platform/ZMFileRead.h"

#include "platform/ZMError.h"

#include <QFile>

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ZmError(("Cannot open file \"" + path + "\". " + file.errorString()).toStdString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ZmError(("Cannot read file \"" + path + "\". " + file.errorString()).toStdString());
    return bytes;
}
