#pragma once
// "Options": whether Delete Graph asks first (ZMUser.ini) and whether tips show at start-up
// (ZMTips.ini). Controls carry their handlers' names as objectName; the handlers work without
// exec().

#include <QDialog>

class QCheckBox;
class QPushButton;

class TFormSetOption final : public QDialog {
    Q_OBJECT
public:
    explicit TFormSetOption(QWidget* parent = nullptr);

    // Shows the dialog modally; true whatever the user did.
    bool Execute();

    // Handlers; public so that tests drive them.
    // Loads both check boxes from their files.
    void FormShow();
    // "OK": writes ZMUser.ini, then ZMTips.ini, then closes.
    void Button1Click();
    // "Cancel" (also Esc and the close box): closes without writing.
    void Button2Click();

private:
    QCheckBox* CheckBox1 = nullptr;  // Delete Graph
    QCheckBox* CheckBox2 = nullptr;  // Show Tips on Startup
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
