#include "output/fmOutputSlideShowFile.h"

#include "engine/ZMNumber.h"
#include "output/ZMSlideFiles.h"
#include "platform/ZMFileChooser.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMWindowPlace.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace {

const char* const kInformation =
    "<<Special Instruction>>\n"
    "\n"
    "A slide show file gathers the documents of the slide list into one XML file: one "
    "\"ZorvikMendalDocument\" element per slide, in slide order, each a full copy of that "
    "document.\n"
    "\n"
    "It is meant for passing a whole show on to other programs. Zorvik Mendal writes slide show "
    "files but does not open them: to play the slides again, save the list as a slide list "
    "(*.txt) and open that in the Custom Slide Show dialog.";

}  // namespace

TFormOutputSlideShowFile::TFormOutputSlideShowFile(QWidget* parent)
    : QDialog(parent), ownChooser_(std::make_unique<QtFileChooser>()), chooser_(ownChooser_.get()) {
    setObjectName(QStringLiteral("FormOutputSlideShowFile"));
    setWindowTitle(QStringLiteral("Output Slide Show File"));
    auto* top = new QVBoxLayout(this);

    auto* information = new QGroupBox(QStringLiteral("Information"), this);
    auto* informationLayout = new QVBoxLayout(information);
    Memo1 = new QPlainTextEdit(QString::fromLatin1(kInformation), information);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFixedSize(400, 160);
    informationLayout->addWidget(Memo1);
    top->addWidget(information);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NamedLabel(this, "Label1", "Help "));
    buttons->addStretch(1);
    Button1 = NamedButton(this, "Button1", "Output a Slide Show File");
    Button1->setDefault(true);
    Button2 = NamedButton(this, "Button2", "Close");
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);

    onClick(Button1, this, &TFormOutputSlideShowFile::Button1Click);
    onClick(Button2, this, &TFormOutputSlideShowFile::Button2Click);
    CentreOnFirstShow(*this);
}

TFormOutputSlideShowFile::~TFormOutputSlideShowFile() = default;

void TFormOutputSlideShowFile::SetFileChooser(FileChooser* chooser) {
    chooser_ = chooser ? chooser : ownChooser_.get();
}

void TFormOutputSlideShowFile::Execute(const QStringList& List) {
    SlideList = &List;
    Button1->setFocus();
    exec();
    SlideList = nullptr;
}

void TFormOutputSlideShowFile::Button1Click() {
    const QString name = chooser_->choose({.parent = this,
                                           .save = true,
                                           .filter = QStringLiteral("Slide Show File|*.sld|XML File|*.xml"),
                                           .defaultExt = QStringLiteral(".sld"),
                                           .fileName = {},
                                           .overwritePrompt = true});
    if (!zm::Trim(name.toStdString()).empty() && SlideList) {
        bool written = false;
        try {
            WriteSlideShowFile(name, *SlideList);
            written = true;
        } catch (const std::exception&) {
            // Which document or write failed is not told; the box below is the whole report.
        }
        if (written) message(this, MsgKind::Information, QStringLiteral("Output Slide Show File successfully."));
        else message(this, MsgKind::Warning, QStringLiteral("Output Slide Show File error."));
    }
    close();
}

void TFormOutputSlideShowFile::Button2Click() { close(); }
