#pragma once
// A label that acts like a button: bold, underlined, blue text with the hand cursor. Releasing
// the left mouse button over it emits clicked().

#include <QLabel>

class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
