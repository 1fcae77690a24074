#include "platform/ZMMessage.h"

#include "platform/ZMApplication.h"
#include "support/MessageRecorder.h"
#include "support/NextModal.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct BoxCase {
    MsgButtons buttons;
    QMessageBox::StandardButtons shown;
    QMessageBox::StandardButton defaultButton;
    MsgResult enter;
    MsgResult escape;
};

const BoxCase kBoxCases[] = {
    {MsgButtons::Ok, QMessageBox::Ok, QMessageBox::Ok, MsgResult::Ok, MsgResult::Ok},
    {MsgButtons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, MsgResult::Ok, MsgResult::Cancel},
    {MsgButtons::YesNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, MsgResult::Yes, MsgResult::No},
    {MsgButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
     MsgResult::Yes, MsgResult::Cancel},
};

struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
    QWidget* parent = nullptr;
};

// Shows a real box and answers it with `key` once it is up.
MsgResult showAndPress(QWidget* parent, MsgKind kind, const QString& text, MsgButtons buttons, Qt::Key key,
                       Seen& seen) {
    const NextModal answer([&seen, key](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box) {
            w->close();
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.format = box->textFormat();
        seen.buttons = box->standardButtons();
        seen.defaultButton = box->standardButton(box->defaultButton());
        seen.escapeButton = box->standardButton(box->escapeButton());
        seen.parent = box->parentWidget();
        QTest::keyClick(box, key);
    });
    return message(parent, kind, text, buttons);
}

}  // namespace

TEST(Message, RealBoxSetsDefaultAndEscapeButtonsForEveryButtonSet) {
    for (const BoxCase& c : kBoxCases) {
        Seen seen;
        EXPECT_EQ(showAndPress(nullptr, MsgKind::Confirmation, QStringLiteral("Go on?"), c.buttons, Qt::Key_Return, seen),
                  c.enter);
        EXPECT_EQ(seen.buttons, c.shown);
        EXPECT_EQ(seen.defaultButton, c.defaultButton);
        EXPECT_EQ(showAndPress(nullptr, MsgKind::Confirmation, QStringLiteral("Go on?"), c.buttons, Qt::Key_Escape, seen),
                  c.escape);
        EXPECT_EQ(defaultResult(c.buttons), c.enter);
        EXPECT_EQ(escapeResult(c.buttons), c.escape);
    }
}

TEST(Message, RealBoxCaptionIconAndPlainTextByKind) {
    struct Case {
        MsgKind kind;
        const char* caption;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {MsgKind::Warning, "Warning", QMessageBox::Warning},
        {MsgKind::Error, "Error", QMessageBox::Critical},
        {MsgKind::Information, "Information", QMessageBox::Information},
        {MsgKind::Confirmation, "Confirm", QMessageBox::Question},
    };
    QDialog owner;
    owner.show();
    const QString markup = QStringLiteral("'<b>x</b>' is not a valid integer value");
    for (const Case& c : cases) {
        Seen seen;
        showAndPress(&owner, c.kind, markup, MsgButtons::Ok, Qt::Key_Return, seen);
        EXPECT_EQ(seen.title, QString::fromUtf8(c.caption));
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.text, markup);
        EXPECT_EQ(seen.format, Qt::PlainText);
        EXPECT_EQ(seen.parent, &owner);
    }
}

TEST(Message, RecorderRecordsAndAnswersFromItsScriptThenWithTheDefault) {
    QWidget owner;
    MessageRecorder rec;
    rec.answer(MsgResult::No);
    rec.answer(MsgResult::Cancel);
    EXPECT_EQ(message(&owner, MsgKind::Confirmation, QStringLiteral("Delete?"), MsgButtons::YesNoCancel), MsgResult::No);
    EXPECT_EQ(message(&owner, MsgKind::Warning, QStringLiteral("Bad"), MsgButtons::OkCancel), MsgResult::Cancel);
    EXPECT_EQ(message(nullptr, MsgKind::Information, QStringLiteral("Done")), MsgResult::Ok);
    EXPECT_EQ(message(nullptr, MsgKind::Confirmation, QStringLiteral("Sure?"), MsgButtons::YesNo), MsgResult::Yes);
    ASSERT_EQ(rec.count(), 4);
    const MessageRequest& first = rec.boxes()[0];
    EXPECT_EQ(first.parent, &owner);
    EXPECT_EQ(first.kind, MsgKind::Confirmation);
    EXPECT_EQ(first.caption, QStringLiteral("Confirm"));
    EXPECT_EQ(first.buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(rec.texts(), (QStringList{"Delete?", "Bad", "Done", "Sure?"}));
    EXPECT_EQ(rec.boxes()[1].caption, QStringLiteral("Warning"));
}

TEST(Message, RecordersNestAndPutThePreviousSinkBack) {
    MessageRecorder outer;
    {
        MessageRecorder inner;
        message(nullptr, MsgKind::Information, QStringLiteral("inner"));
        EXPECT_EQ(inner.count(), 1);
    }
    message(nullptr, MsgKind::Information, QStringLiteral("outer"));
    EXPECT_EQ(outer.texts(), QStringList{"outer"});
}
