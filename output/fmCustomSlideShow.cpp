#include "output/fmCustomSlideShow.h"

#include "engine/ZMNumber.h"
#include "output/ZMSlideFiles.h"
#include "output/fmOutputSlideShowFile.h"
#include "output/fmSlideShow.h"
#include "platform/ZMFileBrowse.h"
#include "platform/ZMFileChooser.h"
#include "platform/ZMGuard.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMIconPaint.h"
#include "platform/ZMLinkLabel.h"
#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMWindowPlace.h"
#include "platform/cstCHMHelpClass.h"

#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <exception>

namespace {

constexpr int kRowHeight = 18;

// Three slides fanned out, a curve on the front one.
QPixmap SlidesPicture() {
    return PaintedPicture(48, [](QPainter& p) {
        const QColor backs[] = {QColor(0xB0, 0xC4, 0xDE), QColor(0xD8, 0xE4, 0xF0)};
        for (int i = 0; i < 2; ++i) {
            p.setPen(QPen(QColor(0x40, 0x50, 0x70), 1));
            p.setBrush(backs[i]);
            p.drawRect(QRectF(2 + 5 * i, 4 + 5 * i, 34, 26));
        }
        const QRectF front(12, 14, 34, 26);
        p.setBrush(Qt::white);
        p.drawRect(front);
        p.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1));
        p.drawLine(QPointF(front.left() + 2, front.center().y()), QPointF(front.right() - 2, front.center().y()));
        QPainterPath curve;
        for (int x = 0; x <= 30; ++x) {
            const QPointF at(front.left() + 2 + x, front.center().y() - 9 * std::sin(x * 0.21));
            if (x == 0) curve.moveTo(at);
            else curve.lineTo(at);
        }
        p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve);
    });
}

// The part of a path after its last "/".
QString FileNamePart(const QString& path) { return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1); }

FileDialogRequest SlideListRequest(QWidget* parent, bool save) {
    return {.parent = parent,
            .save = save,
            .filter = QStringLiteral("*.txt|*.txt"),
            .defaultExt = QStringLiteral(".txt"),
            .fileName = {},
            .overwritePrompt = true};
}

bool IsBlank(const QString& name) { return zm::Trim(name.toStdString()).empty(); }

}  // namespace

