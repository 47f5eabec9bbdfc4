#pragma once

#include "ui/platform/fonts.h"
#include "ui/widgets/bevel.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QWidget>

#include <optional>
#include <span>

namespace ui {

// A window's stored layout: its controls in creation order, containers before what they hold.
// Positions and sizes are twips inside the container, as designed.

struct Control
{
    // A picture box paints its background and its border; an image is a bare picture over
    // whatever lies beneath it.
    enum class Kind { Frame, Label, Picture, Image, Button };

    const char *name;
    Kind kind;
    const char *inside; // nullptr: the window's client area
    int left;
    int top;
    int width;
    int height;
    const char *text = ""; // caption, UTF-8
    Font font {};
    QRgb color = 0x000000; // text colour
    std::optional<QRgb> background {}; // none: a label paints no background of its own
    Qt::Alignment align = Qt::AlignLeft;
    bool fitWidth = false; // keeps its Left and takes the width of its text
    Border border = Border::None;
    const char *picture = nullptr; // resource path
    // A picture that opens a web page: its name for a screen reader and the page's address.
    struct Link
    {
        const char *name = nullptr;
        const char *address = nullptr;
    } link {};
};

// What the layouts share besides their fonts: the cream background.
inline constexpr QRgb cream = 0xFAE9C0;

// The controls a window built from its layout, found by name and kind. A name that is missing
// or names another kind of control stops the program with that name, the first time the window
// is built, rather than leaving a null pointer for later.
class Controls
{
public:
    template<class Widget = QWidget>
    Widget *at(const char *name) const
    {
        auto *widget = qobject_cast<Widget *>(m_byName.value(QLatin1String(name)));
        if (!widget)
            missing(name, Widget::staticMetaObject.className());
        return widget;
    }

private:
    friend Controls buildControls(QWidget *client, std::span<const Control> controls);
    [[noreturn]] static void missing(const char *name, const char *kind);

    QHash<QString, QWidget *> m_byName;
};

// Creates the controls on `client`, in the order of the table.
Controls buildControls(QWidget *client, std::span<const Control> controls);

} // namespace ui
