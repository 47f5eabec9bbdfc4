#pragma once

#include "ui/windows/layout.h"

#include <QColor>
#include <QWidget>

#include <span>

namespace ui {

// A top-level window with no title bar that draws its own border around its client area, so
// that it looks the same under every window manager: a thin line (fixed single: Border::Flat), a
// raised edge (fixed dialog: Border::Raised), or a wider raised edge that the player can drag to
// resize the window (Border::Sizable). Its controls are built from its stored layout as it is
// made.
class BorderedWindow : public QWidget
{
    Q_OBJECT
public:
    // What the window's design stores beside its controls: its name, the client area's width
    // and height in twips, its border, the kind of top-level window, and its background.
    struct Design
    {
        const char *name;
        int clientWidth;
        int clientHeight;
        Border border;
        Qt::WindowType type;
        QRgb background = cream;
    };

    BorderedWindow(const Design &design, std::span<const Control> storedLayout);

    // Controls go here; their positions are relative to its top-left corner.
    QWidget *client() const { return m_client; }
    const Controls &controls() const { return m_controls; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *m_client;
    Border m_border;
    Controls m_controls;
};

} // namespace ui