TFormCustomSlideShow::TFormCustomSlideShow(QWidget* parent)
    : QDialog(parent), ownChooser_(std::make_unique<QtFileChooser>()), chooser_(ownChooser_.get()) {
    setObjectName(QStringLiteral("FormCustomSlideShow"));
    setWindowTitle(QStringLiteral("Custom Slide Show"));
    SetSlideLauncher(nullptr);
    auto* top = new QVBoxLayout(this);

    // Picture and product name.
    auto* heading = new QHBoxLayout;
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(SlidesPicture());
    QLabel* product = NamedLabel(this, "Label2", "Zorvik Mendal");
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    product->setFont(big);
    heading->addWidget(image);
    heading->addWidget(product);
    heading->addStretch(1);
    top->addLayout(heading);

    auto* body = new QHBoxLayout;

    // The slides.
    auto* slides = new QGroupBox(QStringLiteral("Slides List"), this);
    auto* slidesLayout = new QVBoxLayout(slides);
    StringGrid1 = new QTableWidget(0, 3, slides);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setMinimumSectionSize(kRowHeight);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    // Captions start at the left, as the cells do: a clipped "Filename" keeps its first letters.
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid1->setColumnWidth(0, 32);
    StringGrid1->setColumnWidth(1, 48);
    StringGrid1->setColumnWidth(2, 211);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setWordWrap(false);
    StringGrid1->setTextElideMode(Qt::ElideNone);  // a narrow column clips its text
    StringGrid1->setFixedSize(32 + 48 + 211 + 2 * StringGrid1->frameWidth() + 18, 260);
    slidesLayout->addWidget(StringGrid1);
    LabelSlide = NamedLabel(slides, "LabelSlide", "Slide: 0/0");
    slidesLayout->addWidget(LabelSlide);
    body->addWidget(slides);

    // Add and remove, between the list and the browser.
    auto* moves = new QVBoxLayout;
    QPushButton* add = NamedButton(this, "Button1", "<< Add a Slide");
    QPushButton* remove = NamedButton(this, "Button2", ">> Remove a Slide");
    QPushButton* removeAll = NamedButton(this, "Button6", "Remove All");
    moves->addStretch(1);
    moves->addWidget(add);
    moves->addWidget(remove);
    moves->addSpacing(12);
    moves->addWidget(removeAll);
    moves->addStretch(1);
    body->addLayout(moves);

    // The folder browser.
    auto* browse = new QGroupBox(QStringLiteral("Browse"), this);
    auto* browseLayout = new QVBoxLayout(browse);
    DriveComboBox1 = new TDriveComboBox(browse);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DirectoryListBox1 = new TDirectoryListBox(browse);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setFixedHeight(130);
    FileListBox1 = new TFileListBox(browse);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->SetMask(QStringLiteral("*.xml"));
    FileListBox1->setFixedHeight(100);
    browseLayout->addWidget(new QLabel(QStringLiteral("Driver"), browse));
    browseLayout->addWidget(DriveComboBox1);
    browseLayout->addWidget(new QLabel(QStringLiteral("Directory"), browse));
    browseLayout->addWidget(DirectoryListBox1);
    browseLayout->addWidget(new QLabel(QStringLiteral("File: *.xml"), browse));
    browseLayout->addWidget(FileListBox1);
    browse->setFixedWidth(220);
    body->addWidget(browse);
    top->addLayout(body);
    LinkFileBrowse(DriveComboBox1, DirectoryListBox1, FileListBox1);

    // The commands on the list.
    auto* commands = new QHBoxLayout;
    QPushButton* view = NamedButton(this, "Button3", "View Slide Show");
    view->setDefault(true);
    QPushButton* save = NamedButton(this, "Button7", "Save as a Slide List (*.txt)...");
    QPushButton* open = NamedButton(this, "Button8", "Open a Slide List (*.txt)");
    QPushButton* output = NamedButton(this, "Button9", "Output as a Slide Show File (*.sld)");
    QPushButton* help = NamedButton(this, "Button5", "Help");
    QPushButton* close = NamedButton(this, "Button4", "Close");
    Label1 = new TLinkLabel(QStringLiteral("Help"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    for (QPushButton* b : {view, save, open, output}) commands->addWidget(b);
    top->addLayout(commands);
    auto* closing = new QHBoxLayout;
    closing->addWidget(Label1);
    closing->addStretch(1);
    closing->addWidget(help);
    closing->addWidget(close);
    top->addLayout(closing);
    top->setSizeConstraint(QLayout::SetFixedSize);

    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (row < 0) return;
        // The highlight follows the current row, also when the keyboard brought it there.
        if (!StringGrid1->selectionModel()->isRowSelected(row, {})) {
            const QSignalBlocker quiet(StringGrid1);
            StringGrid1->selectRow(row);
        }
        guarded(this, [this, row] { StringGrid1SelectCell(row + 1); });
    });
    onClick(add, this, &TFormCustomSlideShow::Button1Click);
    onClick(remove, this, &TFormCustomSlideShow::Button2Click);
    onClick(removeAll, this, &TFormCustomSlideShow::Button6Click);
    onClick(view, this, &TFormCustomSlideShow::Button3Click);
    onClick(save, this, &TFormCustomSlideShow::Button7Click);
    onClick(open, this, &TFormCustomSlideShow::Button8Click);
    onClick(output, this, &TFormCustomSlideShow::Button9Click);
    onClick(help, this, &TFormCustomSlideShow::Button5Click);
    onClick(close, this, &TFormCustomSlideShow::Button4Click);
    connect(Label1, &TLinkLabel::clicked, this, [this] { Label1Click(); });
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, [this] { guarded(this, [this] { Button1Click(); }); });
    CentreOnFirstShow(*this);
}

TFormCustomSlideShow::~TFormCustomSlideShow() = default;

void TFormCustomSlideShow::SetFileChooser(FileChooser* chooser) { chooser_ = chooser ? chooser : ownChooser_.get(); }

void TFormCustomSlideShow::SetSlideLauncher(SlideLauncher launcher) {
    if (launcher) {
        launcher_ = std::move(launcher);
        return;
    }
    launcher_ = [](const QStringList& slides) {
        TFormSlideShow viewer;
        viewer.ShowSlides(0, slides);
    };
}

