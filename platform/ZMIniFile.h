#pragma once
// A small INI file reader and writer with the semantics of the classic profile functions
// (QSettings rewrites, sorts and unescapes, so it does not fit).
//
// Reading: section and key names compare case-insensitively, the first match wins, keys and values
// are trimmed, a value wholly in double quotes loses them, lines starting with ";" are comments,
// values are cut at 2047 characters, and a missing file, section or key gives the default.
// Reading never throws.
//
// Writing replaces the value of an existing key line in place, else inserts the key after the last
// key line of its section, else appends the section and the key at the end. Every other byte and
// the file's line-end style are kept ("\n" for a new file); the file is UTF-8. A failed write
// raises the ZmError of writeWholeFile and keeps the file as it was. The file is read afresh by
// every call.

#include <QString>

#include <utility>

class IniFile {
public:
    explicit IniFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    QString readString(const QString& section, const QString& key, const QString& def) const;
    // readString followed by the integer grammar; a non-integer gives `def`.
    int readInt(const QString& section, const QString& key, int def) const;
    // readInt(def ? 1 : 0) != 0.
    bool readBool(const QString& section, const QString& key, bool def) const;

    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInt(const QString& section, const QString& key, int value);
    // "1" or "0".
    void writeBool(const QString& section, const QString& key, bool value);

private:
    QString path_;
};
