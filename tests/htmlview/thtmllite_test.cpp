#include "htmlview/thtmllite.h"

#include "htmlview/ankerplek.h"
#include "support/tijdelijke_map.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A view shown at a usable size, so its links have a place on the screen.
struct GetoondeView {
    ThtmlLite view;
    GetoondeView() {
        view.resize(600, 400);
        view.show();
    }
};

std::string Pagina(const std::string& body) {
    return "<HTML><BODY>\r\n" + body + "\r\n</BODY></HTML>\r\n";
}

} // namespace

TEST(ThtmlLite, ShowsWindows1252TextAsWritten) {
    GetoondeView v;
    v.view.LaadHtml(Pagina("Zo\xEB van \x80 en \x93"
                           "Bo\xEBt\x94"));
    EXPECT_EQ(v.view.toPlainText().trimmed(), QString::fromUtf8("Zo\xC3\xAB van \xE2\x82\xAC en \xE2\x80\x9C"
                                                                "Bo\xC3\xABt\xE2\x80\x9D"));
    v.view.Wissen();
    EXPECT_TRUE(v.view.toPlainText().isEmpty());
}

TEST(ThtmlLite, LayoutDefaults) {
    ThtmlLite view;
    EXPECT_EQ(view.DefFontName(), "Comic Sans MS");
    EXPECT_EQ(view.DefFontSize(), 10);
    EXPECT_EQ(view.DefPreFontName(), "Courier New");
    EXPECT_EQ(view.DefBackground(), QColor(0x87, 0xCE, 0xEB));
    EXPECT_EQ(view.palette().color(QPalette::Base), QColor(0x87, 0xCE, 0xEB));
    EXPECT_FALSE(view.openLinks());
    view.ZetDefFontName("Verdana");
    EXPECT_EQ(view.DefFontName(), "Verdana");
    EXPECT_EQ(view.document()->defaultFont().family(), "Verdana");
    EXPECT_EQ(view.document()->defaultFont().pointSize(), 10);
}

// Each link form of our pages, and texts URL decoding would change: the handler must get the
// HREF exactly as the page wrote it, and the page must stay.
class ThtmlLiteLink : public ::testing::TestWithParam<const char*> {};

TEST_P(ThtmlLiteLink, ClickReportsHrefAsWrittenAndStaysOnPage) {
    GetoondeView v;
    const std::string href = GetParam();
    v.view.LaadHtml(Pagina("voor <A HREF=\"" + href + "\">de link</A> na"));
    const QString tekst = v.view.toPlainText();
    QSignalSpy klik(&v.view, &ThtmlLite::HotSpotClick);
    const QPoint plek = gdk::test::Ankerplek(v.view, QString::fromLatin1(href.c_str()));
    ASSERT_GE(plek.x(), 0);
    QTest::mouseClick(v.view.viewport(), Qt::LeftButton, {}, plek);
    ASSERT_EQ(klik.count(), 1);
    EXPECT_EQ(klik.at(0).at(0).toString().toStdString(), href);
    EXPECT_EQ(v.view.toPlainText(), tekst);
    EXPECT_TRUE(v.view.source().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Vormen, ThtmlLiteLink,
                         ::testing::Values("%7", "%41", "%123456", "#3", "#41", "12", "@17", "%2F", "abc def",
                                           "%"));

TEST(ThtmlLite, ClickOutsideALinkReportsNothing) {
    GetoondeView v;
    v.view.LaadHtml(Pagina("<P>alleen tekst</P>"));
    QSignalSpy klik(&v.view, &ThtmlLite::HotSpotClick);
    QTest::mouseClick(v.view.viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(klik.count(), 0);
}

TEST(ThtmlLite, PictureLoadsThroughTheResolverAndItsButtonIsALink) {
    gdk::test::TijdelijkeMap map;
    QImage beeld(24, 20, QImage::Format_RGB32);
    beeld.fill(Qt::red);
    std::filesystem::create_directories(map.pad() / "Tool");
    ASSERT_TRUE(beeld.save(QString::fromStdString((map.pad() / "Tool" / "btnAfbeelding.png").string())));
    // The page names the picture in other letter case, with '%' in a folder name that URL
    // decoding would turn into another character.
    std::filesystem::create_directories(map.pad() / "a%41b");
    ASSERT_TRUE(beeld.save(QString::fromStdString((map.pad() / "a%41b" / "knop.png").string())));
    const std::string src1 = map.tekst() + "/TOOL/btnafbeelding.PNG";
    const std::string src2 = map.tekst() + "/a%41b/knop.png";

    GetoondeView v;
    v.view.LaadHtml(
        Pagina("<A HREF=\"#5\"><IMG BORDER=\"0\" SRC=\"" + src1 + "\"></A> en <IMG SRC=\"" + src2 + "\">"));
    const QVariant bron1 =
        v.view.document()->resource(QTextDocument::ImageResource, QUrl(QString::fromStdString(src1)));
    const QVariant bron2 =
        v.view.document()->resource(QTextDocument::ImageResource, QUrl(QString::fromStdString(src2)));
    ASSERT_TRUE(bron1.canConvert<QImage>());
    EXPECT_EQ(bron1.value<QImage>().size(), QSize(24, 20));
    ASSERT_TRUE(bron2.canConvert<QImage>());
    EXPECT_EQ(bron2.value<QImage>().size(), QSize(24, 20));

    QSignalSpy klik(&v.view, &ThtmlLite::HotSpotClick);
    const QPoint plek = gdk::test::Ankerplek(v.view, "#5");
    ASSERT_GE(plek.x(), 0);
    QTest::mouseClick(v.view.viewport(), Qt::LeftButton, {}, plek + QPoint(4, 0));
    ASSERT_EQ(klik.count(), 1);
    EXPECT_EQ(klik.at(0).at(0).toString(), "#5");
}

TEST(ThtmlLite, MissingOrBrokenPictureLeavesThePageShown) {
    gdk::test::TijdelijkeMap map;
    const std::string kapot = map.Schrijf("kapot.gif", "GIF89a\x01");
    GetoondeView v;
    v.view.LaadHtml(Pagina("<IMG SRC=\"" + kapot + "\"> <IMG SRC=\"" + map.tekst() + "/weg.gif\"> tekst"));
    EXPECT_TRUE(v.view.toPlainText().contains("tekst"));
}

TEST(ThtmlLite, LinkChosenWithTheKeyboardReportsItsHref) {
    GetoondeView v;
    v.view.LaadHtml(Pagina("<A HREF=\"%41\">eerste</A> en <A HREF=\"#7\">tweede</A>"));
    v.view.activateWindow();
    v.view.setFocus();
    QSignalSpy klik(&v.view, &ThtmlLite::HotSpotClick);
    QTest::keyClick(&v.view, Qt::Key_Tab);
    QTest::keyClick(&v.view, Qt::Key_Tab);
    QTest::keyClick(&v.view, Qt::Key_Return);
    ASSERT_EQ(klik.count(), 1);
    EXPECT_EQ(klik.at(0).at(0).toString(), "#7");
}
