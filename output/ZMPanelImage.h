#pragma once
// A small picture or text on the viewer's control panel that acts like a button: a left-button
// release inside it emits clicked(). It never takes the focus.

#include <QLabel>
#include <QPixmap>

class TPanelImage : public QLabel {
    Q_OBJECT
public:
    explicit TPanelImage(QWidget* parent = nullptr);

    // The pictures of our own: a triangle pointing to the previous or the next slide.
    enum class Picture { PreviousSlide, NextSlide };
    static QPixmap Draw(Picture picture);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
