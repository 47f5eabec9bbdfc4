// The two web pages: the exact command line, one start per click, and a start that fails.

#include "fixture.h"

#include "ui/identity.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class Browser : public UiTest
{
};

TEST_F(Browser, TheBannerStartsTheBrowserOnThePartnerSite)
{
    ui::Form1 &form = program.showForm1();
    click(form.findChild<QWidget *>(QStringLiteral("Image1")));
    ASSERT_EQ(launcher.commandLines.size(), 1u);
    EXPECT_EQ(
        launcher.commandLines[0],
        QStringLiteral(
            R"(C:\Archivos de programa\Internet Explorer\IEXPLORE.EXE http://www.ludoteca.example/)"));
    EXPECT_EQ(launcher.addresses[0], QStringLiteral("http://www.ludoteca.example/"));
}

TEST_F(Browser, EachClickOnTheWebAddressStartsOneMoreAndTheContactWindowStays)
{
    ui::Form7 &contact = program.showForm7();
    QWidget *picture = contact.findChild<QWidget *>(QStringLiteral("Picture2"));
    click(picture);
    click(picture);
    ASSERT_EQ(launcher.commandLines.size(), 2u);
    EXPECT_EQ(
        launcher.commandLines[1],
        QStringLiteral(
            R"(C:\Archivos de programa\Internet Explorer\IEXPLORE.EXE http://www.tornel.example/)"));
    EXPECT_EQ(program.form7IfLoaded(), &contact);
    EXPECT_TRUE(errors.empty());
}

TEST_F(Browser, AFailedStartIsToldInSpanishAndNothingElseBreaks)
{
    launcher.failure = QStringLiteral("No se encontró xdg-open.");
    ui::Form1 &form = boardOneMoveFromSolved();
    form.Image1_Click();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].contains(
        QStringLiteral("No se pudo abrir la página http://www.ludoteca.example/")));
    form.Command_Click(15);
    EXPECT_NE(program.form2IfLoaded(), nullptr);
}

TEST_F(Browser, TheSystemLauncherReportsAnOpenerThatFails)
{
    QTemporaryDir bin;
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\nexit 3\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ":" + path);
    ui::setLauncher(nullptr);

    ui::Form1 &form = boardOneMoveFromSolved();
    form.Image1_Click();
    QTRY_COMPARE(errors.size(), 1u);
    qputenv("PATH", path);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("código 3"))) << errors[0].toStdString();
    form.Command_Click(15);
    EXPECT_NE(program.form2IfLoaded(), nullptr);
}

TEST_F(Browser, TheSystemLauncherReportsAMissingOpener)
{
    ui::setLauncher(nullptr);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    const QString failure =
        ui::launcher().start(ui::browserCommandLine(QStringLiteral("http://www.tornel.example/")),
                             QStringLiteral("http://www.tornel.example/"));
    qputenv("PATH", path);
    EXPECT_TRUE(failure.contains(QStringLiteral("xdg-open"))) << failure.toStdString();
}

} // namespace
