#pragma once
// A small picture or text on the viewer's control panel that acts like a button: a left-button
// release inside it emits clicked(). It never takes the focus.

#include <QLabel>

class TPanelImage : public QLabel {
    Q_OBJECT
public:
    explicit TPanelImage(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
