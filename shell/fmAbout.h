#pragma once
// "About": the product name, the version, the platform and a link to the help pages over a
// picture, centred on the desktop. Controls carry their handlers' names as objectName.

#include <QDialog>

class QLabel;
class QPushButton;
class TLinkLabel;

class TFormAbout final : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr);

    // Shows the box modally; returns true.
    bool Execute();

    // Handlers; public so that tests drive them.
    // "OK".
    void Button1Click();
    // The link: opens the product's home page.
    void Label6Click();

private:
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;  // version line
    QLabel* Label2 = nullptr;  // platform line
    TLinkLabel* Label6 = nullptr;
    QPushButton* Button1 = nullptr;
};
