#include "ui/form1.h"

#include "logic/shuffle.h"
#include "ui/accessible.h"
#include "ui/browser.h"
#include "ui/handcursor.h"
#include "ui/handler.h"
#include "ui/identity.h"
#include "ui/picture.h"
#include "ui/picturebox.h"
#include "ui/picturebutton.h"
#include "ui/program.h"
#include "ui/tileboard.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>

namespace ui {

namespace {

// The board window's stored layout, twips. The client area lies below the menu bar.
constexpr int clientWidth = 3810;
constexpr int clientHeight = 4440;
constexpr int buttonSize = 725;
// Cell 1's Left and Top, and the step from one cell to the next.
constexpr int boardOrigin = 480;
constexpr int cellPitch = 720;
constexpr QRgb tileFace = qRgb(247, 222, 165);
constexpr QRgb blankFace = qRgb(255, 255, 255);
// The partner banner, below the board: Left, Top, Width, Height.
constexpr int banner[] = {765, 3525, 2340, 720};

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

    for (int number = 1; number <= logic::Command16; ++number) {
        const bool blank = number == logic::Command16;
        const QPixmap digits =
            blank ? QPixmap() : picture(QStringLiteral(":/ficha%1.jpg").arg(number));
        auto *button = new PictureButton(blank ? blankFace : tileFace, digits, tiles);
        button->setObjectName(tileName(number));
        button->setAccessibleName(blank ? QStringLiteral("Lugar vacío") : QString::number(number));
        button->setGeometry(px(m_board.left(number)), px(m_board.top(number)), px(buttonSize),
                            px(buttonSize));
        describePlace(button);
        if (!blank)
            connect(button, &QAbstractButton::clicked, this,
                    [this, number] { Command_Click(number); });
        m_buttons[static_cast<std::size_t>(number)] = button;
    }

    auto *image = new PictureBox(picture(QStringLiteral(":/banner.gif")), PictureBox::Border::None,
                                 Qt::transparent, area);
    image->setObjectName(QStringLiteral("Image1"));
    makeLink(image, QString::fromUtf8(identity::partnerName),
             QString::fromUtf8(identity::partnerAddress));
    image->setGeometry(pxRect(banner[0], banner[1], banner[2], banner[3]));
    image->setCursor(handCursor());
    connect(image, &PictureBox::clicked, this, &Form1::Image1_Click);

    // Nothing visible has the focus when the window opens: it rests on the client area, as on
    // the hidden state fields at the head of the window's tab order; Tab takes it to Command1.
    area->setFocus();

    m_board.addObserver(this);
    adjustSize(); // the menu bar's height is known only now; centring needs the whole size
}

Form1::~Form1()
{
    m_board.removeObserver(this);
}

PictureButton *Form1::button(int number) const
{
    return m_buttons.at(static_cast<std::size_t>(number));
}

void Form1::setRandomSource(logic::RandomSource *source)
{
    m_random = source ? source : &m_clockRandom;
}

void Form1::Command_Click(int tile)
{
    runHandler(tileName(tile) + QStringLiteral("_Click"), [&] { m_board.clickTile(tile); });
}

void Form1::mmezclar_Click()
{
    // A thousand presses would be a thousand places to tell a screen reader; it hears the end.
    m_placesQuiet = true;
    runHandler(QStringLiteral("mmezclar_Click"), [&] { logic::shuffle(m_board, *m_random); });
    m_placesQuiet = false;
    for (int number = 1; number <= logic::Command16; ++number)
        describePlace(button(number));
}

void Form1::mcontacto_Click()
{
    runHandler(QStringLiteral("mcontacto_Click"), [] { Program::current().showForm7(); });
}

void Form1::msalir_Click()
{
    runHandler(QStringLiteral("msalir_Click"), [] { Program::current().end(); });
}

void Form1::Image1_Click()
{
    const QString handler = QStringLiteral("Image1_Click");
    runHandler(handler, [&] { openWebPage(handler, QString::fromUtf8(identity::partnerAddress)); });
}

void Form1::closeEvent(QCloseEvent *event)
{
    // The close box unloads the board window; the program goes on while another window is loaded.
    event->accept();
    Program::current().unload(this);
}

void Form1::buttonLeftChanged(int number, float left)
{
    PictureButton *b = button(number);
    b->move(px(left), b->y());
    describePlace(b);
}

void Form1::buttonTopChanged(int number, float top)
{
    PictureButton *b = button(number);
    b->move(b->x(), px(top));
    describePlace(b);
}

void Form1::describePlace(PictureButton *b)
{
    if (m_placesQuiet)
        return;
    // A button's place, told to the screen reader as soon as it changes.
    const int row = (b->y() - px(boardOrigin)) / px(cellPitch) + 1;
    const int column = (b->x() - px(boardOrigin)) / px(cellPitch) + 1;
    const QString place = placeDescription(row, column);
    if (b->accessibleDescription() != place)
        b->setAccessibleDescription(place);
}

void Form1::congratulationsRequested()
{
    Program::current().showForm2();
}

} // namespace ui
