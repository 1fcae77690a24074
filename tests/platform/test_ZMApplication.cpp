#include "platform/ZMApplication.h"

#include "platform/ZMError.h"
#include "platform/ZMFileWrite.h"
#include "platform/ZMGuard.h"
#include "support/MessageRecorder.h"
#include "support/SmallFileLimit.h"
#include "support/XmlTestHelpers.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>

namespace {

class Thrower : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw ZmError("'abc' is not a valid integer value");
        return QObject::event(e);
    }
};

}  // namespace

TEST(Application, IsTheRunningApplicationAndCarriesTheTitle) {
    ASSERT_NE(ZMApplication::instance(), nullptr);
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Zorvik Mendal"));
}

// The test program's application object is the program's own, made at start-up as in main().
TEST(Application, AWritePastTheFileSizeLimitFailsInsteadOfEndingTheProgram) {
    struct sigaction now {};
    ASSERT_EQ(sigaction(SIGXFSZ, nullptr, &now), 0);
    ASSERT_EQ(now.sa_handler, SIG_IGN) << "the default action of SIGXFSZ ends the process";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.xml"));
    const SmallFileLimit limit(10);
    EXPECT_EQ(errorOf([&] { writeWholeFile(path, QByteArray(1000, 'z')); }),
              "Cannot create file \"" + path.toStdString() + "\". File too large");
}

TEST(Application, ErrorBoxIsCriticalWithOkCaptionedWithTheTitleAndTheTextAsRaised) {
    QWidget owner;
    MessageRecorder rec;
    applicationError(&owner, QStringLiteral("Element does not contain a single text node"));
    ASSERT_EQ(rec.count(), 1);
    const MessageRequest r = rec.last();
    EXPECT_EQ(r.kind, MsgKind::Error);
    EXPECT_EQ(r.caption, QStringLiteral("Zorvik Mendal"));
    EXPECT_EQ(r.text, QStringLiteral("Element does not contain a single text node"));
    EXPECT_EQ(r.buttons, MsgButtons::Ok);
    EXPECT_EQ(r.parent, &owner);
}

TEST(Application, GuardedShowsEachKindOfEscapingErrorAndReturns) {
    QWidget owner;
    MessageRecorder rec;
    int after = 0;
    guarded(&owner, [] { throw ZmError("'1,5' is not a valid floating point value"); });
    guarded(&owner, [] { throw std::runtime_error("plain"); });
    guarded(&owner, [] { throw 42; });
    guarded(&owner, [&after] { ++after; });
    EXPECT_EQ(after, 1);
    EXPECT_EQ(rec.texts(), (QStringList{"'1,5' is not a valid floating point value", "plain", "Unknown error"}));
    for (const MessageRequest& r : rec.boxes()) {
        EXPECT_EQ(r.caption, QStringLiteral("Zorvik Mendal"));
        EXPECT_EQ(r.parent, &owner);
    }
}

TEST(Application, NotifyCatchesWhatEscapesAnEventHandlerAndTheLoopGoesOn) {
    MessageRecorder rec;
    Thrower t;
    QEvent ev(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&t, &ev));
    EXPECT_EQ(rec.texts(), QStringList{"'abc' is not a valid integer value"});
    EXPECT_EQ(rec.last().caption, QStringLiteral("Zorvik Mendal"));

    // A slot of a clicked button and a timer slot, both run from the event loop.
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, [] { throw ZmError("from a click"); });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(button.isDown());
    bool ticked = false;
    QTimer::singleShot(0, &button, [] { throw ZmError("from a timer"); });
    QTimer::singleShot(5, &button, [&ticked] { ticked = true; });
    QTest::qWait(50);
    EXPECT_TRUE(ticked);
    EXPECT_EQ(rec.texts(), (QStringList{"'abc' is not a valid integer value", "from a click", "from a timer"}));
}
