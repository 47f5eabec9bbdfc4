#pragma once

#include <QList>
#include <QWidget>

class QAbstractButton;

namespace ui {

// The board's sixteen buttons, held together. The arrow keys move the focus from a button to the
// one on the neighbouring place as the board stands now, without wrapping at the edges. A screen
// reader meets the buttons as one group, "Tablero", in the order of the places, row by row,
// whichever tile stands where.
class TileBoard : public QWidget
{
    Q_OBJECT
public:
    explicit TileBoard(QWidget *parent);

    // Its buttons by place: the top row first, each row from left to right.
    QList<QAbstractButton *> buttonsByPlace() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace ui
