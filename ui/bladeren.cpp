// The browsing half of the main window: the page control with its tabs, the letter tabs, the
// sorted lists, the go-to fields, and the page view whose links lead to other pages and to the
// image window. The search page is in zoeken.cpp.
#include "ui/tfrmgedenkjes.h"

#include "data/tekst.h"
#include "data/tvars.h"
#include "htmlview/thtmllite.h"
#include "import/status.h"
#include "import/woordlijsten.h"
#include "pages/tpersoonpagina.h"
#include "pages/trelatiepagina.h"
#include "platform/gebruiker.h"
#include "platform/tekst1252.h"
#include "ui/lijstregels.h"
#include "ui/tfrmafbeelding.h"
#include "ui/tsbrgedenkjes.h"
#include "ui/ttabbalk.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string>

// ---------------------------------------------------------------- layout

void TfrmGedenkjes::MaakPaginas() {
    pctrViewer = new QTabWidget(this);
    pctrViewer->setObjectName(QStringLiteral("pctrViewer"));
    pctrViewer->setDocumentMode(true);

    auto blad = [this](const char* naam, const QString& titel) {
        auto* w = new QWidget(pctrViewer);
        w->setObjectName(QString::fromLatin1(naam));
        pctrViewer->addTab(w, titel);
        return w;
    };

    tshViewer = blad("tshViewer", QStringLiteral("Viewer"));
    auto* viewerLayout = new QVBoxLayout(tshViewer);
    viewerLayout->setContentsMargins(0, 0, 0, 0);
    htmlViewer = new ThtmlLite(tshViewer);
    htmlViewer->setObjectName(QStringLiteral("htmlViewer"));
    htmlViewer->hide();
    viewerLayout->addWidget(htmlViewer);

    tshGaNaar = blad("tshGaNaar", QStringLiteral("Ga naar"));
    auto* gaNaarLayout = new QVBoxLayout(tshGaNaar);
    gaNaarLayout->addWidget(MaakGaNaar());
    splGaNaar = new QSplitter(Qt::Horizontal, tshGaNaar);
    splGaNaar->setObjectName(QStringLiteral("splGaNaar"));
    splGaNaar->addWidget(MaakSorteerGroep(
        "rgrpSorterenRelatie", " sorteren Relatie ", rgrpSorterenRelatieKeuze, rgrpSorterenRelatieVoornamen,
        rgrpSorterenRelatieAchternaam, lbxSorterenRelatie, "lbxSorterenRelatie"));
    splGaNaar->addWidget(MaakSorteerGroep(
        "rgrpSorterenPersoon", " sorteren Persoon ", rgrpSorterenPersoonKeuze, rgrpSorterenPersoonVoornamen,
        rgrpSorterenPersoonAchternaam, lbxSorterenPersoon, "lbxSorterenPersoon"));
    rgrpSorterenRelatie = qobject_cast<QGroupBox*>(splGaNaar->widget(0));
    rgrpSorterenPersoon = qobject_cast<QGroupBox*>(splGaNaar->widget(1));
    gaNaarLayout->addWidget(splGaNaar, 1);

    tshRelatie = blad("tshRelatie", QStringLiteral("Relatie"));
    auto* relatieLayout = new QVBoxLayout(tshRelatie);
    relatieLayout->addWidget(MaakLetterTabs(tcRelatie, lbxRelatie, "tcRelatie", "lbxRelatie"));
    tshVolgendRelatie = blad("tshVolgendRelatie", QStringLiteral("Volgend Relatie"));
    tshVorigRelatie = blad("tshVorigRelatie", QStringLiteral("Vorig Relatie"));
    tshPersoon = blad("tshPersoon", QStringLiteral("Persoon"));
    auto* persoonLayout = new QVBoxLayout(tshPersoon);
    persoonLayout->addWidget(MaakLetterTabs(tcPersoon, lbxPersoon, "tcPersoon", "lbxPersoon"));
    tshVolgendPersoon = blad("tshVolgendPersoon", QStringLiteral("Volgend Persoon"));
    tshVorigPersoon = blad("tshVorigPersoon", QStringLiteral("Vorig Persoon"));
    // After the eight pages of old, so that each keeps its place.
    tshZoeken = blad("tshZoeken", QStringLiteral("Zoeken"));
    pctrViewer->setTabToolTip(pctrViewer->indexOf(tshZoeken),
                              QStringLiteral("Zoeken op naam, plaats of jaar (Ctrl+F)"));
    MaakZoeken();

    pctrViewer->setCurrentIndex(0);
    pctrViewer->hide();
    pctrViewer->setEnabled(false);

    connect(pctrViewer, &QTabWidget::currentChanged, this, [this](int index) {
        if (!programmaKiestTab_) pctrViewerChange(index);
    });
    connect(htmlViewer, &ThtmlLite::HotSpotClick, this, &TfrmGedenkjes::htmlViewerHotSpotClick);
    connect(tcRelatie, &QTabBar::currentChanged, this, &TfrmGedenkjes::tcRelatieChange);
    connect(tcPersoon, &QTabBar::currentChanged, this, &TfrmGedenkjes::tcPersoonChange);
    connect(tcRelatie, &TTabBalk::Resize, this, &TfrmGedenkjes::tcRelatieResize);
    connect(tcPersoon, &TTabBalk::Resize, this, &TfrmGedenkjes::tcPersoonResize);
    connect(lbxRelatie, &QListWidget::itemDoubleClicked, this, &TfrmGedenkjes::lbxRelatieDblClick);
    connect(lbxPersoon, &QListWidget::itemDoubleClicked, this, &TfrmGedenkjes::lbxPersoonDblClick);
    connect(lbxSorterenRelatie, &QListWidget::itemDoubleClicked, this,
            &TfrmGedenkjes::lbxSorterenRelatieDblClick);
    connect(lbxSorterenPersoon, &QListWidget::itemDoubleClicked, this,
            &TfrmGedenkjes::lbxSorterenPersoonDblClick);
    connect(rgrpSorterenRelatieKeuze, &QButtonGroup::idClicked, this,
            &TfrmGedenkjes::rgrpSorterenRelatieClick);
    connect(rgrpSorterenPersoonKeuze, &QButtonGroup::idClicked, this,
            &TfrmGedenkjes::rgrpSorterenPersoonClick);
    connect(bbtnGaNaar, &QPushButton::clicked, this, &TfrmGedenkjes::bbtnGaNaarClick);
    connect(edtGaNaarRelatie, &QLineEdit::returnPressed, this, &TfrmGedenkjes::edtGaNaarRelatieKeyPress);
    connect(edtGaNaarPersoon, &QLineEdit::returnPressed, this, &TfrmGedenkjes::edtGaNaarRelatieKeyPress);
}

