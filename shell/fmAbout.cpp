#include "shell/fmAbout.h"

#include "platform/ZMGuard.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMLinkLabel.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMWindowPlace.h"
#include "shell/ZMProductPictures.h"
#include "shell/ZMWebAddresses.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFormAbout::TFormAbout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About"));
    auto* top = new QVBoxLayout(this);

    // The picture is stretched over the whole panel; the texts lie on it.
    Image1 = NamedLabel(this, "Image1", "");
    Image1->setPixmap(AboutPicture());
    Image1->setScaledContents(true);
    Image1->setFixedSize(440, 260);
    Image1->setFrameShape(QFrame::StyledPanel);
    auto* texts = new QVBoxLayout(Image1);
    texts->setContentsMargins(24, 20, 24, 20);
    auto* name = NamedLabel(Image1, "Label3", "Zorvik Mendal");
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 2.2);
    name->setFont(big);
    Label1 = NamedLabel(Image1, "Label1", "Version " ZM_VERSION);
    Label2 = NamedLabel(Image1, "Label2", "For Linux");
    Label6 = new TLinkLabel(QStringLiteral("Zorvik Mendal Help"), Image1);
    Label6->setObjectName(QStringLiteral("Label6"));
    texts->addWidget(name);
    texts->addWidget(Label1);
    texts->addWidget(Label2);
    texts->addStretch(1);
    texts->addWidget(Label6, 0, Qt::AlignLeft);
    top->addWidget(Image1);

    Button1 = NamedButton(this, "Button1", "OK");
    AddButtonRow(top, {Button1});
    top->setSizeConstraint(QLayout::SetFixedSize);
    CentreOnFirstShow(*this);

    onClick(Button1, this, &TFormAbout::Button1Click);
    connect(Label6, &TLinkLabel::clicked, this, [this] { guarded(this, [this] { Label6Click(); }); });
}

bool TFormAbout::Execute() {
    exec();
    return true;
}

void TFormAbout::Button1Click() { accept(); }

void TFormAbout::Label6Click() { OpenWebAddress(kHomePageAddress); }
