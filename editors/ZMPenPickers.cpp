#include "editors/ZMPenPickers.h"

#include "platform/ZMColorBox.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"
#include "plot/ZMComClass01.h"

TPenPickers::TPenPickers(QWidget* parent, const QString& prefix)
    : QObject(parent), Style(new TComboboxLineStyle(parent)), Width(new TComboboxLineWidth(parent)),
      Color(new TColorBox(parent)) {
    Style->setObjectName(prefix + QStringLiteral("Style"));
    Width->setObjectName(prefix + QStringLiteral("Width"));
    Color->setObjectName(prefix + QStringLiteral("Color"));
    Style->SetCD_MaxLineStyle(5);
    Width->SetCD_MaxLineWidth(5);
    for (QWidget* w : {static_cast<QWidget*>(Style), static_cast<QWidget*>(Width)}) w->setMinimumWidth(145);
    connect(Style, &QComboBox::activated, this, [this] { styleChosen_ = true; });
    connect(Width, &QComboBox::activated, this, [this] { widthChosen_ = true; });
}

void TPenPickers::Load(const TGraphStyle& style) {
    loadedWidth_ = style.LineWidth;
    loadedStyle_ = style.LineStyle;
    styleChosen_ = widthChosen_ = false;
    Style->SetCD_CurrentPenStyle(style.LineStyle);
    Width->setCurrentIndex(style.LineWidth >= 1 && style.LineWidth <= Width->count() ? style.LineWidth - 1 : -1);
    Color->SetSelected(style.LineColor);
}

void TPenPickers::WriteInto(TGraphStyle& style) const {
    style.LineStyle = styleChosen_ ? Style->CD_CurrentPenStyle() : loadedStyle_;
    style.LineWidth = widthChosen_ ? Width->currentIndex() + 1 : loadedWidth_;
    style.LineColor = Color->Selected();
}