QWidget* TfrmGedenkjes::MaakGaNaar() {
    auto* paneel = new QWidget(tshGaNaar);
    paneel->setObjectName(QStringLiteral("pnlGaNaar"));
    auto* rij = new QHBoxLayout(paneel);
    rij->addStretch(1);
    auto* lblRelatie = new QLabel(QStringLiteral("ga naar Relatie ..."), paneel);
    lblRelatie->setObjectName(QStringLiteral("lblGaNaarRelatie"));
    edtGaNaarRelatie = new QLineEdit(paneel);
    edtGaNaarRelatie->setObjectName(QStringLiteral("edtGaNaarRelatie"));
    edtGaNaarRelatie->setMaximumWidth(120);
    bbtnGaNaar = new QPushButton(QStringLiteral("Uitvoeren"), paneel);
    bbtnGaNaar->setObjectName(QStringLiteral("bbtnGaNaar"));
    bbtnGaNaar->setAutoDefault(false);
    edtGaNaarPersoon = new QLineEdit(paneel);
    edtGaNaarPersoon->setObjectName(QStringLiteral("edtGaNaarPersoon"));
    edtGaNaarPersoon->setMaximumWidth(120);
    auto* lblPersoon = new QLabel(QStringLiteral("... ga naar Persoon"), paneel);
    lblPersoon->setObjectName(QStringLiteral("lblGaNaarPersoon"));
    rij->addWidget(lblRelatie);
    rij->addWidget(edtGaNaarRelatie);
    rij->addWidget(bbtnGaNaar);
    rij->addWidget(edtGaNaarPersoon);
    rij->addWidget(lblPersoon);
    rij->addStretch(1);
    return paneel;
}

