#include "tools/ZMReportWindow.h"

#include "platform/ZMGuardedClick.h"
#include "platform/ZMNamedControls.h"
#include "platform/cstCHMHelpClass.h"
#include "tools/ZMTextReport.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QPushButton>

TReportWindow::TReportWindow(const QString& caption, const QString& helpTopic, QWidget* parent)
    : QDialog(parent), Report_(std::make_unique<TTextReport>()), HelpTopic_(helpTopic) {
    setWindowTitle(caption);
}

TReportWindow::~TReportWindow() = default;

void TReportWindow::SetFileChooser(FileChooser* chooser) { Report_->SetFileChooser(chooser); }

void TReportWindow::AddButtons(QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    auto* output = new QGroupBox(QStringLiteral("Output Result"), this);
    auto* outputLayout = new QHBoxLayout(output);
    QPushButton* copy = NamedButton(output, "Button1", "Copy to Clipboard");
    QPushButton* save = NamedButton(output, "Button2", "Save to File...");
    outputLayout->addWidget(copy);
    outputLayout->addWidget(save);
    row->addWidget(output);
    row->addStretch();
    QPushButton* close = NamedButton(this, "Button3", "Close");
    QPushButton* help = NamedButton(this, "Button4", "Help");
    close->setDefault(true);
    row->addWidget(close, 0, Qt::AlignBottom);
    row->addWidget(help, 0, Qt::AlignBottom);
    layout->addLayout(row);

    onClick(copy, this, &TReportWindow::Button1Click);
    onClick(save, this, &TReportWindow::Button2Click);
    onClick(close, this, &TReportWindow::Button3Click);
    onClick(help, this, &TReportWindow::Button4Click);
}

void TReportWindow::Button1Click() { TTextReport::Copy(ClipboardLines()); }

void TReportWindow::Button2Click() { Report_->Save(this, FileLines()); }

void TReportWindow::Button3Click() { close(); }

void TReportWindow::Button4Click() { TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), HelpTopic_, 1); }
