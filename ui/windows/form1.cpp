#include "ui/windows/form1.h"

#include "ui/platform/handler.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/picturebutton.h"
#include "ui/widgets/tileboard.h"
#include "ui/widgets/titlebar.h"
#include "ui/windows/accessible.h"
#include "ui/windows/identity.h"
#include "ui/windows/layout.h"
#include "ui/windows/twips.h"

#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>

namespace ui {

namespace {

using Kind = Control::Kind;

// The board window's stored layout, twips. The client area lies below the menu bar.
constexpr int clientWidth = 3810;
constexpr int clientHeight = 4440;
constexpr int buttonSize = 725;
// Cell 1's Left and Top, and the step from one cell to the next.
constexpr int boardOrigin = logic::cellLeft(1);
constexpr int cellPitch = logic::cellLeft(2) - logic::cellLeft(1);
constexpr QRgb tileFace = 0xF7DEA5;
constexpr QRgb blankFace = 0xFFFFFF;

// A tile's button stands on its home cell, where a new board keeps it.
constexpr Control tileButton(const char *name, int tile, const char *picture)
{
    return {.name = name,
            .kind = Kind::Button,
            .inside = nullptr,
            .left = logic::cellLeft(tile),
            .top = logic::cellTop(tile),
            .width = buttonSize,
            .height = buttonSize,
            .background = tile == logic::Command16 ? blankFace : tileFace,
            .picture = picture};
}

// The sixteen buttons, in the board's own group of controls.
// clang-format off
constexpr Control tileButtons[] = {
    tileButton("Command1", 1, ":/ficha1.jpg"),
    tileButton("Command2", 2, ":/ficha2.jpg"),
    tileButton("Command3", 3, ":/ficha3.jpg"),
    tileButton("Command4", 4, ":/ficha4.jpg"),
    tileButton("Command5", 5, ":/ficha5.jpg"),
    tileButton("Command6", 6, ":/ficha6.jpg"),
    tileButton("Command7", 7, ":/ficha7.jpg"),
    tileButton("Command8", 8, ":/ficha8.jpg"),
    tileButton("Command9", 9, ":/ficha9.jpg"),
    tileButton("Command10", 10, ":/ficha10.jpg"),
    tileButton("Command11", 11, ":/ficha11.jpg"),
    tileButton("Command12", 12, ":/ficha12.jpg"),
    tileButton("Command13", 13, ":/ficha13.jpg"),
    tileButton("Command14", 14, ":/ficha14.jpg"),
    tileButton("Command15", 15, ":/ficha15.jpg"),
    // The blank marker: white, no picture.
    tileButton("Command16", logic::Command16, nullptr),
};

// The rest of the client area: the partner banner, below the board.
constexpr Control storedLayout[] = {
    { .name = "Image1", .kind = Kind::Image, .inside = nullptr, .left = 765, .top = 3525,
        .width = 2340, .height = 720, .picture = ":/banner.gif",
        .link = {identity::partnerName, identity::partnerAddress} },
};
// clang-format on

// The client area: the photograph at its natural size from the top-left corner, cut off where
// the window ends.
class BoardArea : public QWidget
{
public:
    explicit BoardArea(QWidget *parent)
        : QWidget(parent)
        , m_photo(picture(QStringLiteral(":/fondo.jpg")))
    {
        setFixedSize(px(clientWidth), px(clientHeight));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        p.drawPixmap(0, 0, m_photo);
    }

private:
    QPixmap m_photo;
};

QString tileName(int tile)
{
    return QStringLiteral("Command%1").arg(tile);
}

} // namespace

Form1::Form1()
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral(" Deslizador"));
    setWindowIcon(QIcon(QStringLiteral(":/icono.ico")));
    // Fixed single border: minimize and close, no maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    TitleBar::fit(this);

    auto *menu = menuBar();
    struct MenuCommand
    {
        const char *name;
        const char *caption;
        void (Form1::*handler)();
    };
    static constexpr MenuCommand commands[] = {
        {"mmezclar", "&Mezclar", &Form1::mmezclar_Click},
        {"mcontacto", "&Contacto", &Form1::mcontacto_Click},
        {"msalir", "&Salir", &Form1::msalir_Click},
    };
    for (const MenuCommand &command : commands) {
        QAction *action = menu->addAction(QString::fromUtf8(command.caption));
        action->setObjectName(QString::fromLatin1(command.name));
        connect(action, &QAction::triggered, this, command.handler);
    }

    auto *area = new BoardArea(this);
    setCentralWidget(area);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The board's buttons stand in a group of their own, from the client area's corner to the
    // board's far edge, so their places are the same as in the client area.
    auto *tiles = new TileBoard(area);
    const int boardEnd = px(boardOrigin + 3 * cellPitch + buttonSize);
    tiles->setGeometry(0, 0, boardEnd, boardEnd);

    const Controls buttons = buildControls(tiles, tileButtons);
    for (int number = 1; number <= logic::Command16; ++number) {
        const bool blank = number == logic::Command16;
        auto *button = buttons.at<PictureButton>(qPrintable(tileName(number)));
        button->setAccessibleName(blank ? QStringLiteral("Lugar vacío") : QString::number(number));
        m_buttons[static_cast<std::size_t>(number)] = button;
        describePlace(number, false);
        if (!blank)
            connect(button, &QAbstractButton::clicked, this,
                    [this, number] { Command_Click(number); });
    }

    buildControls(area, storedLayout);

    // Nothing visible has the focus when the window opens: it rests on the client area, as on
    // the hidden state fields at the head of the window's tab order; Tab takes it to Command1.
    area->setFocus();

    m_game.board().addObserver(this);
    adjustSize(); // the menu bar's height is known only now; centring needs the whole size
}

