#include "platform/ZMFileBrowse.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kLevelRole = Qt::UserRole + 1;
constexpr int kIndent = 12;  // pixels per folder level

// Shifts each row right by its level, icon and all.
class IndentDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(shifted.rect.left() + kIndent * index.data(kLevelRole).toInt());
        QStyledItemDelegate::paint(painter, shifted, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        return {size.width() + kIndent * index.data(kLevelRole).toInt(), size.height()};
    }
};

// `root` holds `path` (both absolute and clean).
bool Holds(const QString& root, const QString& path) {
    if (root == QLatin1String("/")) return true;
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

}  // namespace

// ------------------------------------------------------------------------------------------------

TDriveComboBox::TDriveComboBox(QWidget* parent) : QComboBox(parent) {
    Refresh();
    connect(this, &QComboBox::activated, this, [this](int index) { emit driveChanged(itemText(index)); });
}

void TDriveComboBox::Refresh() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && root != QLatin1String("/") && QFileInfo(root).isDir())
            roots << root;
    }
    roots.removeDuplicates();
    roots.sort();
    roots.prepend(QStringLiteral("/"));
    const QSignalBlocker quiet(this);
    const QString shown = currentText();
    clear();
    addItems(roots);
    setCurrentIndex(std::max<int>(0, static_cast<int>(roots.indexOf(shown))));
}

QString TDriveComboBox::Drive() const { return currentText(); }

void TDriveComboBox::ShowDriveOf(const QString& path) {
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    int best = -1;
    for (int i = 0; i < count(); ++i)
        if (Holds(itemText(i), clean) && (best < 0 || itemText(i).size() > itemText(best).size())) best = i;
    const QSignalBlocker quiet(this);
    setCurrentIndex(best);
}

// ------------------------------------------------------------------------------------------------

TDirectoryListBox::TDirectoryListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new IndentDelegate(this));
    SetDirectory(QDir::currentPath());
    // The row is gone once the folder changes, so nothing of it is used after the call.
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (item) SetDirectory(item->data(kPathRole).toString());
    });
}

void TDirectoryListBox::SetDirectory(const QString& path) {
    QString dir = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo(dir).isDir() && dir != QLatin1String("/")) dir = QDir::cleanPath(dir + QStringLiteral("/.."));
    const bool changed = dir != directory_;
    directory_ = dir;
    Fill();
    if (changed) emit directoryChanged(directory_);
}

QString TDirectoryListBox::PathAt(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->data(kPathRole).toString() : QString();
}

void TDirectoryListBox::Fill() {
    const QSignalBlocker quiet(this);
    clear();
    const auto add = [this](const QString& name, const QString& path, int level, QStyle::StandardPixmap icon) {
        auto* row = new QListWidgetItem(style()->standardIcon(icon), name, this);
        row->setData(kPathRole, path);
        row->setData(kLevelRole, level);
    };
    add(QStringLiteral("/"), QStringLiteral("/"), 0, QStyle::SP_DirOpenIcon);
    QString path;
    int level = 0;
    for (const QString& part : directory_.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + part;
        add(part, path, ++level, QStyle::SP_DirOpenIcon);
    }
    const int current = count() - 1;
    const QDir dir(directory_);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        add(name, dir.filePath(name), level + 1, QStyle::SP_DirClosedIcon);
    setCurrentRow(current);
    scrollToItem(item(current));
}

// ------------------------------------------------------------------------------------------------

TFileListBox::TFileListBox(QWidget* parent) : QListWidget(parent) {}

void TFileListBox::SetDirectory(const QString& path) {
    directory_ = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    Refresh();
}

void TFileListBox::SetMask(const QString& mask) {
    mask_ = mask;
    Refresh();
}

void TFileListBox::Refresh() {
    const QSignalBlocker quiet(this);
    clear();
    if (directory_.isEmpty()) return;
    // Name filters match regardless of case unless QDir::CaseSensitive is given.
    addItems(QDir(directory_).entryList(mask_.split(QLatin1Char(';'), Qt::SkipEmptyParts), QDir::Files,
                                        QDir::Name | QDir::IgnoreCase));
}

QString TFileListBox::FileName() const {
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? QString() : QDir(directory_).filePath(chosen.first()->text());
}

// ------------------------------------------------------------------------------------------------

void LinkFileBrowse(TDriveComboBox* drive, TDirectoryListBox* folders, TFileListBox* files) {
    if (drive) {
        drive->ShowDriveOf(folders->Directory());
        QObject::connect(drive, &TDriveComboBox::driveChanged, folders, &TDirectoryListBox::SetDirectory);
        QObject::connect(folders, &TDirectoryListBox::directoryChanged, drive, &TDriveComboBox::ShowDriveOf);
    }
    if (files) {
        files->SetDirectory(folders->Directory());
        QObject::connect(folders, &TDirectoryListBox::directoryChanged, files, &TFileListBox::SetDirectory);
    }
}