QWidget* TfrmGedenkjes::MaakLetterTabs(TTabBalk*& tabs, QListWidget*& lijst, const char* tabNaam,
                                       const char* lijstNaam) {
    auto* houder = new QWidget(this);
    auto* kolom = new QVBoxLayout(houder);
    kolom->setContentsMargins(0, 0, 0, 0);
    kolom->setSpacing(0);
    tabs = new TTabBalk(houder);
    tabs->setObjectName(QString::fromLatin1(tabNaam));
    tabs->setUsesScrollButtons(false);
    tabs->setExpanding(false);
    tabs->setDrawBase(true);
    {
        // Filling the 26 tabs must not count as the user choosing one.
        const QSignalBlocker stil(tabs);
        for (char c = 'A'; c <= 'Z'; ++c)
            tabs->addTab(QString(QLatin1Char(c)));
        tabs->setCurrentIndex(0);
    }
    lijst = new QListWidget(houder);
    lijst->setObjectName(QString::fromLatin1(lijstNaam));
    lijst->setSortingEnabled(false);
    lijst->setUniformItemSizes(true);
    kolom->addWidget(tabs);
    kolom->addWidget(lijst, 1);
    return houder;
}

QGroupBox* TfrmGedenkjes::MaakSorteerGroep(const char* naam, const char* titel, QButtonGroup*& keuze,
                                           QRadioButton*& voornamen, QRadioButton*& achternaam,
                                           QListWidget*& lijst, const char* lijstNaam) {
    auto* groep = new QGroupBox(QString::fromLatin1(titel), this);
    groep->setObjectName(QString::fromLatin1(naam));
    auto* kolom = new QVBoxLayout(groep);
    auto* knoppen = new QHBoxLayout();
    voornamen = new QRadioButton(QStringLiteral("voornamen"), groep);
    voornamen->setObjectName(QString::fromLatin1(naam) + QStringLiteral("Voornamen"));
    achternaam = new QRadioButton(QStringLiteral("achternaam"), groep);
    achternaam->setObjectName(QString::fromLatin1(naam) + QStringLiteral("Achternaam"));
    knoppen->addWidget(voornamen, 1);
    knoppen->addWidget(achternaam, 1);
    kolom->addLayout(knoppen);
    keuze = new QButtonGroup(groep);
    keuze->setObjectName(QString::fromLatin1(naam) + QStringLiteral("Keuze"));
    keuze->addButton(voornamen, 0);
    keuze->addButton(achternaam, 1);
    lijst = new QListWidget(groep);
    lijst->setObjectName(QString::fromLatin1(lijstNaam));
    lijst->setSortingEnabled(false);
    lijst->setUniformItemSizes(true);
    kolom->addWidget(lijst, 1);
    return groep;
}

// ---------------------------------------------------------------- following links

bool TfrmGedenkjes::VolgLink(const std::string& link) {
    AfbeeldingPersoon = 0;
    std::int32_t n = 0;
    if (!link.empty() && link[0] == '#') {
        if (!gdk::TekstNaarGetal(link.substr(1), n)) return false;
        AfbeeldingPersoon = n;
        if (n < 1 || n > gdk::AantalPersonen) return false;
        TfrmAfbeelding frmAfbeelding(AfbeeldingPersoon, this);
        frmAfbeelding.exec();
        return true;
    }
    if (!link.empty() && (link[0] == '%' || link[0] == '@')) {
        if (!gdk::TekstNaarGetal(link.substr(1), n)) return false;
        HuidigePersoon = n;
        if (n < 1 || n > gdk::AantalPersonen || !gdk::PersoonPagina(n)) return false;
        htmlViewer->LaadHtml(gdk::PaginaHtml);
        return true;
    }
    if (!gdk::TekstNaarGetal(link, n)) return false;
    HuidigeRelatie = n;
    if (n < 1 || n > gdk::AantalGezinnen || !gdk::RelatiePagina(n)) return false;
    htmlViewer->LaadHtml(gdk::PaginaHtml);
    return true;
}

