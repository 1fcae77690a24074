#pragma once
// The settings of a capture series: each capture of the full-screen viewer's plane is written
// to <Directory>/<Prefix><number><extension> and then takes the next number. The viewer owns
// one for as long as it is open; the capture-job dialog edits it in place.

#include <QString>

#include <cstdint>

class TCapScreen {
public:
    // Padding never makes the number longer than this, whatever Digits says.
    static constexpr int MaxDigits = 255;

    QString Prefix = QStringLiteral("Outputpic");
    QString Directory;             // with or without a trailing separator
    std::int32_t Format = 0;       // 0 BMP, 1 EMF
    std::int32_t Index = 1;        // number of the next capture
    std::int32_t Digits = 2;       // least number of characters of the number

    // Prefix, then Index in decimal (its minus sign included) with "0"s put before it up to
    // Digits characters (at most MaxDigits). A longer number is never cut.
    QString GetFileName() const;
    // ".bmp" for BMP, ".emf" for EMF, nothing for any other format.
    QString Extension() const;
    // The file of the next capture.
    QString FilePath() const;
    // The next number; the highest integer is followed by the lowest.
    void NextIndex();
};
