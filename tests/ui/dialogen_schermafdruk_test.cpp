// Pictures of the options dialog (one per page) and of the About window, for the README and for
// checking the layout by eye. Runs only when $GDK_SCHERMAFDRUK_MAP names the folder to write them
// to (ontwikkel/screenshot_dialogen.sh does that under a virtual X server); otherwise it is skipped.
#include "platform/register.h"
#include "settings/instellingen.h"
#include "settings/programmagegevens.h"
#include "support/tijdelijke_map.h"
#include "support/voorbeeld.h"
#include "ui/tfrmopties.h"
#include "ui/vminfotool.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace gdk::test {
namespace {

TEST(DialogenSchermafdruk, OptionsPagesAndAboutWindow) {
    const char* doel = std::getenv("GDK_SCHERMAFDRUK_MAP");
    if (!doel || !*doel) GTEST_SKIP() << "GDK_SCHERMAFDRUK_MAP is not set";
    const QDir map(QString::fromLocal8Bit(doel));
    ASSERT_TRUE(map.mkpath(QStringLiteral(".")));

    TijdelijkeMap tijdelijk;
    reg::ZetRegisterBestand(
        tijdelijk.Schrijf("HKEY_CURRENT_USER.reg", VoorbeeldRegister("/home/gebruiker/gedenkjes")));
    ProgrammagegevensInstalleren();
    InstellingenVoorinstellen();
    LeesInstellingen();

    {
        TfrmOpties opties;
        opties.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&opties));
        const char* namen[] = {"opties_1_algemeen", "opties_2_code", "opties_3_bij_inlezen",
                               "opties_4_bij_uitvoeren", "opties_5_weergave"};
        for (int i = 0; i < opties.pcntOpties->count(); ++i) {
            opties.pcntOpties->setCurrentIndex(i);
            QApplication::processEvents();
            const QString bestand = map.filePath(QString::fromLatin1(namen[i]) + QStringLiteral(".png"));
            EXPECT_TRUE(opties.grab().save(bestand)) << bestand.toStdString();
        }
    }
    {
        TfrmvmInfoTool info;
        info.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&info));
        // Without a window manager the window may never be made active; slide the logo anyway.
        if (!QTest::qWaitForWindowActive(&info, 2000)) info.FormActivate();
        QApplication::processEvents();
        const QString bestand = map.filePath(QStringLiteral("informatie.png"));
        EXPECT_TRUE(info.grab().save(bestand)) << bestand.toStdString();
    }
    reg::ZetRegisterBestand("");
}

} // namespace
} // namespace gdk::test
