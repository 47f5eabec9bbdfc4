// Every window's controls where the layouts put them, in the fonts they are drawn for, their
// texts inside their boxes, and nothing of the game's state within the player's reach.

#include "fixture.h"

#include "ui/translation.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include <ostream>

namespace {

class Layout : public UiTest
{
protected:
    QWidget *window(const QString &name)
    {
        if (name == "Form1")
            return program.showForm1().centralWidget();
        if (name == "Form2") {
            boardOneMoveFromSolved().Command_Click(15);
            return program.form2IfLoaded()->client();
        }
        if (name == "Form7")
            return program.showForm7().client();
        return program.showSplash().client();
    }
};

struct Placed
{
    const char *window;
    const char *control;
    QRect pixels;
};

void PrintTo(const Placed &p, std::ostream *os)
{
    *os << p.window << "." << p.control;
}

class ControlPlaces : public Layout, public testing::WithParamInterface<Placed>
{
};

TEST_P(ControlPlaces, StandsWhereTheLayoutPutsIt)
{
    const Placed &p = GetParam();
    QWidget *client = window(QString::fromLatin1(p.window));
    if (QString::fromLatin1(p.control) == "client") {
        EXPECT_EQ(client->size(), p.pixels.size());
        return;
    }
    QWidget *control = client->findChild<QWidget *>(QString::fromLatin1(p.control));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), p.pixels);
}

INSTANTIATE_TEST_SUITE_P(AllWindows, ControlPlaces,
                         testing::Values(Placed {"Form1", "client", {0, 0, 254, 296}},
                                         Placed {"Form1", "Command1", {32, 32, 48, 48}},
                                         Placed {"Form1", "Command4", {176, 32, 48, 48}},
                                         Placed {"Form1", "Command13", {32, 176, 48, 48}},
                                         Placed {"Form1", "Command16", {176, 176, 48, 48}},
                                         Placed {"Form1", "Image1", {51, 235, 156, 48}},
                                         Placed {"Form2", "client", {0, 0, 204, 143}},
                                         Placed {"Form2", "Frame1", {6, 1, 193, 137}},
                                         Placed {"Form2", "Picture1", {71, 27, 57, 43}},
                                         Placed {"Form2", "Label1", {21, 83, 153, 25}},
                                         Placed {"Form2", "Label2", {29, 108, 137, 17}},
                                         Placed {"frmSplash", "client", {0, 0, 359, 244}},
                                         Placed {"frmSplash", "Frame1", {8, 2, 344, 235}},
                                         Placed {"frmSplash", "Picture2", {9, 15, 154, 155}},
                                         Placed {"frmSplash", "lblCompany", {23, 11, 97, 17}},
                                         Placed {"frmSplash", "Label3", {23, 11, 129, 17}},
                                         Placed {"frmSplash", "Picture1", {192, 64, 144, 33}},
                                         Placed {"Form7", "client", {0, 0, 296, 245}},
                                         Placed {"Form7", "Picture1", {8, 8, 63, 227}},
                                         Placed {"Form7", "Frame3", {80, 9, 210, 136}},
                                         Placed {"Form7", "Label3", {24, 49, 161, 17}},
                                         Placed {"Form7", "Command1", {168, 13, 34, 31}},
                                         Placed {"Form7", "Picture2", {80, 203, 208, 32}}),
                         [](const auto &param) {
                             return std::string(param.param.window) + "_" + param.param.control;
                         });

class LabelTexts : public Layout, public testing::WithParamInterface<const char *>
{
};

TEST_P(LabelTexts, FitTheirBoxesInTheMappedFonts)
{
    QWidget *client = window(QString::fromLatin1(GetParam()));
    const auto labels = client->findChildren<QLabel *>();
    ASSERT_FALSE(labels.isEmpty());
    for (const QLabel *label : labels) {
        const QString family = QFontInfo(label->font()).family();
        EXPECT_TRUE(family == "Liberation Sans" || family == "DejaVu Sans")
            << label->objectName().toStdString() << " is drawn in " << family.toStdString();
        const QFontMetrics metrics(label->font());
        const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, label->width(), 1000),
                                 flags | static_cast<int>(label->alignment()), label->text());
        EXPECT_LE(needed.width(), label->width()) << label->objectName().toStdString();
        EXPECT_LE(needed.height(), label->height()) << label->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, LabelTexts, testing::Values("Form2", "frmSplash", "Form7"));

