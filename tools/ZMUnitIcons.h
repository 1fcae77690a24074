#pragma once
// The unit converter's pictures, drawn in code (no image files).

#include <QIcon>
#include <QPixmap>

// The icon of category `index` (0 Area ... 11 Volume, in catalogue order); a null icon outside.
QIcon UnitCategoryIcon(int index);

// The picture beside the category description.
QPixmap UnitConverterPicture();
