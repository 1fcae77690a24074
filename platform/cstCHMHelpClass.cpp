#include "platform/cstCHMHelpClass.h"

#include "platform/ZMHelpViewer.h"
#include "platform/ZMProgramDir.h"

void TCHMHelp::ShowTopic(QWidget* Handle, const QString& FileName, const QString& Topic,
                         std::uint8_t InProgramDir) noexcept {
    try {
        const QString file = InProgramDir == 1 ? programFile(FileName) : FileName;
        const qsizetype hash = Topic.indexOf(QLatin1Char('#'));
        const QString page = hash < 0 ? Topic : Topic.left(hash);
        const QString anchor = hash < 0 ? QString() : Topic.mid(hash + 1);
        THelpViewer::ForOwner(Handle)->ShowPage(file, page, anchor);
    } catch (...) {
        // Help failures are shown by the viewer or not at all; the caller never sees them.
    }
}
