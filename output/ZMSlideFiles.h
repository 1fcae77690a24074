#pragma once
// The two slide files.
//
// A slide list file is text: "Zorvik Mendal Information " (trailing blank), then
// "Slide List File - it consists of the Location Information about Document files.", then one
// "[slide]" line per slide holding its path, every line ended by CR LF.
//
// A slide-show file is an XML file with the root "ZorvikMendalSlides" holding one
// "ZorvikMendalDocument" per slide, in slide order, each a copy of the children of that
// document's root element. The program writes it and never reads it.

#include <QByteArray>
#include <QString>
#include <QStringList>

class TXMLDocument;

// The lines of a slide list file for `slides`.
QStringList SlideListFileLines(const QStringList& slides);
// Writes them; a failed write raises ZmError and leaves any old file as it was.
void WriteSlideListFile(const QString& path, const QStringList& slides);

// The slides of a slide list file's lines: the rest of every line that starts with exactly
// "[slide]", unchanged; every other line is skipped.
QStringList SlidesOfLines(const QStringList& lines);
// The slides of a slide list file; a file that cannot be read raises ZmError.
QStringList ReadSlideListFile(const QString& path);

// Builds the slide-show document from the documents at `slides`; a document that cannot be
// loaded raises ZmError. Whatever a document's root is called, its children are copied.
void BuildSlideShow(TXMLDocument& slideShow, const QStringList& slides);
// Builds and saves it; nothing is written when a document cannot be loaded, and a failed write
// leaves any old file as it was. Both raise ZmError.
void WriteSlideShowFile(const QString& path, const QStringList& slides);
