#pragma once
// The options kept in the program folder: ZMUser.ini says whether Delete Graph asks first,
// the tips file (ZMTips.ini) whether its tips show at start-up.

#include "platform/ZMIniFile.h"

#include <QString>

// "ZMTips.ini".
QString TipsFileName();
// The program folder's file of that name.
IniFile TipsIni();
// Section "TipList" of a tips file, shared with the tips themselves.
QString TipsSection();

bool ConfirmDeleteOption();
void SetConfirmDeleteOption(bool on);

bool TipsEnabled(const IniFile& tips);
void SetTipsEnabled(IniFile tips, bool on);
