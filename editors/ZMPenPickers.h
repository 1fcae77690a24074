#pragma once
// The line style, line width and colour of one pen in a dialog: loaded from a TGraphStyle and
// written back into one. A picker the user has not chosen from writes back the value it was
// loaded with, so a width or style that no row shows (width 0 or 7, a clear pen) survives an
// unchanged OK. The colour box keeps any colour by itself. The brush is never touched.

#include <QObject>

#include <cstdint>

class QWidget;
class TColorBox;
class TComboboxLineStyle;
class TComboboxLineWidth;
struct TGraphStyle;

class TPenPickers : public QObject {
    Q_OBJECT
public:
    // The three controls, children of `parent`, named prefix + "Style", "Width", "Color".
    TPenPickers(QWidget* parent, const QString& prefix);

    TComboboxLineStyle* Style = nullptr;
    TComboboxLineWidth* Width = nullptr;
    TColorBox* Color = nullptr;

    // Shows the pen of `style`: style row, width row = width - 1, colour.
    void Load(const TGraphStyle& style);
    // LineStyle, LineWidth and LineColor as shown.
    void WriteInto(TGraphStyle& style) const;

private:
    std::int32_t loadedWidth_ = 1;
    std::uint8_t loadedStyle_ = 0;
    bool styleChosen_ = false;
    bool widthChosen_ = false;
};