void TfrmGedenkjes::RelatieStatus(std::int32_t n) {
    gdk::StatusRechts(gdk::UitvoerTekst[gdk::ut::Gezinsblad] + " : " + std::to_string(n));
}

void TfrmGedenkjes::PersoonStatus(std::int32_t n) {
    gdk::StatusRechts(gdk::UitvoerTekst[gdk::ut::Persoon] + " : " + std::to_string(n));
}

void TfrmGedenkjes::KiesTab(int index) {
    programmaKiestTab_ = true;
    pctrViewer->setCurrentIndex(index);
    programmaKiestTab_ = false;
}

// ---------------------------------------------------------------- page control

void TfrmGedenkjes::pctrViewerChange(int index) {
    htmlViewer->Wissen();
    gdk::StatusLinks("");
    gdk::StatusRechts("");
    switch (index) {
    case 1:
        edtGaNaarRelatie->clear();
        edtGaNaarPersoon->clear();
        edtGaNaarRelatie->setFocus();
        break;
    case 2:
    case 5: {
        TTabBalk* tabs = index == 2 ? tcRelatie : tcPersoon;
        {
            const QSignalBlocker stil(tabs);
            tabs->setCurrentIndex(LetterTab);
        }
        lbxSorterenRelatie->clear();
        lbxSorterenPersoon->clear();
        for (QButtonGroup* keuze : {rgrpSorterenRelatieKeuze, rgrpSorterenPersoonKeuze}) {
            // An exclusive group keeps one button checked; "no choice" needs it lifted briefly.
            keuze->setExclusive(false);
            for (QAbstractButton* b : keuze->buttons())
                b->setChecked(false);
            keuze->setExclusive(true);
        }
        break;
    }
    case 3:
    case 4:
        if (index == 3 && HuidigeRelatie < gdk::AantalGezinnen) ++HuidigeRelatie;
        if (index == 4 && HuidigeRelatie > 1) --HuidigeRelatie;
        if (VolgLink(std::to_string(HuidigeRelatie))) {
            KiesTab(0);
            RelatieStatus(HuidigeRelatie);
        }
        break;
    case 6:
    case 7:
        if (index == 6 && HuidigePersoon < gdk::AantalPersonen) ++HuidigePersoon;
        if (index == 7 && HuidigePersoon > 1) --HuidigePersoon;
        if (VolgLink("%" + std::to_string(HuidigePersoon))) {
            KiesTab(0);
            PersoonStatus(HuidigePersoon);
        }
        break;
    case 8:
        // The search stays as it was left: back from a page, its results are still there.
        edtZoeken->setFocus();
        edtZoeken->selectAll();
        break;
    default:
        break;
    }
}

void TfrmGedenkjes::htmlViewerHotSpotClick(const QString& link) {
    const std::string l = Van1252(link);
    VolgLink(l);
    std::int32_t n = 0;
    if (gdk::TekstNaarGetal(l, n)) {
        RelatieStatus(n);
    } else if (!l.empty() && l[0] == '%' && gdk::TekstNaarGetal(l.substr(1), n)) {
        PersoonStatus(n);
    }
}

// ---------------------------------------------------------------- letter tabs and lists

void TfrmGedenkjes::BijCollectieGelezen() {
    lbxPersoon->clear();
    {
        const QSignalBlocker stil(tcPersoon);
        tcPersoon->setCurrentIndex(0);
    }
    VulRelatieLijst('A');
}

void TfrmGedenkjes::VulRelatieLijst(char letter) {
    lbxRelatie->clear();
    if (voorbereid_) {
        const gdk::BezigScope bezig;
        VulLijst(lbxRelatie, lijsten_.Letter(true, letter), true, true);
    }
    VulPersoonLijst(letter);
}

void TfrmGedenkjes::VulPersoonLijst(char letter) {
    lbxPersoon->clear();
    // Asked for while the orders are being made: both letter lists follow when they are ready.
    if (!voorbereid_) {
        wachtendeLetter_ = letter;
        return;
    }
    VulLijst(lbxPersoon, lijsten_.Letter(false, letter), false, true);
}

