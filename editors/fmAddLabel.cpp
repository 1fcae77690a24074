#include "editors/fmAddLabel.h"

TFormAddLabel::TFormAddLabel(QWidget* parent) : TFormLabelBase(QStringLiteral("Add Label"), parent) {}

bool TFormAddLabel::Execute() { return RunModal(); }
