#include "ui/windows/layout.h"

#include "ui/widgets/frame.h"
#include "ui/widgets/linkpicture.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/picturebox.h"
#include "ui/widgets/picturebutton.h"
#include "ui/windows/twips.h"

#include <QLabel>

namespace ui {

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
    case Control::Kind::Picture:
    case Control::Kind::Image: {
        const QColor background = c.kind == Control::Kind::Image ? QColor(Qt::transparent)
                                  : c.background                 ? QColor::fromRgb(*c.background)
                                                                 : windowBackground(client);
        QPixmap shown = picture(QString::fromLatin1(c.picture));
        if (c.link.address)
            return new LinkPicture(std::move(shown), c.border, background,
                                   QString::fromUtf8(c.link.name),
                                   QString::fromUtf8(c.link.address), parent);
        return new PictureBox(std::move(shown), c.border, background, parent);
    }
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
        made.m_byName.insert(widget->objectName(), widget);
    }
    return made;
}

} // namespace ui
