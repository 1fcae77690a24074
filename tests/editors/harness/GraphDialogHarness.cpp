// Opens the graph dialogs on a graph list of its own, until the main window takes them over.
//   graph_dialog_harness          a window with the graph list and "Add Graph" / "Edit Graph"
//   graph_dialog_harness --demo   adds one graph of each kind through the dialog, pausing on each
//                                 filled dialog (ms from ZM_DEMO_PAUSE, default 1500), shows the
//                                 edit dialog on the last one, then quits
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "editors/fmAddGraph.h"
#include "editors/fmEditGraph.h"
#include "platform/ZMApplication.h"
#include "tests/support/GraphContext.h"

namespace {

void Refill(QListWidget& list, const TMemory& memory) {
    list.clear();
    for (std::size_t i = 0; i < memory.Count(); ++i)
        list.addItem(QString::fromStdString(memory.GetCaption(static_cast<std::ptrdiff_t>(i))));
}

// Field texts of one demo graph, by objectName; combos take a row number.
using Fill = std::vector<std::pair<const char*, const char*>>;

void ApplyFill(QDialog& d, const Fill& fill) {
    for (const auto& [name, value] : fill) {
        const QString n = QString::fromLatin1(name);
        if (auto* e = d.findChild<QLineEdit*>(n)) {
            e->setText(QString::fromLatin1(value));
        } else if (auto* c = d.findChild<QCheckBox*>(n)) {
            if (c->isChecked() != (value[0] == '1')) c->click();
        } else if (auto* b = d.findChild<QComboBox*>(n)) {
            const int row = QString::fromLatin1(value).toInt();
            b->setCurrentIndex(row);
            emit b->activated(row);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    ZMApplication app(argc, argv);
    GraphContext ctx;
    const bool demo = argc > 1 && QByteArray(argv[1]) == "--demo";

    QWidget window;
    window.setWindowTitle(QStringLiteral("Graph dialogs"));
    auto* layout = new QVBoxLayout(&window);
    auto* list = new QListWidget(&window);
    layout->addWidget(list);
    auto* row = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("Add Graph"), &window);
    auto* edit = new QPushButton(QStringLiteral("Edit Graph"), &window);
    row->addWidget(add);
    row->addWidget(edit);
    layout->addLayout(row);
    window.resize(420, 300);
    window.move(20, 20);

    QObject::connect(add, &QPushButton::clicked, &window, [&] {
        TFormAddGraph d(&window);
        if (d.Execute(ctx.memory, ctx.ops, ctx.vars, ctx.consts)) Refill(*list, ctx.memory);
    });
    QObject::connect(edit, &QPushButton::clicked, &window, [&] {
        TFunctionObj* g = ctx.memory.GetFunction(list->currentRow());
        if (!g) return;
        TFormEditGraph d(&window);
        if (d.Execute(*g, ctx.ops, ctx.vars, ctx.consts)) Refill(*list, ctx.memory);
    });
    window.show();
    if (!demo) return QApplication::exec();

    const char* pauseText = std::getenv("ZM_DEMO_PAUSE");
    const int pause = pauseText ? std::atoi(pauseText) : 1500;
    const std::vector<Fill> graphs = {
        {{"Edit1", "sin(x)*3"}, {"Edit2", "a sine"}},
        {{"ComboBox1", "1"}, {"Edit1", "y^2/4-3"}, {"CheckBox2", "1"}, {"Edit3", "-4"}, {"Edit4", "4"}},
        {{"ComboBox1", "2"}, {"Edit1", "4*cos(3*t)"}, {"Edit7", "4*sin(2*t)"}, {"CheckBox3", "1"},
         {"Edit5", "1000"}, {"Edit6", "900"}},
        {{"ComboBox1", "3"}, {"Edit1", "2+2*cos(a)"}, {"CheckBox2", "1"}, {"Edit3", "0"}, {"Edit4", "2"}},
        {{"ComboBox1", "4"}, {"Edit1", "x^2+y^2-9"}, {"ComboBox2", "2"}, {"CheckBox4", "1"}, {"Edit8", "-5"},
         {"Edit9", "5"}, {"Edit10", "-5"}, {"Edit11", "5"}},
    };
    QTimer::singleShot(200, &window, [&] {
        for (std::size_t i = 0; i < graphs.size(); ++i) {
            TFormAddGraph d(&window);
            const Fill& fill = graphs[i];
            QTimer::singleShot(100, &d, [&d, &fill, pause, i] {
                ApplyFill(d, fill);
                std::printf("dialog %zu filled\n", i + 1);
                std::fflush(stdout);
                QTimer::singleShot(pause, &d, [&d] { d.Button1Click(); });
            });
            if (d.Execute(ctx.memory, ctx.ops, ctx.vars, ctx.consts)) Refill(*list, ctx.memory);
        }
        // The edit dialog on the last graph, left with Cancel.
        if (TFunctionObj* last = ctx.memory.GetFunction(static_cast<std::ptrdiff_t>(ctx.memory.Count()) - 1)) {
            TFormEditGraph d(&window);
            QTimer::singleShot(100, &d, [&d, pause] {
                std::printf("edit shown\n");
                std::fflush(stdout);
                QTimer::singleShot(pause, &d, [&d] { d.Button2Click(); });
            });
            d.Execute(*last, ctx.ops, ctx.vars, ctx.consts);
        }
        std::printf("graphs: %zu\n", ctx.memory.Count());
        for (std::size_t i = 0; i < ctx.memory.Count(); ++i)
            std::printf("  %s\n", ctx.memory.GetCaption(static_cast<std::ptrdiff_t>(i)).c_str());
        std::fflush(stdout);
        QTimer::singleShot(pause, &app, &QApplication::quit);
    });
    return QApplication::exec();
}
