#pragma once
// The main window in a test: a registry file and a program folder of its own (the sample
// registry with its scans, the button picture), the window shown and activated.
#include "support/tekst.h"
#include "support/tijdelijke_map.h"
#include "support/voorbeeld.h"
#include "support_qt/modaal.h"
#include "support_qt/qt_afdruk.h"
#include "ui/tfrmgedenkjes.h"
#include "ui/tsbrgedenkjes.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace gdk::test {

class VensterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Registreer(VoorbeeldRegister(map.tekst() + "/out"));
        const std::string programma = map.tekst() + "/programma";
        std::filesystem::create_directories(programma + "/tool");
        std::filesystem::copy_file(std::string(GDK_SOURCE_DIR) + "/tool/btnAfbeelding.gif",
                                   programma + "/tool/btnAfbeelding.gif");
        setenv("GEDENKJES_PROGRAMMAMAP", programma.c_str(), 1);
        venster = std::make_unique<TfrmGedenkjes>();
        venster->resize(900, 650);
        venster->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(venster.get()));
    }
    void TearDown() override {
        venster.reset();
        unsetenv("GEDENKJES_PROGRAMMAMAP");
        unsetenv("GEDENKJES_REGISTRY");
    }
    void Registreer(const std::string& inhoud) {
        const std::string pad = map.Schrijf("HKEY_CURRENT_USER.reg", inhoud);
        setenv("GEDENKJES_REGISTRY", pad.c_str(), 1);
    }
    // A read, and the wait until the lists and the search are ready, which they become after it.
    bool LeesIn(const std::string& pad) {
        const bool gelezen = venster->Inlezen(pad);
        EXPECT_TRUE(QTest::qWaitFor([this] { return venster->edtZoeken->isEnabled(); }, 3000));
        return gelezen;
    }
    // The sample read from a copy in the test's own folder: its report is written beside it, so
    // window tests running at once never remove or rewrite each other's report.
    std::string VoorbeeldKopie() {
        const std::string kopie = map.tekst() + "/kaarten.gdk";
        std::filesystem::copy_file(Voorbeeld("kaarten.gdk"), kopie,
                                   std::filesystem::copy_options::overwrite_existing);
        return kopie;
    }
    bool LeesVoorbeeld() { return LeesIn(VoorbeeldKopie()); }

    QString Links() const { return venster->sbrGedenkjes->Links(); }
    QString Rechts() const { return venster->sbrGedenkjes->Rechts(); }

    TijdelijkeMap map;
    std::unique_ptr<TfrmGedenkjes> venster;
};

} // namespace gdk::test

#include "data/tvars.h"
#include "htmlview/ankerplek.h"
#include "htmlview/thtmllite.h"
#include "ui/tfrmafbeelding.h"
#include "ui/ttabbalk.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include <functional>

namespace gdk::test {

// Waits (processing events) until `f` holds; false after `ms` milliseconds.
inline bool Wacht(const std::function<bool()>& f, int ms = 3000) {
    return QTest::qWaitFor(f, ms);
}

// A click on a tab of the page control, as the user chooses it.
inline void KiesTabAlsGebruiker(TfrmGedenkjes& v, int index) {
    QTabBar* balk = v.pctrViewer->tabBar();
    QTest::mouseClick(balk, Qt::LeftButton, {}, balk->tabRect(index).center());
}

inline void KiesLetter(QTabBar* balk, char letter) {
    const int index = letter - 'A';
    balk->setCurrentIndex(index); // may be scrolled out of view; the change is what counts
}

// A double-click on line `rij` of a list, as the user does it.
inline void Dubbelklik(QListWidget* lijst, int rij) {
    QListWidgetItem* regel = lijst->item(rij);
    lijst->scrollToItem(regel);
    const QPoint plek = lijst->visualItemRect(regel).center();
    QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, plek);
    QTest::mouseDClick(lijst->viewport(), Qt::LeftButton, {}, plek);
}

inline int Rij(QListWidget* lijst, const QString& begin) {
    for (int i = 0; i < lijst->count(); ++i)
        if (lijst->item(i)->text().startsWith(begin)) return i;
    return -1;
}

inline QStringList Regels(QListWidget* lijst) {
    QStringList r;
    for (int i = 0; i < lijst->count(); ++i)
        r << lijst->item(i)->text();
    return r;
}

// A click on the link `href` of the page shown.
inline bool KlikLink(TfrmGedenkjes& v, const QString& href, QPoint verschuiving = {}) {
    const QPoint plek = Ankerplek(*v.htmlViewer, href);
    if (plek.x() < 0) return false;
    QTest::mouseClick(v.htmlViewer->viewport(), Qt::LeftButton, {}, plek + verschuiving);
    return true;
}

} // namespace gdk::test
