#include "platform/ZMFontChooser.h"

#include "platform/ZMColorBox.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMScreen.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The face's style nearest to the weight and slant asked for (oblique counts as italic); a plain
// width wins over condensed and expanded ones. Empty when the face lists no styles.
QString MatchingStyle(const QString& family, bool bold, bool italic) {
    const int weight = bold ? QFont::Bold : QFont::Normal;
    QString best;
    int bestScore = 0;
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont f = QFontDatabase::font(family, style, 12);
        const bool stretched = style.contains(QLatin1String("Condensed")) || style.contains(QLatin1String("Expanded"));
        const int score = std::abs(f.weight() - weight) + (f.italic() != italic ? 10000 : 0) + (stretched ? 100 : 0);
        if (best.isEmpty() || score < bestScore) {
            best = style;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace

TFontColorDialog::TFontColorDialog(QWidget* parent)
    : QDialog(parent), fontWidget_(new QFontDialog(this)), colorBox_(new TColorBox(this)) {
    setWindowTitle(QStringLiteral("Font"));
    // Qt's font dialog as a plain widget of this one, without buttons of its own.
    fontWidget_->setWindowFlags(Qt::Widget);
    fontWidget_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fontWidget_->setObjectName(QStringLiteral("FontWidget"));
    colorBox_->setObjectName(QStringLiteral("ColorBox1"));

    auto* top = new QVBoxLayout(this);
    top->addWidget(fontWidget_);
    auto* color = new QHBoxLayout;
    color->addWidget(NamedLabel(this, "LabelColor", "Color:"));
    color->addWidget(colorBox_);
    color->addStretch(1);
    top->addLayout(color);
    QPushButton* ok = NamedButton(this, "ButtonOk", "OK");
    QPushButton* cancel = NamedButton(this, "ButtonCancel", "Cancel");
    AddButtonRow(top, {ok, cancel});
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFontColorDialog::SetStartFont(const TFont& font) {
    start_ = font;
    QFont q(QString::fromStdString(font.Name));
    q.setPointSize(std::max(1, font.Size()));
    q.setBold(font.HasStyle(fsBold));
    q.setItalic(font.HasStyle(fsItalic));
    q.setUnderline(font.HasStyle(fsUnderline));
    q.setStrikeOut(font.HasStyle(fsStrikeOut));
    // A face the system lacks is shown as the face it stands in for, with that face's styles.
    if (!QFontDatabase::families().contains(q.family())) q.setFamily(QFontInfo(q).family());
    // Name the style, or the dialog shows the face's first style ("Oblique" for a plain font).
    const QString style = MatchingStyle(q.family(), font.HasStyle(fsBold), font.HasStyle(fsItalic));
    if (!style.isEmpty()) q.setStyleName(style);
    fontWidget_->setCurrentFont(q);
    shownFamily_ = fontWidget_->currentFont().family();
    colorBox_->SetSelected(font.Color);
}

TFont TFontColorDialog::ChosenFont() const {
    const QFont q = fontWidget_->currentFont();
    TFont f = start_;
    if (q.family() != shownFamily_) f.Name = q.family().toStdString();
    f.PixelsPerInch = ScreenPixelsPerInch();
    const double points = q.pointSizeF();
    f.SetSize(points > 0 ? static_cast<int32_t>(std::lround(points)) : start_.Size());
    f.Style = static_cast<uint8_t>((q.bold() ? fsBold : 0) | (q.italic() ? fsItalic : 0) |
                                   (q.underline() ? fsUnderline : 0) | (q.strikeOut() ? fsStrikeOut : 0));
    f.Color = colorBox_->Selected();
    return f;
}

bool QtFontChooser::choose(QWidget* parent, TFont& font) {
    TFontColorDialog dialog(parent);
    dialog.SetStartFont(font);
    if (dialog.exec() != QDialog::Accepted) return false;
    font = dialog.ChosenFont();
    return true;
}
