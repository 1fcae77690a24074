#include "output/ZMCapScreen.h"

#include <QDir>

#include <algorithm>

QString TCapScreen::GetFileName() const {
    const QString number = QString::number(Index);
    const int width = std::min(Digits, MaxDigits);
    return Prefix + QString(std::max<qsizetype>(width - number.size(), 0), QLatin1Char('0')) + number;
}

QString TCapScreen::Extension() const {
    switch (Format) {
    case 0: return QStringLiteral(".bmp");
    case 1: return QStringLiteral(".emf");
    default: return {};
    }
}

QString TCapScreen::FilePath() const { return QDir(Directory).filePath(GetFileName() + Extension()); }

void TCapScreen::NextIndex() { Index = static_cast<std::int32_t>(static_cast<std::uint32_t>(Index) + 1u); }
