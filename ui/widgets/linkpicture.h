#pragma once

#include "ui/widgets/picturebox.h"

namespace ui {

// A picture that opens a web page when clicked, or on Space or Enter once Tab has reached it,
// under the pointing hand. A screen reader meets it as a link named `name` with the address as
// its description.
class LinkPicture : public PictureBox
{
    Q_OBJECT
public:
    LinkPicture(QPixmap picture, Border border, QColor background, const QString &name,
                QString address, QWidget *parent);

    // Opens the page, as a click does: the handler <objectName>_Click. A start that fails is
    // told to the player and the game goes on.
    void open();

private:
    QString m_address;
};

} // namespace ui
