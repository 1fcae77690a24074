#include "platform/ZMColorBox.h"

#include "platform/ZMCanvas.h"

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

#include <array>

namespace {

struct Named {
    TColor color;
    const char* name;
};

constexpr std::array<Named, TColorBox::StandardCount> kStandard{{
    {RGBColor(0, 0, 0), "Black"},
    {RGBColor(128, 0, 0), "Maroon"},
    {RGBColor(0, 128, 0), "Green"},
    {RGBColor(128, 128, 0), "Olive"},
    {RGBColor(0, 0, 128), "Navy"},
    {RGBColor(128, 0, 128), "Purple"},
    {RGBColor(0, 128, 128), "Teal"},
    {RGBColor(128, 128, 128), "Gray"},
    {RGBColor(192, 192, 192), "Silver"},
    {RGBColor(255, 0, 0), "Red"},
    {RGBColor(0, 255, 0), "Lime"},
    {RGBColor(255, 255, 0), "Yellow"},
    {RGBColor(0, 0, 255), "Blue"},
    {RGBColor(255, 0, 255), "Fuchsia"},
    {RGBColor(0, 255, 255), "Aqua"},
    {RGBColor(255, 255, 255), "White"},
}};

QIcon swatch(TColor color) {
    QPixmap pm(24, 14);
    pm.fill(QColor::fromRgb(static_cast<QRgb>(0xFF000000u | ColorToRgb(color))));
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawRect(0, 0, pm.width() - 1, pm.height() - 1);
    return QIcon(pm);
}

}  // namespace

TColor TColorBox::StandardColor(int row) {
    return row >= 0 && row < StandardCount ? kStandard[static_cast<size_t>(row)].color : 0;
}

TColorBox::TColorBox(QWidget* parent) : QComboBox(parent) {
    setIconSize(QSize(24, 14));
    for (const Named& n : kStandard) addItem(swatch(n.color), QString::fromLatin1(n.name), QVariant(n.color));
    setCurrentIndex(0);
}

TColor TColorBox::Selected() const {
    const QVariant v = currentData();
    return v.isValid() ? static_cast<TColor>(v.toInt()) : 0;
}

void TColorBox::SetSelected(TColor color) {
    const QSignalBlocker block(this);
    for (int i = 0; i < StandardCount; ++i) {
        if (kStandard[static_cast<size_t>(i)].color == color) {
            if (HasCustomRow()) removeItem(StandardCount);
            setCurrentIndex(i);
            return;
        }
    }
    setCustom(color);
}

void TColorBox::setCustom(TColor color) {
    if (HasCustomRow()) {
        setItemIcon(StandardCount, swatch(color));
        setItemData(StandardCount, QVariant(color));
    } else {
        addItem(swatch(color), QStringLiteral("Custom"), QVariant(color));
    }
    setCurrentIndex(StandardCount);
}
