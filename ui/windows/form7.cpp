#include "ui/windows/form7.h"

#include "ui/platform/handler.h"
#include "ui/widgets/frame.h"
#include "ui/widgets/picturebutton.h"
#include "ui/windows/identity.h"
#include "ui/windows/layout.h"

namespace ui {

namespace {

using Kind = Control::Kind;

// The dedication ends with the partner's name; kept short so the line stays within two lines.
constexpr char dedication[] = "Edición especial dedicada a nuestros amigos de Ludoteca";
static_assert(std::string_view(dedication).ends_with(identity::partnerName));

// clang-format off
constexpr Control storedLayout[] = {
    { .name = "Picture1", .kind = Kind::Picture, .inside = nullptr, .left = 120, .top = 120,
        .width = 940, .height = 3400, .border = Border::Flat,
        .picture = ":/logotipo_vertical.gif" },
    { .name = "Frame3", .kind = Kind::Frame, .inside = nullptr, .left = 1200, .top = 135,
        .width = 3150, .height = 2040, .text = " Deslizador v 1.0 ", .font = sansSerifBold,
        .background = cream },
    { .name = "Label1", .kind = Kind::Label, .inside = "Frame3", .left = 240, .top = 240,
        .width = 2655, .height = 495,
        .text = "Para realizar preguntas o sugerencias dirigirse a...", .font = sansSerif,
        .color = 0x800000, .align = Qt::AlignHCenter },
    { .name = "Label3", .kind = Kind::Label, .inside = "Frame3", .left = 360, .top = 740,
        .width = 2415, .height = 255, .text = identity::authorName, .font = sansSerifBold,
        .color = 0xFF0000, .background = cream, .align = Qt::AlignHCenter },
    { .name = "Label6", .kind = Kind::Label, .inside = "Frame3", .left = 465, .top = 920,
        .width = 2175, .height = 195, .text = identity::authorEmail, .font = sansSerifBold,
        .color = 0xC000C0, .align = Qt::AlignHCenter, .fitWidth = true },
    { .name = "Label2", .kind = Kind::Label, .inside = "Frame3", .left = 240, .top = 1240,
        .width = 2655, .height = 615,
        .text = "Visite periódicamente nuestro sitio web en busca de actualizaciones para "
                "este software.",
        .font = sansSerif, .color = 0x800000, .align = Qt::AlignHCenter },
    { .name = "Frame1", .kind = Kind::Frame, .inside = nullptr, .left = 1200, .top = 2180,
        .width = 3135, .height = 780, .background = cream },
    { .name = "Label4", .kind = Kind::Label, .inside = "Frame1", .left = 120, .top = 195,
        .width = 2295, .height = 495, .text = dedication, .font = arial,
        .color = 0x800000, .align = Qt::AlignHCenter },
    { .name = "Command1", .kind = Kind::Button, .inside = "Frame1", .left = 2520, .top = 190,
        .width = 510, .height = 465, .text = "OK", .font = {"Verdana", 8.25, true},
        .background = 0xEBD5BC },
    { .name = "Picture2", .kind = Kind::Picture, .inside = nullptr, .left = 1200, .top = 3040,
        .width = 3120, .height = 480, .border = Border::Flat, .picture = ":/web.gif",
        .link = {identity::makerSite, identity::makerAddress} },
};
// clang-format on

} // namespace

Form7::Form7()
    : BorderedWindow({"Form7", 4440, 3675, Border::Sizable, Qt::Window}, storedLayout)
{
    // The e-mail address overlaps the foot of the author's name, whose label paints its own
    // background; the address, transparent, goes on top so that both stay readable.
    controls().at("Label6")->raise();
    // A screen reader meets a dialog named as the heading of its frame, and reads its lines as it
    // opens. Orca reads there only lines of three words or more: the author's name and the
    // address say what they are, so that they are heard too, in their places.
    setAccessibleName(controls().at<Frame>("Frame3")->caption().simplified());
    controls().at("Label3")->setAccessibleName(QStringLiteral("Autor: ") +
                                               QString::fromUtf8(identity::authorName));
    controls().at("Label6")->setAccessibleName(QStringLiteral("Correo electrónico: ") +
                                               QString::fromUtf8(identity::authorEmail));
    connect(controls().at<PictureButton>("Command1"), &QAbstractButton::clicked, this,
            &Form7::Command1_Click);
}

void Form7::Command1_Click()
{
    runHandler(QStringLiteral("Command1_Click"), [this] { emit okPressed(); });
}

} // namespace ui
