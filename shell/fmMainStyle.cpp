// The graph-style tool bar of the main window and the commands on the selected graph.
#include "shell/fmMain.h"

#include "platform/ZMColorBox.h"
#include "platform/ZMGuard.h"
#include "platform/ZMMessage.h"
#include "plot/ComboboxBrushStyle.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"
#include "platform/ZMCanvas.h"
#include "plot/ZMFunTabObj.h"
#include "plot/ZMMemoryListBox.h"
#include "shell/fmMainSub.h"

#include <QStatusBar>
#include <QToolBar>

void TFormMain::CreateStyleBar() {
    ToolBar3 = new QToolBar(QStringLiteral("GraphStyle"), this);
    ToolBar3->setObjectName(QStringLiteral("ToolBar3"));

    ComboboxLineWidth1 = new TComboboxLineWidth(ToolBar3);
    ComboboxLineWidth1->setObjectName(QStringLiteral("ComboboxLineWidth1"));
    ComboboxLineWidth1->SetCD_MaxLineWidth(5);
    ComboboxLineWidth1->setCurrentIndex(0);
    ComboboxLineWidth1->setToolTip(QStringLiteral("Line Width"));

    ComboboxLineStyle1 = new TComboboxLineStyle(ToolBar3);
    ComboboxLineStyle1->setObjectName(QStringLiteral("ComboboxLineStyle1"));
    ComboboxLineStyle1->SetCD_MaxLineStyle(5);
    ComboboxLineStyle1->SetCD_CurrentPenStyle(psSolid);
    ComboboxLineStyle1->setToolTip(QStringLiteral("Line Style"));

    ColorBox1 = new TColorBox(ToolBar3);
    ColorBox1->setObjectName(QStringLiteral("ColorBox1"));
    ColorBox1->SetSelected(0);
    ColorBox1->setToolTip(QStringLiteral("Line Color"));

    ComboboxBrushStyle1 = new TComboboxBrushStyle(ToolBar3);
    ComboboxBrushStyle1->setObjectName(QStringLiteral("ComboboxBrushStyle1"));
    ComboboxBrushStyle1->SetCD_MaxBrushStyle(7);
    ComboboxBrushStyle1->SetCD_CurrentBrushStyle(bsBDiagonal);
    ComboboxBrushStyle1->setToolTip(QStringLiteral("Shading Style"));

    for (QComboBox* picker : std::initializer_list<QComboBox*>{ComboboxLineWidth1, ComboboxLineStyle1, ColorBox1,
                                                                ComboboxBrushStyle1}) {
        picker->setEnabled(false);
        picker->setFocusPolicy(Qt::ClickFocus);
        ToolBar3->addWidget(picker);
    }
    // Only the user's choices write into the graph; loading a picker from a graph does not.
    connect(ComboboxLineWidth1, &QComboBox::activated, this, [this] { guarded(this, [this] { ActionChangeLineWidthExecute(); }); });
    connect(ComboboxLineStyle1, &QComboBox::activated, this, [this] { guarded(this, [this] { ActionChangeLineStyleExecute(); }); });
    connect(ColorBox1, &QComboBox::activated, this, [this] { guarded(this, [this] { ActionChangeLineColorExecute(); }); });
    connect(ComboboxBrushStyle1, &QComboBox::activated, this, [this] { guarded(this, [this] { ActionChangeBrushStyleExecute(); }); });
}

TMyToolBar TFormMain::StyleControlLinks() const {
    TMyToolBar links;
    links.LineWidthBox = ComboboxLineWidth1;
    links.LineStyleBox = ComboboxLineStyle1;
    links.ColorBox = ColorBox1;
    links.BrushStyleBox = ComboboxBrushStyle1;
    links.StatusBar = statusBar();
    return links;
}

TGraphStyle* TFormMain::SelectedStyle(TFormMainSub*& doc) const {
    doc = ActiveDocument();
    if (!doc || !doc->Memory) return nullptr;
    const int row = doc->SelectedRow();
    return row < 0 ? nullptr : doc->Memory->GetGraphStyle(row);
}

void TFormMain::AfterStyleChange(TFormMainSub& doc) {
    doc.MemoryListBox1->viewport()->update();
    doc.Redraw();
}

void TFormMain::ActionChangeLineWidthExecute() {
    TFormMainSub* doc = nullptr;
    if (TGraphStyle* style = SelectedStyle(doc)) {
        style->LineWidth = ComboboxLineWidth1->currentIndex() + 1;
        AfterStyleChange(*doc);
    }
}

void TFormMain::ActionChangeLineStyleExecute() {
    TFormMainSub* doc = nullptr;
    if (TGraphStyle* style = SelectedStyle(doc)) {
        style->LineStyle = ComboboxLineStyle1->CD_CurrentPenStyle();
        AfterStyleChange(*doc);
    }
}

void TFormMain::ActionChangeLineColorExecute() {
    TFormMainSub* doc = nullptr;
    if (TGraphStyle* style = SelectedStyle(doc)) {
        style->LineColor = ColorBox1->Selected();
        AfterStyleChange(*doc);
    }
}

void TFormMain::ActionChangeBrushStyleExecute() {
    TFormMainSub* doc = nullptr;
    if (TGraphStyle* style = SelectedStyle(doc)) {
        style->BrushStyle = ComboboxBrushStyle1->CD_CurrentBrushStyle();
        AfterStyleChange(*doc);
    }
}

void TFormMain::ActionDeleteGraphExecute() {
    TFormMainSub* doc = ActiveDocument();
    if (!doc) return;
    const int row = doc->SelectedRow();
    if (row < 0) return;
    if (ConfirmDelete &&
        message(this, MsgKind::Confirmation, QStringLiteral("Do you want to remove the graph?"), MsgButtons::OkCancel) !=
            MsgResult::Ok)
        return;
    doc->DeleteGraphRow(row);
}
