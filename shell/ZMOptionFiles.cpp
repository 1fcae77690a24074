#include "shell/ZMOptionFiles.h"

#include "platform/ZMProgramDir.h"

namespace {

IniFile UserIni() { return IniFile(programFile(QStringLiteral("ZMUser.ini"))); }

}  // namespace

QString TipsFileName() { return QStringLiteral("ZMTips.ini"); }

IniFile TipsIni() { return IniFile(programFile(TipsFileName())); }

QString TipsSection() { return QStringLiteral("TipList"); }

bool ConfirmDeleteOption() { return UserIni().readBool(QStringLiteral("Options"), QStringLiteral("DeleteGraph"), false); }

void SetConfirmDeleteOption(bool on) {
    UserIni().writeBool(QStringLiteral("Options"), QStringLiteral("DeleteGraph"), on);
}

bool TipsEnabled(const IniFile& tips) { return tips.readBool(TipsSection(), QStringLiteral("Enabled"), false); }

void SetTipsEnabled(IniFile tips, bool on) { tips.writeBool(TipsSection(), QStringLiteral("Enabled"), on); }
