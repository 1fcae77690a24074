#pragma once
// Table files: the points of one table graph, apart from any document, in three formats.
//  - XML: root "TableObj" whose first element child is the point list of the document format
//    ("TableElemObjList" when written; any name when read).
//  - TEXT: one point a line, x, two blanks, y.
//  - CSV: one point a line, x, a comma, y.
// Numbers are written with 15 significant digits and the locale's decimal separator, except
// that CSV writes "." where the separator is the comma it splits at. Reading does not depend on
// the locale: XML and TEXT take "." or "," as the decimal separator, CSV only ".", since a comma
// there always splits the line.
// Lines end in CR LF when written; reading takes the line rules of platform/ZMTextFile.h.

#include <QByteArray>
#include <QString>

#include <memory>

#include "plot/ZMFunTabObj.h"

// The rows of the dialogs' "File Format" radio group.
enum class TTableFileFormat { Xml = 0, Text = 1, Csv = 2 };

// A new table with the defaults of a new TTableObj and the file's points in file order.
// nullptr when an XML file's root is not "TableObj". XML that is not well-formed and a point
// text that is not a number raise ZmError. A TEXT or CSV line that does not give two numbers
// (the first blank or comma splits it; -99999.999 counts as no number) is skipped.
std::unique_ptr<TTableObj> ReadTableFile(TTableFileFormat format, const QByteArray& bytes);

// The file's bytes for the table's points; an empty table gives an empty TEXT or CSV file.
QByteArray TableFileBytes(TTableFileFormat format, const TTableObj& table);
// Through writeWholeFile: a failed write raises ZmError and the file keeps its bytes.
void WriteTableFile(TTableFileFormat format, const QString& path, const TTableObj& table);
