#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace ui {

// A command button in the graphical style: the face filled with its own colour, a picture or a
// caption centred on it, the raised edge of a classic button that sinks while pressed.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    PictureButton(QColor face, QPixmap picture, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_face;
    QPixmap m_picture;
};

} // namespace ui
