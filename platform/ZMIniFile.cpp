#include "platform/ZMIniFile.h"

#include "engine/ZMNumber.h"
#include "platform/ZMFileWrite.h"

#include <QFile>

#include <optional>
#include <vector>

namespace {

constexpr int kMaxValueLength = 2047;

struct Line {
    QString text;  // without its line end
    QString end;   // "\r\n", "\n" or "" for a last line without one
};

QString trimBlanks(const QString& s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s.at(b).unicode() <= 0x20) ++b;
    while (e > b && s.at(e - 1).unicode() <= 0x20) --e;
    return s.mid(b, e - b);
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

struct Content {
    bool bom = false;
    std::vector<Line> lines;
};

std::optional<Content> readContent(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    Content c;
    QString all = QString::fromUtf8(f.readAll());
    if (all.startsWith(QChar(0xFEFF))) {
        c.bom = true;
        all.remove(0, 1);
    }
    std::vector<Line>& lines = c.lines;
    qsizetype pos = 0;
    while (pos < all.size()) {
        const qsizetype nl = all.indexOf(QLatin1Char('\n'), pos);
        if (nl < 0) {
            lines.push_back({all.mid(pos), QString()});
            break;
        }
        const bool cr = nl > pos && all.at(nl - 1) == QLatin1Char('\r');
        lines.push_back({all.mid(pos, nl - pos - (cr ? 1 : 0)), cr ? QStringLiteral("\r\n") : QStringLiteral("\n")});
        pos = nl + 1;
    }
    return c;
}

// The section name of a header line, or nothing.
std::optional<QString> sectionOf(const QString& text) {
    const QString t = trimBlanks(text);
    if (!t.startsWith(QLatin1Char('['))) return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return trimBlanks(close < 0 ? t.mid(1) : t.mid(1, close - 1));
}

bool isComment(const QString& text) { return trimBlanks(text).startsWith(QLatin1Char(';')); }

// The key of a key line, or nothing.
std::optional<QString> keyOf(const QString& text) {
    if (isComment(text) || sectionOf(text)) return std::nullopt;
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq < 0) return std::nullopt;
    return trimBlanks(text.left(eq));
}

QString valueOf(const QString& text) {
    QString v = trimBlanks(text.mid(text.indexOf(QLatin1Char('=')) + 1));
    if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"'))) v = v.mid(1, v.size() - 2);
    return v.left(kMaxValueLength);
}

void writeContent(const QString& path, const Content& c) {
    QString all;
    if (c.bom) all += QChar(0xFEFF);
    for (const Line& l : c.lines) all += l.text + l.end;
    writeWholeFile(path, all.toUtf8());
}

}  // namespace

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const {
    const auto content = readContent(path_);
    if (!content) return def;
    bool inSection = false;
    for (const Line& l : content->lines) {
        if (const auto s = sectionOf(l.text)) {
            inSection = sameName(*s, section);
        } else if (inSection) {
            const auto k = keyOf(l.text);
            if (k && sameName(*k, key)) return valueOf(l.text);
        }
    }
    return def;
}

int IniFile::readInt(const QString& section, const QString& key, int def) const {
    const QString text = readString(section, key, QString());
    int32_t v = 0;
    return zm::TryStrToInt(text.toStdString(), v) ? v : def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const {
    return readInt(section, key, def ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    Content content = readContent(path_).value_or(Content{});
    std::vector<Line>& lines = content.lines;
    QString eol = QStringLiteral("\n");
    for (const Line& l : lines) {
        if (!l.end.isEmpty()) {
            eol = l.end;
            break;
        }
    }
    const QString keyLine = key + QLatin1Char('=') + value;

    std::optional<size_t> header;    // header of the first matching section
    std::optional<size_t> lastKey;   // its last key line
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const QString& text = lines[i].text;
        if (const auto s = sectionOf(text)) {
            inSection = !header && sameName(*s, section);
            if (inSection) header = i;
            continue;
        }
        if (!inSection) continue;
        if (const auto k = keyOf(text)) {
            if (sameName(*k, key)) {
                lines[i].text = text.left(text.indexOf(QLatin1Char('=')) + 1) + value;
                writeContent(path_, content);
                return;
            }
            lastKey = i;
        }
    }

    if (header) {
        const size_t after = lastKey.value_or(*header);
        if (lines[after].end.isEmpty()) lines[after].end = eol;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after) + 1, Line{keyLine, eol});
    } else {
        if (!lines.empty() && lines.back().end.isEmpty()) lines.back().end = eol;
        lines.push_back({QLatin1Char('[') + section + QLatin1Char(']'), eol});
        lines.push_back({keyLine, eol});
    }
    writeContent(path_, content);
}

void IniFile::writeInt(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
