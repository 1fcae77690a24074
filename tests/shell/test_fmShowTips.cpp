// Tip of the Day: the rotation over stored numbers, when the dialog shows, what "OK" and closing
// write, tips shown as stored, a failed write, and the tips file that ships with the program. The
// menu paths and shortcuts that the tips and the help pages name are those of the main window.

#include "shell/fmShowTips.h"

#include "platform/ZMIniFile.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/SmallFileLimit.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/shell/SettingsFolder.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <climits>
#include <functional>

namespace {

TEST(NextTipNumberTest, RunsFromOneToTheCountAndStartsOverOutsideIt) {
    const struct {
        int tipNum;
        int tipCount;
        int next;
    } cases[] = {
        {1, 3, 2},       {2, 3, 3},          {3, 3, 1},         {0, 3, 1},       {-4, 3, 1},
        {9, 3, 1},       {INT_MAX, 3, 1},    {INT_MIN, 3, 1},   {1, 0, 1},       {5, -2, 1},
        {INT_MAX - 1, INT_MAX, INT_MAX},     {INT_MAX, INT_MAX, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(NextTipNumber(c.tipNum, c.tipCount), c.next) << c.tipNum << " of " << c.tipCount;
}

class ShowTipsTest : public ::testing::Test {
protected:
    // Opens the dialog on `ini` as Execute does, without a modal loop.
    void Open(const QByteArray& ini) {
        folder.Write("ZMTips.ini", ini);
        dialog.TipsPath = folder.Path("ZMTips.ini");
        dialog.FormShow();
    }
    // Execute on "ZMTips.ini", running `fn` inside the modal loop; false when the dialog did not show.
    bool Run(const std::function<void()>& fn) {
        bool shown = false;
        const QObject pending;  // a dialog that never showed leaves no call behind
        QTimer::singleShot(0, &pending, [&] {
            shown = true;
            fn();
            if (dialog.isVisible()) dialog.reject();
        });
        EXPECT_TRUE(dialog.Execute(QStringLiteral("ZMTips.ini")));
        return shown;
    }
    QString Memo() { return Control<QPlainTextEdit>(dialog, "Memo1")->toPlainText(); }
    void Click(const char* name) { Control<QPushButton>(dialog, name)->click(); }
    QString Next() {
        Click("Button1");
        return Memo();
    }

    SettingsFolder folder;
    MessageRecorder boxes;
    TFormShowTips dialog;
};

TEST_F(ShowTipsTest, OpensOnTheTipAfterTheStoredOneAndRotates) {
    // Stored "TipCount" and "TipNum" (null: no key) with the tips "one", "two", "three".
    const struct {
        const char* tipCount;
        const char* tipNum;
        QStringList shown;  // on opening, then after "Next Tip" twice
    } cases[] = {
        {"3", "3", {"one", "two", "three"}},
        {"3", "2", {"three", "one", "two"}},
        {"3", "0", {"one", "two", "three"}},
        {"3", "-4", {"one", "two", "three"}},
        {"3", "9", {"one", "two", "three"}},
        {"3", "2147483647", {"one", "two", "three"}},
        {"3", nullptr, {"two", "three", "one"}},  // "TipNum" defaults to 1
        {"3", "1.5", {"two", "three", "one"}},
        {"3", "two", {"two", "three", "one"}},
        {"0", "1", {"one", "one", "one"}},
        {"-2", "5", {"one", "one", "one"}},
        {"3x", "2", {"one", "one", "one"}},  // "TipCount" defaults to 0
        {nullptr, "2", {"one", "one", "one"}},
    };
    for (const auto& c : cases) {
        QByteArray ini = "[TipList]\nEnabled=1\nTip1=one\nTip2=two\nTip3=three\n";
        if (c.tipCount) ini += QByteArray("TipCount=") + c.tipCount + "\n";
        if (c.tipNum) ini += QByteArray("TipNum=") + c.tipNum + "\n";
        Open(ini);
        QStringList shown{Memo()};
        shown << Next() << Next();
        EXPECT_EQ(shown, c.shown) << (c.tipCount ? c.tipCount : "-") << "/" << (c.tipNum ? c.tipNum : "-");
        EXPECT_TRUE(Control<QCheckBox>(dialog, "CheckBox1")->isChecked());
    }
}

TEST_F(ShowTipsTest, ShowsATipExactlyAsStoredAndAnEmptyMemoForAMissingOne) {
    Open("[TipList]\nTipCount=3\nTipNum=3\n"
         "Tip1=Type \"?1+2\", then Enter; the answer is =3, 'quoted' or not\n"
         "Tip3=\n");
    EXPECT_EQ(Memo(), QStringLiteral("Type \"?1+2\", then Enter; the answer is =3, 'quoted' or not"));
    EXPECT_EQ(Next(), QString());  // no Tip2
    EXPECT_EQ(Next(), QString());  // Tip2 empty
    EXPECT_EQ(dialog.TipNum, 3);
}

TEST_F(ShowTipsTest, ShowsOnlyWhenTipsAreEnabled) {
    // The file's content; null: no file.
    const struct {
        const char* ini;
        bool shown;
    } cases[] = {
        {nullptr, false},
        {"[TipList]\nTipCount=1\nTip1=one\n", false},
        {"[TipList]\nEnabled=0\nTipCount=1\nTip1=one\n", false},
        {"[TipList]\nEnabled=yes\nTipCount=1\nTip1=one\n", false},
        {"[Other]\nEnabled=1\n", false},
        {"[TipList]\nEnabled=1\nTipCount=1\nTip1=one\n", true},
        {"[tiplist]\nenabled=2\nTipCount=1\nTip1=one\n", true},
    };
    for (const auto& c : cases) {
        if (c.ini) folder.Write("ZMTips.ini", c.ini);
        QString memo;
        EXPECT_EQ(Run([&] { memo = Memo(); }), c.shown) << (c.ini ? c.ini : "no file");
        EXPECT_EQ(memo, c.shown ? QStringLiteral("one") : QString());
        EXPECT_EQ(dialog.TipsPath, folder.Path("ZMTips.ini"));
    }
}

TEST_F(ShowTipsTest, OkStoresTheCheckBoxAndTheTipShownAndKeepsEveryOtherByte) {
    const QByteArray before = "; tips\r\n[TipList]\r\nEnabled = 1\r\nTipCount=3\r\nTipNum=3\r\n"
                              "Tip1=one\r\nTip2=two\r\nTip3=three\r\n\r\n[Other]\r\nTipNum=7\r\n";
    folder.Write("ZMTips.ini", before);
    ASSERT_TRUE(Run([&] {
        EXPECT_EQ(Memo(), QStringLiteral("one"));
        EXPECT_EQ(Next(), QStringLiteral("two"));
        Control<QCheckBox>(dialog, "CheckBox1")->click();
        Click("Button2");
        EXPECT_FALSE(dialog.isVisible());
    }));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    QByteArray after = before;
    after.replace("Enabled = 1", "Enabled =0").replace("TipNum=3", "TipNum=2");
    EXPECT_EQ(folder.Read("ZMTips.ini"), after);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(ShowTipsTest, EscAndTheCloseBoxWriteNothing) {
    const QByteArray before = "[TipList]\nEnabled=1\nTipCount=3\nTipNum=1\nTip1=one\nTip2=two\nTip3=three\n";
    const std::function<void(QDialog&)> ways[] = {
        [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](QDialog& d) { d.close(); },
    };
    for (const auto& close : ways) {
        folder.Write("ZMTips.ini", before);
        ASSERT_TRUE(Run([&] {
            Control<QCheckBox>(dialog, "CheckBox1")->click();
            EXPECT_EQ(Next(), QStringLiteral("three"));
            close(dialog);
            EXPECT_FALSE(dialog.isVisible());
        }));
        EXPECT_EQ(folder.Read("ZMTips.ini"), before);
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(ShowTipsTest, AFailedWriteShowsTheErrorAndKeepsTheDialogAndTheFile) {
    const QByteArray before = "[TipList]\nEnabled=1\nTipCount=2\nTipNum=1\nTip1=one\nTip2=two\n";
    folder.Write("ZMTips.ini", before);
    ASSERT_TRUE(Run([&] {
        {
            const SmallFileLimit limit(8);
            Click("Button2");
        }
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Memo(), QStringLiteral("two"));
    }));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().kind, MsgKind::Error);
    EXPECT_EQ(boxes.last().text, QStringLiteral("Cannot create file \"%1\". File too large").arg(folder.Path("ZMTips.ini")));
    EXPECT_EQ(folder.Read("ZMTips.ini"), before);
}

TEST(ShippedTipsTest, CountMatchesTheTipsAndTheFirstStartShowsTipOne) {
    const QString path = QStringLiteral(ZM_SOURCE_DIR "/resources/ZMTips.ini");
    const IniFile tips(path);
    const QString section = QStringLiteral("TipList");
    EXPECT_TRUE(tips.readBool(section, QStringLiteral("Enabled"), false));
    const int count = tips.readInt(section, QStringLiteral("TipCount"), 0);
    ASSERT_GE(count, 1);
    EXPECT_EQ(NextTipNumber(tips.readInt(section, QStringLiteral("TipNum"), 1), count), 1);
    for (int n = 1; n <= count; ++n) {
        const QString tip = tips.readString(section, QStringLiteral("Tip%1").arg(n), QString());
        EXPECT_FALSE(tip.isEmpty()) << n;
        EXPECT_LT(tip.size(), 2047) << n;  // shorter than the cut, so nothing was cut
    }
    EXPECT_EQ(tips.readString(section, QStringLiteral("Tip%1").arg(count + 1), QStringLiteral("none")), QStringLiteral("none"));

    // Every tip key is one of Tip1 ... TipCount, and no tip is wrapped in quotes.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    int keys = 0;
    const QRegularExpression tipLine(QStringLiteral("^Tip(\\d+)=(.*)$"));
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QRegularExpressionMatch m = tipLine.match(QString::fromUtf8(line));
        if (!m.hasMatch()) continue;
        ++keys;
        EXPECT_LE(m.captured(1).toInt(), count) << line.constData();
        EXPECT_FALSE(m.captured(2).startsWith(QLatin1Char('"'))) << line.constData();
    }
    EXPECT_EQ(keys, count);
}

// A menu caption as shown: "&&" is an ampersand, a single "&" marks the accelerator.
QString ShownCaption(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    return caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Follows the menu path that starts with the item of `menu` at the head of `rest`, as in
// "Add Graph (Ctrl+G) draws ..." or "Set Default Coordinate > Standard Intervals". Returns the
// length of text it took, or 0 with a failure when the path or its shortcut is not the menu's.
qsizetype FollowMenuPath(const QMenu* menu, const QString& rest, const QString& tip) {
    const QAction* item = nullptr;
    QString caption;
    for (const QAction* a : menu->actions()) {
        const QString c = ShownCaption(a->text());
        if (a->isSeparator() || c.isEmpty() || !rest.startsWith(c) || c.size() <= caption.size()) continue;
        if (rest.size() > c.size() && rest[c.size()].isLetterOrNumber()) continue;
        item = a;
        caption = c;
    }
    if (!item) {
        ADD_FAILURE() << "no item of " << ShownCaption(menu->title()).toStdString() << " at \""
                      << rest.left(40).toStdString() << "\" in: " << tip.left(200).toStdString();
        return 0;
    }
    const QString after = rest.mid(caption.size());
    const QString next = QStringLiteral(" > ");
    if (after.startsWith(next)) {
        if (!item->menu()) {
            ADD_FAILURE() << caption.toStdString() << " has no sub-menu, in: " << tip.toStdString();
            return 0;
        }
        const qsizetype taken = FollowMenuPath(item->menu(), after.mid(next.size()), tip);
        return taken ? caption.size() + next.size() + taken : 0;
    }
    static const QRegularExpression shortcut(QStringLiteral("^ \\(((?:Ctrl\\+|Alt\\+|Shift\\+)*\\w+)\\)"));
    const QRegularExpressionMatch m = shortcut.match(after);
    if (m.hasMatch()) {
        EXPECT_EQ(m.captured(1).toStdString(), item->shortcut().toString().toStdString()) << tip.toStdString();
    }
    return caption.size();
}

// Follows every menu path in `text` that starts at a menu of `bar`. Returns how many of the
// text's " > " those paths took.
qsizetype FollowMenuPaths(const QMenuBar* bar, const QString& text) {
    const QString next = QStringLiteral(" > ");
    qsizetype covered = 0;
    for (const QAction* top : bar->actions()) {
        const QString title = ShownCaption(top->text());
        for (qsizetype at = text.indexOf(title + next); at >= 0; at = text.indexOf(title + next, at + 1)) {
            if (at > 0 && text[at - 1].isLetterOrNumber()) continue;
            const qsizetype start = at + title.size() + next.size();
            const qsizetype taken = FollowMenuPath(top->menu(), text.mid(start), text);
            covered += 1 + text.mid(start, taken).count(next);
        }
    }
    return covered;
}

TEST_F(MainWindowTest, ShippedTipsNameMenuPathsAndShortcutsOfTheMainWindow) {
    const IniFile tips(QStringLiteral(ZM_SOURCE_DIR "/resources/ZMTips.ini"));
    const QString section = QStringLiteral("TipList");
    const int count = tips.readInt(section, QStringLiteral("TipCount"), 0);
    ASSERT_GE(count, 1);
    for (int n = 1; n <= count; ++n) {
        const QString tip = tips.readString(section, QStringLiteral("Tip%1").arg(n), QString());
        // Every " > " of a tip belongs to a path that starts at a menu of the menu bar.
        EXPECT_EQ(FollowMenuPaths(frame->menuBar(), tip), tip.count(QStringLiteral(" > ")))
            << "a path that starts at no menu, in Tip" << n << ": " << tip.toStdString();
    }
}

TEST_F(MainWindowTest, ShippedHelpPagesNameMenuPathsOfTheMainWindow) {
    const QDir pages(QStringLiteral(ZM_SOURCE_DIR "/resources/programdir/ZMHelp.chm"));
    const QStringList names = pages.entryList({QStringLiteral("*.htm")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    int paths = 0;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile file(pages.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        // The page as read: no tags, entities resolved, line breaks and runs of blanks as one blank.
        QString text = QString::fromUtf8(file.readAll());
        text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        text.replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&lt;"), QStringLiteral("<"));
        text.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        text = text.simplified();
        paths += static_cast<int>(FollowMenuPaths(frame->menuBar(), text));
    }
    EXPECT_GT(paths, 0);  // the pages do name menu paths
}

}  // namespace