Form1::~Form1()
{
    m_game.board().removeObserver(this);
}

PictureButton *Form1::button(int number) const
{
    return m_buttons.at(static_cast<std::size_t>(number));
}

void Form1::Command_Click(int tile)
{
    runHandler(tileName(tile) + QStringLiteral("_Click"), [&] { m_game.board().clickTile(tile); });
}

void Form1::mmezclar_Click()
{
    // A thousand presses would be a thousand places to tell a screen reader; it hears the end.
    m_placesQuiet = true;
    runHandler(QStringLiteral("mmezclar_Click"), [&] { m_game.shuffle(); });
    m_placesQuiet = false;
    // Every button has its new place before the reader hears that the focus is on the board
    // again (the menu drew its attention to itself): on Windows the focus event carries the
    // place, and is all a reader gets of it. Then the focused button's place, moved or not, for
    // a reader that does not read again the button it is on.
    PictureButton *focused = nullptr;
    bool focusedMoved = false;
    for (int number = 1; number <= logic::Command16; ++number) {
        const bool changed = describePlace(number, false);
        if (button(number) == QApplication::focusWidget()) {
            focused = button(number);
            focusedMoved = changed;
        }
    }
    tellFocus(this);
    if (focused)
        tellPlace(focused, focusedMoved);
}

void Form1::mcontacto_Click()
{
    runHandler(QStringLiteral("mcontacto_Click"), [this] { emit contactRequested(); });
}

void Form1::msalir_Click()
{
    runHandler(QStringLiteral("msalir_Click"), [this] { emit endRequested(); });
}

void Form1::buttonLeftChanged(int number, float left)
{
    PictureButton *b = button(number);
    b->move(px(left), b->y());
    describePlace(number, true);
}

void Form1::buttonTopChanged(int number, float top)
{
    PictureButton *b = button(number);
    b->move(b->x(), px(top));
    describePlace(number, true);
}

bool Form1::describePlace(int number, bool moved)
{
    if (m_placesQuiet)
        return false;
    // A button's place, told to the screen reader as soon as it changes: a reader that follows
    // descriptions hears it from the change; a tile that the player moved is also told to one
    // that does not. The blank marker's place goes without a word.
    const auto [row, column] = m_game.placeOf(number);
    const QString place = placeDescription(row, column);
    PictureButton *b = button(number);
    if (b->accessibleDescription() == place)
        return false;
    b->setAccessibleDescription(place);
    if (moved && number != logic::Command16)
        tellMoved(b);
    return true;
}

void Form1::congratulationsRequested()
{
    emit solved(m_game.board().text(logic::Text2));
}

} // namespace ui
