#pragma once
// A drive box, a folder list and a file list for dialogs that browse the file system, filled
// synchronously from QDir so that what they show is known as soon as a call returns.
//
// - TDriveComboBox lists the mount points, "/" first; choosing one emits driveChanged.
// - TDirectoryListBox shows the current folder's ancestors from "/" down, indented, then its
//   subfolders; a double click (or Enter) on a folder makes it the current one.
// - TFileListBox lists the files of one folder that match a mask, ignoring case.
// LinkFileBrowse wires them so that the drive drives the folder list and the folder list the
// file list and the drive box. Hidden entries are not listed.

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>

class TDriveComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TDriveComboBox(QWidget* parent = nullptr);

    // Reads the mount points again.
    void Refresh();
    // The mount point shown; "" when there is none.
    QString Drive() const;
    // Shows the mount point that holds `path`, without emitting driveChanged.
    void ShowDriveOf(const QString& path);

signals:
    // The user chose a mount point.
    void driveChanged(const QString& root);
};

class TDirectoryListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TDirectoryListBox(QWidget* parent = nullptr);

    // The current folder: absolute, clean, without a trailing "/" (except "/" itself).
    QString Directory() const { return directory_; }
    // Makes `path` current (the nearest existing folder above it when it is not a folder) and
    // lists it again; emits directoryChanged when the current folder changed.
    void SetDirectory(const QString& path);
    // The full path of each row, in row order.
    QString PathAt(int row) const;

signals:
    void directoryChanged(const QString& path);

private:
    void Fill();

    QString directory_;
};

class TFileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TFileListBox(QWidget* parent = nullptr);

    QString Directory() const { return directory_; }
    void SetDirectory(const QString& path);
    // Name patterns such as "*.xml", separated by ";".
    QString Mask() const { return mask_; }
    void SetMask(const QString& mask);
    // Lists the folder again.
    void Refresh();
    // The full path of the selected file; "" when none is selected.
    QString FileName() const;

private:
    QString directory_;
    QString mask_ = QStringLiteral("*");
};

// Either of `drive` and `files` may be null.
void LinkFileBrowse(TDriveComboBox* drive, TDirectoryListBox* folders, TFileListBox* files);
