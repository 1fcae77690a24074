#pragma once
// A titled group of radio buttons, one per item, laid out down `columns` columns. Rows are the
// button ids 0..n-1 and ItemIndex is the checked row, -1 for none.
//
// Click(row) comes from the user only (a click on the checked button included); Changed(row)
// comes when another row becomes checked by the user. Setting ItemIndex from code emits neither:
// call the handler that should follow yourself.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr, int columns = 1);

    int Count() const;
    int ItemIndex() const;
    // -1 or a row outside the items checks none.
    void SetItemIndex(int row);
    // nullptr outside the items.
    QRadioButton* Button(int row) const;

signals:
    void Click(int row);
    void Changed(int row);

private:
    QButtonGroup* group_ = nullptr;
};
