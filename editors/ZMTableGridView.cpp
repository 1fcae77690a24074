#include "editors/ZMTableGridView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "editors/ZMTableEditor.h"
#include "platform/ZMGuard.h"

namespace {

bool IsReturnKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The cell editor hands every keystroke to the model, so a tool button or OK pressed while it is
// open reads the typed text; a program write into its cell reaches it without moving the caret.
class TCellDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        auto* self = const_cast<TCellDelegate*>(this);
        connect(edit, &QLineEdit::textEdited, self, [self, edit] {
            emit self->commitData(edit);
            edit->setModified(false);
        });
        return edit;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* edit = static_cast<QLineEdit*>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        if (edit->text() != text) edit->setText(text);
    }

    // Only typing not yet handed on is written: a late commit (the editor losing the focus after a
    // tool changed its cell) must not bring back the text the tool replaced.
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        auto* edit = static_cast<QLineEdit*>(editor);
        if (!edit->isModified()) return;
        const QString text = edit->text();
        if (index.data(Qt::EditRole).toString() != text) model->setData(index, text, Qt::EditRole);
    }

protected:
    // Return and Enter stay in the cell editor.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (IsReturnKey(event)) return true;
        return QStyledItemDelegate::eventFilter(watched, event);
    }
};

}  // namespace

TTableGridModel::TTableGridModel(TTableEditor& editor, QObject* parent) : QAbstractTableModel(parent), editor_(editor) {
    editor_.CellsWritten = [this](const TTableGrid::Range& r) {
        emit dataChanged(index(r.FirstRow - 1, r.FirstCol - 1), index(r.LastRow - 1, r.LastCol - 1));
    };
}

TTableGridModel::~TTableGridModel() { editor_.CellsWritten = nullptr; }

int TTableGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TTableGrid::RowCount;
}

int TTableGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TTableGrid::ColCount;
}

QVariant TTableGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return QString::fromStdString(editor_.Grid.Cell(index.column() + 1, index.row() + 1));
}

bool TTableGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    editor_.Type(index.column() + 1, index.row() + 1, value.toString().toStdString());
    return true;
}

Qt::ItemFlags TTableGridModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant TTableGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal) return section == 0 ? QStringLiteral("X") : QStringLiteral("Y");
    return QString::number(section + 1);
}

TTableGridView::TTableGridView(TTableEditor& editor, QWidget* parent) : QTableView(parent), editor_(editor) {
    setObjectName(QStringLiteral("StringGrid1"));
    model_ = new TTableGridModel(editor_, this);
    setModel(model_);
    setItemDelegate(new TCellDelegate(this));

    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(18);
    rows->setFixedWidth(50);
    rows->setDefaultAlignment(Qt::AlignCenter);
    rows->setSectionsMovable(true);
    QHeaderView* cols = horizontalHeader();
    cols->setSectionResizeMode(QHeaderView::Fixed);
    cols->setFixedHeight(20);
    setColumnWidth(0, 79);
    setColumnWidth(1, 78);
    // As wide as the number column, both columns and the scroll bar: no empty band beside Y.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFixedWidth(rows->width() + 79 + 78 + verticalScrollBar()->sizeHint().width() + 2 * frameWidth());

    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setTabKeyNavigation(true);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);

    connect(rows, &QHeaderView::sectionMoved, this,
            [this](int, int fromVisual, int toVisual) { RowDragged(fromVisual, toVisual); });
    editor_.CurrentMoved = [this](int col, int row) {
        following_ = true;
        setCurrentIndex(model_->index(row - 1, col - 1));
        following_ = false;
    };
}

TTableGridView::~TTableGridView() { editor_.CurrentMoved = nullptr; }

void TTableGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (following_ || !current.isValid()) return;
    guarded(this, [&] { editor_.CellSelected(current.column() + 1, current.row() + 1); });
}

void TTableGridView::keyPressEvent(QKeyEvent* event) {
    // Without a cell editor open, the dialog would take them for its default button.
    if (IsReturnKey(event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TTableGridView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    if (!currentIndex().isValid()) return;
    if (QWidget* open = indexWidget(currentIndex()))
        open->setFocus();
    else
        edit(currentIndex());
}

void TTableGridView::RowDragged(int fromVisual, int toVisual) {
    // The header keeps rows in place; the texts move instead, so the numbers stay 1..5000.
    {
        const QSignalBlocker quiet(verticalHeader());
        verticalHeader()->moveSection(toVisual, fromVisual);
    }
    guarded(this, [&] { editor_.RowMoved(fromVisual + 1, toVisual + 1); });
    // The open cell editor was placed for the dragged layout.
    updateEditorGeometries();
    viewport()->update();
}