void TFormCustomSlideShow::Execute(QStringList* List) {
    if (!List) {
        ownList_ = std::make_unique<QStringList>();
        List = ownList_.get();
    }
    SlideList = List;
    SelectedIndex = -1;
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("No."), QStringLiteral("Filename"), QStringLiteral("Location")});
    RefreshSlideGrid();
    // Not the grid: taking the focus would make its first row current.
    findChild<QPushButton*>(QStringLiteral("Button3"))->setFocus();
    exec();
}

void TFormCustomSlideShow::RefreshSlideGrid() {
    // Quiet, so that rows coming and going do not count as the user's choice.
    const QSignalBlocker quiet(StringGrid1);
    const int count = static_cast<int>(SlideList->size());
    StringGrid1->setRowCount(count + 1);
    const auto put = [this](int row, const QString& number, const QString& name, const QString& path) {
        StringGrid1->setItem(row, 0, new QTableWidgetItem(number));
        StringGrid1->setItem(row, 1, new QTableWidgetItem(name));
        StringGrid1->setItem(row, 2, new QTableWidgetItem(path));
    };
    for (int i = 0; i < count; ++i) {
        const QString& path = SlideList->at(i);
        put(i, QString::number(i + 1), FileNamePart(path), path);
    }
    put(count, QString(), QString(), QString());
    UpdateSlideLabel();
    if (SelectedIndex >= 0 && SelectedIndex <= count) StringGrid1->setCurrentCell(SelectedIndex, 0);
    else StringGrid1->selectionModel()->clear();
}

void TFormCustomSlideShow::StringGrid1SelectCell(int Row) {
    if (!SlideList->isEmpty() && Row >= 1) SelectedIndex = Row - 1;
    UpdateSlideLabel();
}

void TFormCustomSlideShow::UpdateSlideLabel() {
    if (SlideList->isEmpty() || SelectedIndex < 0) LabelSlide->setText(QStringLiteral("Slide: 0/0"));
    else LabelSlide->setText(QStringLiteral("Slide: %1/%2").arg(SelectedIndex + 1).arg(SlideList->size()));
}

void TFormCustomSlideShow::Button1Click() {
    const QString path = FileListBox1->FileName();
    if (path.isEmpty()) return;
    SlideList->append(path);
    RefreshSlideGrid();
}

void TFormCustomSlideShow::Button2Click() {
    if (SelectedIndex == -1) {
        message(this, MsgKind::Warning, QStringLiteral("You must select a Slide to remove."));
        return;
    }
    // Past the last slide (the empty row) nothing is removed; the index then points at the
    // slide that followed the removed one.
    if (SelectedIndex >= 0 && SelectedIndex < SlideList->size()) SlideList->removeAt(SelectedIndex);
    if (SlideList->isEmpty()) SelectedIndex = -1;
    RefreshSlideGrid();
}

void TFormCustomSlideShow::Button6Click() {
    if (message(this, MsgKind::Warning, QStringLiteral("Do you want to remove all slides?"), MsgButtons::OkCancel) !=
        MsgResult::Ok)
        return;
    SelectedIndex = -1;
    SlideList->clear();
    RefreshSlideGrid();
}

void TFormCustomSlideShow::Button3Click() {
    if (!SlideList->isEmpty()) launcher_(*SlideList);
}

void TFormCustomSlideShow::Button7Click() {
    const QString name = chooser_->choose(SlideListRequest(this, true));
    if (IsBlank(name)) return;
    try {
        WriteSlideListFile(name, *SlideList);
    } catch (const std::exception&) {
        message(this, MsgKind::Warning, QStringLiteral("Output Slide List error."));
    }
}

void TFormCustomSlideShow::Button8Click() {
    const QString name = chooser_->choose(SlideListRequest(this, false));
    if (IsBlank(name)) return;
    QStringList read;
    try {
        read = ReadSlideListFile(name);
    } catch (const std::exception&) {
        message(this, MsgKind::Warning, QStringLiteral("Open Slide List error."));
        return;
    }
    // Added after the slides already listed.
    SlideList->append(read);
    RefreshSlideGrid();
}

void TFormCustomSlideShow::Button9Click() {
    TFormOutputSlideShowFile dialog(this);
    dialog.SetFileChooser(chooser_);
    dialog.Execute(*SlideList);
}

void TFormCustomSlideShow::Button5Click() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch06_01.htm#62"), 1);
}

void TFormCustomSlideShow::Label1Click() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch06_01.htm#623"), 1);
}

void TFormCustomSlideShow::Button4Click() { close(); }
