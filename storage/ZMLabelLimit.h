#pragma once
// The most text labels a drawing may hold. Each label is a control on the plane, and the toolkit
// paints overlapping controls one nested call per control, which overflows the stack near 30,000
// of them; a document, an import or a slide that would bring more is refused before anything
// changes.

#include <QString>

#include <cstddef>

class TXMLDocument;

inline constexpr std::size_t kMaxLabels = 10000;

// The refusal of a drawing that would hold `count` labels.
QString TooManyLabelsText(std::size_t count);

// Raises ZmError with the refusal when `held` labels and those of the document (the "AddLabel"
// elements of every "AddLabels" child of its root) would be more than kMaxLabels. A document with
// a foreign root brings none.
void CheckLabelRoom(const TXMLDocument& doc, std::size_t held);
