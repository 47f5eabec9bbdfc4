#include "ui/windows/layout.h"

#include "ui/widgets/frame.h"
#include "ui/widgets/handcursor.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/picturebox.h"
#include "ui/widgets/picturebutton.h"
#include "ui/windows/twips.h"

#include <QLabel>

namespace ui {

QFont fontOf(const Font &font)
{
    QFont result(QString::fromLatin1(font.family));
    result.setPixelSize(fontPixels(font.points));
    result.setBold(font.bold);
    return result;
}

namespace {

QColor windowBackground(const QWidget *client)
{
    return client->palette().color(QPalette::Base);
}

QWidget *makeControl(const Control &c, QWidget *parent, QWidget *client)
{
    const QString text = QString::fromUtf8(c.text);
    const QColor color = QColor::fromRgb(c.color);
    switch (c.kind) {
    case Control::Kind::Frame:
        return new Frame(text, color, QColor::fromRgb(c.background.value_or(cream)), parent);
    case Control::Kind::Label: {
        auto *label = new QLabel(text, parent);
        label->setWordWrap(!c.fitWidth);
        label->setAlignment(c.align | Qt::AlignTop);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, color);
        if (c.background) {
            palette.setColor(QPalette::Window, QColor::fromRgb(*c.background));
            label->setAutoFillBackground(true);
        }
        label->setPalette(palette);
        return label;
    }
    case Control::Kind::Picture: {
        const auto border = c.border == Control::Border::Flat     ? PictureBox::Border::Flat
                            : c.border == Control::Border::Sunken ? PictureBox::Border::Sunken
                                                                  : PictureBox::Border::None;
        const QColor background =
            c.background ? QColor::fromRgb(*c.background) : windowBackground(client);
        return new PictureBox(picture(QString::fromLatin1(c.picture)), border, background, parent);
    }
    case Control::Kind::Image:
        return new PictureBox(picture(QString::fromLatin1(c.picture)), PictureBox::Border::None,
                              Qt::transparent, parent);
    case Control::Kind::Button: {
        auto *button = new PictureButton(
            QColor::fromRgb(c.background.value_or(0xFFFFFF)),
            c.picture ? picture(QString::fromLatin1(c.picture)) : QPixmap(), parent);
        button->setText(text);
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, color);
        button->setPalette(palette);
        return button;
    }
    }
    return nullptr;
}

} // namespace

void Controls::missing(const char *name, const char *kind)
{
    qFatal("The window's layout has no %s named %s", kind, name);
}

Controls buildControls(QWidget *client, std::span<const Control> controls)
{
    Controls made;
    for (const Control &c : controls) {
        QWidget *parent = c.inside ? made.at(c.inside) : client;
        QWidget *widget = makeControl(c, parent, client);
        widget->setObjectName(QString::fromLatin1(c.name));
        widget->setFont(fontOf(c.font));
        QRect geometry = pxRect(c.left, c.top, c.width, c.height);
        if (c.fitWidth)
            geometry.setWidth(
                QFontMetrics(widget->font())
                    .boundingRect(QRect(), Qt::TextSingleLine, QString::fromUtf8(c.text))
                    .width());
        widget->setGeometry(geometry);
        if (c.handCursor)
            widget->setCursor(handCursor());
        made.m_byName.insert(widget->objectName(), widget);
    }
    return made;
}

} // namespace ui
