#pragma once
// "Tip of the Day": shows one tip of the tips file at a time. The file (section "TipList") holds
// "Enabled", "TipCount", "TipNum" (the tip shown last) and the tips "Tip1" ... "Tip<TipCount>".
// Controls carry their handlers' names as objectName; the handlers work without exec().

#include <QDialog>
#include <QString>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

// The tip after `TipNum`: 1, 2, ..., TipCount, then 1 again; 1 when TipCount is 0 or less or
// TipNum is out of range. Never overflows.
int NextTipNumber(int TipNum, int TipCount);

class TFormShowTips final : public QDialog {
    Q_OBJECT
public:
    explicit TFormShowTips(QWidget* parent = nullptr);

    // TipsPath := the program folder's file FileName; shows the dialog modally only when the
    // file's "Enabled" is set. Returns true.
    bool Execute(const QString& FileName);

    // Full path of the tips file.
    QString TipsPath;
    int TipCount = 0;
    // The tip on display.
    int TipNum = 0;

    // Handlers; public so that tests drive them.
    // Reads the count and the last tip shown, then shows the next tip.
    void FormShow();
    // "Next Tip".
    void Button1Click();
    // "OK": stores the check box as "Enabled" and the tip on display as "TipNum", then closes.
    void Button2Click();
    void NextTipIndex();
    void ShowTip();

private:
    QPlainTextEdit* Memo1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
