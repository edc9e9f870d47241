// The letter tabs of the main window: every letter readable and centred at the widths the window
// gives its tabs, and a width that follows the window without holding it.
#include "ui/ttabbalk.h"

#include "ui/venster.h"

#include <QFontMetrics>
#include <QImage>

using gdk::test::KiesTabAlsGebruiker;
using gdk::test::VensterTest;

namespace {

class LetterTabs : public VensterTest {
  protected:
    void SetUp() override {
        VensterTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(LeesVoorbeeld());
        KiesTabAlsGebruiker(*venster, 5); // "Persoon"
    }
    void Breedte(int breedte) {
        venster->resize(breedte, 600);
        QTRY_COMPARE(venster->width(), breedte);
        QApplication::processEvents();
    }
};

// The dark pixels of a tab, its frame left out: the letter as the user sees it.
QRect Inkt(const QImage& beeld, const QRect& tab) {
    QRect inkt;
    for (int y = tab.top() + 3; y <= tab.bottom() - 3; ++y)
        for (int x = tab.left() + 2; x <= tab.right() - 2; ++x)
            if (qGray(beeld.pixel(x, y)) < 170) inkt |= QRect(x, y, 1, 1);
    return inkt;
}

class LetterBreedtes : public LetterTabs, public ::testing::WithParamInterface<int> {};

TEST_P(LetterBreedtes, EveryLetterIsWhollyVisibleAndCentred) {
    Breedte(GetParam());
    TTabBalk* tabs = venster->tcPersoon;
    const int tabBreedte = tabs->width() / 27;
    if (GetParam() == 800) {
        EXPECT_EQ(tabBreedte, 28);
    }
    const QImage beeld = tabs->grab().toImage();
    const QFontMetrics maat(tabs->font());
    for (int i = 0; i < tabs->count(); ++i) {
        const QString letter = tabs->tabText(i);
        const QRect tab = tabs->tabRect(i);
        EXPECT_EQ(tab.width(), tabBreedte) << letter.toStdString();
        const QRect inkt = Inkt(beeld, tab);
        const QRect glyph = maat.tightBoundingRect(letter);
        // A clipped letter leaves a sliver narrower than its glyph.
        EXPECT_GE(inkt.width(), glyph.width() - 2) << letter.toStdString();
        EXPECT_GE(inkt.height(), glyph.height() - 2) << letter.toStdString();
        EXPECT_LE(std::abs(inkt.center().x() - tab.center().x()), 2) << letter.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Vensters, LetterBreedtes, ::testing::Values(800, 1200, 700));

TEST_F(LetterTabs, TheWindowCanBeMadeNarrowerAgain) {
    Breedte(1200);
    EXPECT_EQ(venster->tcPersoon->tabRect(0).width(), venster->tcPersoon->width() / 27);
    Breedte(800);
    EXPECT_EQ(venster->tcPersoon->tabRect(0).width(), venster->tcPersoon->width() / 27);
    EXPECT_LT(venster->minimumSizeHint().width(), 800);
    // The relation tabs, hidden on their own page, hold the window no more than the person tabs.
    KiesTabAlsGebruiker(*venster, 2);
    Breedte(1200);
    Breedte(800);
    EXPECT_EQ(venster->tcRelatie->tabRect(0).width(), venster->tcRelatie->width() / 27);
}

} // namespace
