#pragma once
// Shared by the dialog tests: a document context, control look-up by objectName and a
// way to act inside a dialog's modal loop.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "platform/ZMHelpViewer.h"
#include "support/GraphContext.h"

template <class W>
W* Control(QDialog& d, const char* name) {
    W* w = d.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline QString TextOf(QDialog& d, const char* name) {
    if (auto* e = d.findChild<QLineEdit*>(QString::fromLatin1(name))) return e->text();
    if (auto* l = d.findChild<QLabel*>(QString::fromLatin1(name))) return l->text();
    ADD_FAILURE() << name;
    return {};
}

// Hidden by the dialog itself, whether or not the dialog is on screen.
inline bool Shown(QDialog& d, const char* name) {
    auto* w = d.findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w && !w->isHidden();
}

// One user input: text into an edit or an editable combo, "1"/"0" into a check box (clicked like
// a user when it changes), "1" into a radio button (clicked), a row number into a list-only combo
// (chosen like a user).
struct Input {
    const char* name;
    QString value;
};

inline void Apply(QDialog& d, const std::vector<Input>& inputs) {
    for (const Input& in : inputs) {
        const QString name = QString::fromLatin1(in.name);
        if (auto* e = d.findChild<QLineEdit*>(name)) {
            e->setText(in.value);
        } else if (auto* c = d.findChild<QCheckBox*>(name)) {
            if (c->isChecked() != (in.value == QLatin1String("1"))) c->click();
        } else if (auto* r = d.findChild<QRadioButton*>(name)) {
            if (in.value == QLatin1String("1") && !r->isChecked()) r->click();
        } else if (auto* b = d.findChild<QComboBox*>(name); b && b->isEditable()) {
            b->setEditText(in.value);
        } else if (b) {
            const int row = in.value.toInt();
            b->setCurrentIndex(row);
            emit b->activated(row);
        } else {
            ADD_FAILURE() << in.name;
        }
    }
}

// Runs fn once the dialog's modal loop has started; closes the dialog afterwards if fn left it
// open. Call it right before the entry operation.
inline void WhileShown(QDialog& d, std::function<void()> fn) {
    QTimer::singleShot(0, &d, [&d, fn = std::move(fn)] {
        fn();
        if (d.isVisible()) d.reject();
    });
}

// The ways to leave a dialog without its action: its cancel button (when it has one, by name),
// the close box and Esc.
inline std::vector<std::function<void(QDialog&)>> WaysToCancel(const char* cancelButton = nullptr) {
    std::vector<std::function<void(QDialog&)>> ways;
    if (cancelButton) {
        const QString name = QString::fromLatin1(cancelButton);
        ways.push_back([name](QDialog& d) { d.findChild<QAbstractButton*>(name)->click(); });
    }
    ways.push_back([](QDialog& d) { d.close(); });
    ways.push_back([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    return ways;
}

// The help window the dialog opened shows `page` at `anchor`, and the dialog stays open.
inline void ExpectHelpShown(QDialog& d, const char* page, const char* anchor) {
    auto* viewer = d.findChild<THelpViewer*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(viewer, nullptr);
    const QUrl shown = viewer->Browser()->source();
    EXPECT_TRUE(shown.path().endsWith(QLatin1Char('/') + QString::fromLatin1(page))) << shown.toString().toStdString();
    EXPECT_EQ(shown.fragment(), QString::fromLatin1(anchor));
    EXPECT_TRUE(d.isVisible());
}