TEST_F(Layout, TheBoardWindowShowsOnlyTheBoardTheBannerAndTheMenu)
{
    ui::Form1 &form = program.showForm1();
    EXPECT_EQ(form.windowTitle(), QStringLiteral(" Deslizador"));
    EXPECT_TRUE(form.findChildren<QLineEdit *>().isEmpty());
    EXPECT_TRUE(form.findChildren<QLabel *>().isEmpty());
    const QRect client = form.centralWidget()->rect();
    for (const QWidget *child : form.centralWidget()->findChildren<QWidget *>())
        EXPECT_TRUE(client.contains(child->geometry())) << child->objectName().toStdString();
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.minimumSize(), form.maximumSize());

    QStringList menu;
    for (const QAction *action : form.menuBar()->actions())
        menu << action->text();
    EXPECT_EQ(menu, (QStringList {"&Mezclar", "&Contacto", "&Salir"}));
    // The menu takes the program's font, MS Sans Serif 8 pt, not the desktop's default.
    const QFontInfo font(form.menuBar()->font());
    EXPECT_EQ(font.family().toStdString(), "Liberation Sans");
    EXPECT_EQ(font.pixelSize(), 11);
}

TEST_F(Layout, ResizingTheContactWindowMovesNoControl)
{
    ui::Form7 &contact = program.showForm7();
    QWidget *ok = contact.findChild<QWidget *>("Command1");
    const QRect before = ok->geometry();
    contact.resize(contact.size() + QSize(60, 40));
    EXPECT_EQ(contact.client()->size(), QSize(356, 285));
    EXPECT_EQ(ok->geometry(), before);
}

TEST_F(Layout, ScreenReadersNameTheTilesByNumberAndTheBlankAsTheEmptyPlace)
{
    ui::Form1 &form = program.showForm1();
    EXPECT_EQ(form.button(7)->accessibleName(), QStringLiteral("7"));
    EXPECT_EQ(form.button(logic::Command16)->accessibleName(), QStringLiteral("Lugar vacío"));
}

TEST_F(Layout, TheHandShowsOverTheLinksOnly)
{
    ui::Form1 &form = program.showForm1();
    EXPECT_EQ(form.findChild<QWidget *>("Image1")->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(form.button(1)->cursor().shape(), Qt::ArrowCursor);
    ui::Form7 &contact = program.showForm7();
    EXPECT_EQ(contact.findChild<QWidget *>("Picture2")->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(contact.findChild<QWidget *>("Label6")->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Layout, QtsOwnTextsAreSpanish)
{
    ui::loadSpanishQtTexts();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("Aceptar"));
}

TEST_F(Layout, TheFixedTextsAreTheGamesOwn)
{
    auto text = [](QWidget *client, const char *name) {
        return client->findChild<QLabel *>(QString::fromLatin1(name))->text();
    };
    QWidget *splash = window("frmSplash");
    EXPECT_EQ(text(splash, "lblVersion"), QStringLiteral("Versión 1.0"));
    EXPECT_EQ(text(splash, "lblCopyright"), QStringLiteral("01/01/2002"));
    EXPECT_EQ(text(splash, "lblPlatform"), QStringLiteral("W95, 98, Millennium"));
    QWidget *congratulations = window("Form2");
    EXPECT_EQ(text(congratulations, "Label1"), QStringLiteral("¡¡¡   Lo lograste   !!!"));
    EXPECT_EQ(congratulations->findChild<ui::Frame *>("Frame1")->caption(),
              QStringLiteral("  Felicitaciones  "));
    QWidget *contact = window("Form7");
    EXPECT_EQ(contact->findChild<ui::Frame *>("Frame3")->caption(),
              QStringLiteral(" Deslizador v 1.0 "));
    EXPECT_EQ(text(contact, "Label2"),
              QStringLiteral("Visite periódicamente nuestro sitio web en busca de actualizaciones "
                             "para este software."));
}

} // namespace
