#include "storage/ZMLabelLimit.h"

#include "platform/ZMError.h"
#include "platform/ZMXmlDocument.h"
#include "storage/ZMXML.h"

QString TooManyLabelsText(std::size_t count) {
    return QStringLiteral("The drawing would hold %1 labels, but it can hold at most %2. Nothing was read.")
        .arg(count)
        .arg(kMaxLabels);
}

void CheckLabelRoom(const TXMLDocument& doc, std::size_t held) {
    const TXMLNode root = doc.GetDocumentElement();
    if (!root || root.NodeName() != kDocumentRootName) return;
    std::size_t count = held;
    for (TXMLNode c = root.FirstChildElement(); c; c = c.NextSiblingElement()) {
        if (c.NodeName() != "AddLabels") continue;
        for (TXMLNode n = c.FirstChildElement(); n; n = n.NextSiblingElement()) count += n.NodeName() == "AddLabel";
    }
    if (count > kMaxLabels) throw ZmError(TooManyLabelsText(count).toStdString());
}
