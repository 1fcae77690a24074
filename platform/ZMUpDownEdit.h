#pragma once
// An edit with up and down arrows bound to it. The arrows (and the Up and Down keys in the edit)
// step a position between Min and Max and write it into the edit. Typing is not limited: a typed
// 15 stays in the edit while the arrows stop at 10. A step starts from the edit's value when that
// is an integer within the range, otherwise from the last position.

#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDownEdit : public QWidget {
    Q_OBJECT
public:
    UpDownEdit(int min, int max, QWidget* parent = nullptr);

    QLineEdit* Edit() const { return edit_; }
    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }

    // The edit shows `value` as typed and the arrows stand at it, kept within the range.
    void SetValue(int value);
    // One step up (+1) or down (-1); the edit then shows the new position.
    void Step(int delta);

signals:
    // The user stepped with an arrow button or the Up or Down key (after the step).
    void stepped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A step by an arrow button or key, announced by `stepped`.
    void UserStep(int delta);

    int min_;
    int max_;
    int position_;
    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
};
