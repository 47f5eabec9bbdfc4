#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace ui {

// A command button in the graphical style: the face filled with its own colour, a picture or a
// caption centred on it, the raised edge of a classic button that sinks while pressed. Space and
// Enter click it. Its focus shows as a dotted rectangle inside the face, and only once the
// player has moved through its window with the keyboard.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    PictureButton(QColor face, QPixmap picture, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_face;
    QPixmap m_picture;
};

} // namespace ui