void TfrmGedenkjes::tcRelatieChange(int index) {
    if (index < 0 || index > 25) return;
    VulRelatieLijst(static_cast<char>('A' + index));
    LetterTab = index;
}

void TfrmGedenkjes::tcPersoonChange(int index) {
    tcRelatieChange(index);
}

void TfrmGedenkjes::tcRelatieResize() {
    tcRelatie->ZetTabWidth(tcRelatie->width() / 27);
}

void TfrmGedenkjes::tcPersoonResize() {
    tcPersoon->ZetTabWidth(tcPersoon->width() / 27);
}

void TfrmGedenkjes::SorteerLijst(QButtonGroup* keuze, QListWidget* lijst, bool relaties) {
    lijst->clear();
    const int gekozen = keuze->checkedId();
    // Chosen while the orders are being made: the list follows when they are ready.
    if (gekozen < 0 || !voorbereid_) return;
    const gdk::BezigScope bezig;
    VulLijst(lijst, lijsten_.Volgorde(relaties, gekozen == 1), relaties, gekozen == 1);
}

void TfrmGedenkjes::rgrpSorterenRelatieClick() {
    SorteerLijst(rgrpSorterenRelatieKeuze, lbxSorterenRelatie, true);
}

void TfrmGedenkjes::rgrpSorterenPersoonClick() {
    SorteerLijst(rgrpSorterenPersoonKeuze, lbxSorterenPersoon, false);
}

// ---------------------------------------------------------------- double-clicks

void TfrmGedenkjes::RelatieDubbelklik(QListWidget* lijst) {
    const QListWidgetItem* regel = lijst->currentItem();
    if (!regel || !regel->isSelected()) return;
    std::int32_t n = 0;
    if (!RegelNummer(Van1252(regel->text()), '#', n)) return;
    VolgLink(std::to_string(n));
    KiesTab(0);
    RelatieStatus(n);
}

void TfrmGedenkjes::PersoonDubbelklik(QListWidget* lijst) {
    const QListWidgetItem* regel = lijst->currentItem();
    if (!regel || !regel->isSelected()) return;
    std::int32_t n = 0;
    if (!RegelNummer(Van1252(regel->text()), '%', n)) return;
    VolgLink("%" + std::to_string(n));
    KiesTab(0);
    PersoonStatus(n);
}

void TfrmGedenkjes::lbxRelatieDblClick() {
    RelatieDubbelklik(lbxRelatie);
}
void TfrmGedenkjes::lbxSorterenRelatieDblClick() {
    RelatieDubbelklik(lbxSorterenRelatie);
}
void TfrmGedenkjes::lbxPersoonDblClick() {
    PersoonDubbelklik(lbxPersoon);
}
void TfrmGedenkjes::lbxSorterenPersoonDblClick() {
    PersoonDubbelklik(lbxSorterenPersoon);
}

// ---------------------------------------------------------------- go-to fields

void TfrmGedenkjes::bbtnGaNaarClick() {
    const std::string relatie = Van1252(edtGaNaarRelatie->text());
    std::int32_t n = 0;
    if (!gdk::Trim(relatie).empty()) {
        if (VolgLink(relatie)) {
            KiesTab(0);
            // The relation field takes every link form; a person typed there ("%5") gets the
            // person status rather than a relation status it has no number for.
            if (gdk::TekstNaarGetal(relatie, n)) {
                RelatieStatus(n);
            } else if ((relatie[0] == '%' || relatie[0] == '@') &&
                       gdk::TekstNaarGetal(relatie.substr(1), n)) {
                PersoonStatus(n);
            }
        } else {
            edtGaNaarPersoon->clear();
            edtGaNaarRelatie->setFocus();
        }
        return;
    }
    const std::string persoon = Van1252(edtGaNaarPersoon->text());
    if (VolgLink("%" + persoon)) {
        KiesTab(0);
        if (gdk::TekstNaarGetal(persoon, n)) PersoonStatus(n);
    } else {
        edtGaNaarRelatie->clear();
        edtGaNaarPersoon->setFocus();
    }
}

void TfrmGedenkjes::edtGaNaarRelatieKeyPress() {
    bbtnGaNaarClick();
}
