// The Help menu of the main window.
#include "shell/fmMain.h"

#include "platform/cstCHMHelpClass.h"
#include "shell/ZMWebAddresses.h"

void TFormMain::ShowHelpTopic(const QString& topic) {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), topic, 1);
}

void TFormMain::Contents1Click() { ShowHelpTopic(QStringLiteral("about.htm")); }
void TFormMain::QuickReference1Click() { ShowHelpTopic(QStringLiteral("quickref.htm")); }
void TFormMain::OnlineReference1Click() { OpenWebAddress(kHomePageAddress); }
void TFormMain::CheckforUpdates1Click() { OpenWebAddress(kDownloadPageAddress); }
void TFormMain::OnlineFlashTutorial1Click() { OpenWebAddress(kTutorialPageAddress); }
