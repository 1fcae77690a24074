#pragma once
// The help opener every Help button, help link and Help menu item uses:
//     TCHMHelp().ShowTopic(this, "ZMHelp.chm", "ch04_01.htm#45", 1);
// The help "file" ZMHelp.chm is a folder of HTML pages in the program folder. ShowTopic opens the
// topic (page, then "#" and an anchor) in the help window owned by the calling window and returns
// at once; a missing page is reported inside that window, never to the caller.
//
// Kept in platform/ (not shell/) because the editors, tools and output dialogs call it and shell
// links them, not the other way round.

#include <QString>

#include <cstdint>

class QWidget;

class TCHMHelp {
public:
    // InProgramDir 1: FileName is a bare name in the program folder; otherwise a full path.
    // An empty Topic opens the contents page.
    void ShowTopic(QWidget* Handle, const QString& FileName, const QString& Topic, std::uint8_t InProgramDir) noexcept;
};
