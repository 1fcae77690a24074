#include "output/ZMSlideFiles.h"

#include "platform/ZMTextFile.h"
#include "platform/ZMXmlDocument.h"
#include "storage/ZMDocumentFile.h"

namespace {

const QString kSlideMark = QStringLiteral("[slide]");

}  // namespace

QStringList SlideListFileLines(const QStringList& slides) {
    QStringList lines{QStringLiteral("Zorvik Mendal Information "),
                      QStringLiteral("Slide List File - it consists of the Location Information about Document files.")};
    for (const QString& slide : slides) lines << kSlideMark + slide;
    return lines;
}

void WriteSlideListFile(const QString& path, const QStringList& slides) {
    WriteTextFile(path, SlideListFileLines(slides));
}

QStringList SlidesOfLines(const QStringList& lines) {
    QStringList slides;
    for (const QString& line : lines)
        if (line.startsWith(kSlideMark)) slides << line.mid(kSlideMark.size());
    return slides;
}

QStringList ReadSlideListFile(const QString& path) { return SlidesOfLines(ReadTextFile(path)); }

void BuildSlideShow(TXMLDocument& slideShow, const QStringList& slides) {
    TXMLNode root = slideShow.AddChild("ZorvikMendalSlides");
    for (const QString& slide : slides) {
        TXMLNode copy = root.AddChild("ZorvikMendalDocument");
        TXMLDocument source;
        source.LoadFromFile(slide.toStdString());
        CopyXMLNodeTree(source.GetDocumentElement(), copy);
    }
}

void WriteSlideShowFile(const QString& path, const QStringList& slides) {
    TXMLDocument slideShow;
    BuildSlideShow(slideShow, slides);
    slideShow.SaveToFile(path.toStdString());
}
