// The options dialog.
#include "ui/tfrmopties.h"

#include "platform/tekst1252.h"
#include "settings/instellingen.h"
#include "ui/tfrmhelp.h"
#include "ui/tsbrgedenkjes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

// ---------------------------------------------------------------- radio group

TRadioGroep::TRadioGroep(const QString& naam, const QString& titel, const QStringList& items, QWidget* parent)
    : QGroupBox(titel, parent), groep_(new QButtonGroup(this)) {
    setObjectName(naam);
    auto* kolom = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* knop = new QRadioButton(items[i], this);
        knop->setObjectName(naam + QStringLiteral("Item") + QString::number(i));
        groep_->addButton(knop, i);
        kolom->addWidget(knop);
    }
}

int TRadioGroep::ItemIndex() const {
    return groep_->checkedId();
}

void TRadioGroep::ZetItemIndex(int index) {
    if (QAbstractButton* knop = groep_->button(index)) {
        knop->setChecked(true);
        return;
    }
    // An exclusive group never lets its last ticked item go; "none" needs it open for a moment.
    groep_->setExclusive(false);
    for (QAbstractButton* b : groep_->buttons())
        b->setChecked(false);
    groep_->setExclusive(true);
}

QRadioButton* TRadioGroep::Item(int index) const {
    return qobject_cast<QRadioButton*>(groep_->button(index));
}

int TRadioGroep::Aantal() const {
    return static_cast<int>(groep_->buttons().size());
}

// ---------------------------------------------------------------- the dialog

namespace {

QLabel* Label(QWidget* ouder, const char* naam, const QString& tekst) {
    auto* l = new QLabel(tekst, ouder);
    l->setObjectName(QString::fromLatin1(naam));
    return l;
}

QLineEdit* Edit(QWidget* ouder, const QString& naam) {
    auto* e = new QLineEdit(ouder);
    e->setObjectName(naam);
    return e;
}

QWidget* Pagina(QWidget* ouder, const char* naam) {
    auto* p = new QWidget(ouder);
    p->setObjectName(QString::fromLatin1(naam));
    return p;
}

} // namespace

TfrmOpties::TfrmOpties(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOpties"));
    setWindowTitle(QStringLiteral("Opties"));
    // A fixed dialog border with only the system menu.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    auto* kolom = new QVBoxLayout(this);
    pcntOpties = new QTabWidget(this);
    pcntOpties->setObjectName(QStringLiteral("pcntOpties"));
    // All five page tabs in view: the dialog grows to fit them.
    pcntOpties->setUsesScrollButtons(false);
    pcntOpties->addTab(MaakAlgemeen(), QStringLiteral("Algemeen"));
    pcntOpties->addTab(MaakCode(), QStringLiteral("Code"));
    pcntOpties->addTab(MaakBijInlezen(), QStringLiteral("Bij inlezen"));
    pcntOpties->addTab(MaakBijUitvoeren(), QStringLiteral("Bij uitvoeren"));
    pcntOpties->addTab(MaakWeergave(), QStringLiteral("Weergave"));
    kolom->addWidget(pcntOpties);

    auto* knoppen = new QHBoxLayout;
    bbtnSluiten =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("Sluiten"), this);
    bbtnSluiten->setObjectName(QStringLiteral("bbtnSluiten"));
    bbtnAnnuleren = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                    QStringLiteral("Annuleren"), this);
    bbtnAnnuleren->setObjectName(QStringLiteral("bbtnAnnuleren"));
    // Enter in an edit must not save the dialog behind the user's back.
    bbtnSluiten->setAutoDefault(false);
    bbtnAnnuleren->setAutoDefault(false);
    knoppen->addStretch(1);
    knoppen->addWidget(bbtnSluiten);
    knoppen->addWidget(bbtnAnnuleren);
    kolom->addLayout(knoppen);
    kolom->setSizeConstraint(QLayout::SetFixedSize);

    connect(bbtnSluiten, &QPushButton::clicked, this, &TfrmOpties::bbtnSluitenClick);
    connect(bbtnAnnuleren, &QPushButton::clicked, this, &TfrmOpties::bbtnAnnulerenClick);
    connect(cbxWeergaveAfblijven, &QCheckBox::toggled, this, &TfrmOpties::cbxWeergaveAfblijvenClick);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setObjectName(QStringLiteral("sctOptiesHelp"));
    connect(help, &QShortcut::activated, this, [this] { TfrmHelp::Toon(this, HelpContextOpties); });
}

TfrmOpties::~TfrmOpties() = default;

QCheckBox* TfrmOpties::Vink(QWidget* ouder, const char* naam, const QString& tekst, bool& waarde) {
    auto* box = new QCheckBox(tekst, ouder);
    box->setObjectName(QString::fromLatin1(naam));
    vinkjes_.push_back({box, &waarde});
    return box;
}

QWidget* TfrmOpties::MaakAlgemeen() {
    tshAlgemeen = Pagina(pcntOpties, "tshAlgemeen");
    auto* raster = new QGridLayout(tshAlgemeen);
    raster->addWidget(
        Label(tshAlgemeen, "lblAlgemeenAfbeeldingBestanden", QStringLiteral("AfbeeldingBestanden")), 0, 0, 1,
        2);
    edtAlgemeenAfbeeldingBestanden = Edit(tshAlgemeen, QStringLiteral("edtAlgemeenAfbeeldingBestanden"));
    edtAlgemeenAfbeeldingBestanden->setMinimumWidth(360);
    raster->addWidget(edtAlgemeenAfbeeldingBestanden, 1, 0, 1, 2);
    raster->addWidget(Label(tshAlgemeen, "lblAlgemeenUitvoerBestanden", QStringLiteral("UitvoerBestanden")),
                      2, 0, 1, 2);
    edtAlgemeenUitvoerBestanden = Edit(tshAlgemeen, QStringLiteral("edtAlgemeenUitvoerBestanden"));
    raster->addWidget(edtAlgemeenUitvoerBestanden, 3, 0, 1, 2);
    raster->addWidget(Label(tshAlgemeen, "lblAlgemeenNiveauAfbeeldingBestanden",
                            QStringLiteral("niveau van de AfbeeldingBestanden :")),
                      4, 0, Qt::AlignLeft | Qt::AlignVCenter);
    rgrAlgemeenNiveauAfbeeldingBestanden =
        new TRadioGroep(QStringLiteral("rgrAlgemeenNiveauAfbeeldingBestanden"), QStringLiteral(" niveau "),
                        {QStringLiteral("1 "), QStringLiteral("2 "), QStringLiteral("3 ")}, tshAlgemeen);
    raster->addWidget(rgrAlgemeenNiveauAfbeeldingBestanden, 4, 1, Qt::AlignLeft);
    raster->setRowStretch(5, 1);
    return tshAlgemeen;
}

QWidget* TfrmOpties::MaakCode() {
    tshCode = Pagina(pcntOpties, "tshCode");
    auto* raster = new QGridLayout(tshCode);
    raster->addWidget(Label(tshCode, "lblCodeVoorkant", QStringLiteral("voorkant")), 0, 1);
    raster->addWidget(Label(tshCode, "lblCodeAchterkant", QStringLiteral("achterkant")), 0, 2);

    // Rows as the page shows them; only the memorial card's two codes and the photo's front are
    // used by the program, the others are kept (hidden) and carried through unchanged.
    struct Rij {
        const char* soort;
        const char* label;
        QLineEdit** voorkant;
        QLineEdit** achterkant;
        bool voorZichtbaar, achterZichtbaar;
    };
    const Rij rijen[] = {
        {"Gedenkje", "Gedenkje e.d. :", &edtCodeGedenkjeVoorkant, &edtCodeGedenkjeAchterkant, true, true},
        {"Fotoos", "Foto's :", &edtCodeFotoosVoorkant, &edtCodeFotoosAchterkant, true, false},
        {"Geboortekaartje", "Geboortekaartje e.d. :", &edtCodeGeboortekaartjeVoorkant,
         &edtCodeGeboortekaartjeAchterkant, false, false},
        {"Communieplaatje", "Communieplaatje e.d.:", &edtCodeCommunieplaatjeVoorkant,
         &edtCodeCommunieplaatjeAchterkant, false, false},
        {"Schoolrapporten", "Schoolrapporten e.d. :", &edtCodeSchoolrapportenVoorkant,
         &edtCodeSchoolrapportenAchterkant, false, false},
        {"ID", "ID e.d. :", &edtCodeIDVoorkant, &edtCodeIDAchterkant, false, false},
        {"Vakantie", "Vakantie e.d. :", &edtCodeVakantieVoorkant, &edtCodeVakantieAchterkant, false, false},
        {"Trouwkaartje", "Trouwkaartje e.d. :", &edtCodeTrouwkaartjeVoorkant, &edtCodeTrouwkaartjeAchterkant,
         false, false},
        {"Documentatie", "Documentatie e.d. :", &edtCodeDocumentatieVoorkant, &edtCodeDocumentatieAchterkant,
         false, false},
        {"Genealogie", "Genealogie e.d. :", &edtCodeGenealogieVoorkant, &edtCodeGenealogieAchterkant, false,
         false},
    };
    int r = 1;
    for (const Rij& rij : rijen) {
        const QString soort = QString::fromLatin1(rij.soort);
        auto* label = new QLabel(QString::fromLatin1(rij.label), tshCode);
        label->setObjectName(QStringLiteral("lblCode") + soort);
        *rij.voorkant = Edit(tshCode, QStringLiteral("edtCode") + soort + QStringLiteral("Voorkant"));
        *rij.achterkant = Edit(tshCode, QStringLiteral("edtCode") + soort + QStringLiteral("Achterkant"));
        raster->addWidget(label, r, 0);
        raster->addWidget(*rij.voorkant, r, 1);
        raster->addWidget(*rij.achterkant, r, 2);
        label->setVisible(rij.voorZichtbaar || rij.achterZichtbaar);
        (*rij.voorkant)->setVisible(rij.voorZichtbaar);
        (*rij.achterkant)->setVisible(rij.achterZichtbaar);
        ++r;
    }
    raster->setRowStretch(r, 1);

    using namespace gdk;
    codes_ = {
        {edtCodeFotoosVoorkant, &CodeFotoosVoorkant},
        {edtCodeFotoosAchterkant, &CodeFotoosAchterkant},
        {edtCodeGeboortekaartjeVoorkant, &CodeGeboortekaartjeVoorkant},
        {edtCodeGeboortekaartjeAchterkant, &CodeGeboortekaartjeAchterkant},
        {edtCodeCommunieplaatjeVoorkant, &CodeCommunieplaatjeVoorkant},
        {edtCodeCommunieplaatjeAchterkant, &CodeCommunieplaatjeAchterkant},
        {edtCodeSchoolrapportenVoorkant, &CodeSchoolrapportenVoorkant},
        {edtCodeSchoolrapportenAchterkant, &CodeSchoolrapportenAchterkant},
        {edtCodeIDVoorkant, &CodeIDVoorkant},
        {edtCodeIDAchterkant, &CodeIDAchterkant},
        {edtCodeVakantieVoorkant, &CodeVakantieVoorkant},
        {edtCodeVakantieAchterkant, &CodeVakantieAchterkant},
        {edtCodeTrouwkaartjeVoorkant, &CodeTrouwkaartjeVoorkant},
        {edtCodeTrouwkaartjeAchterkant, &CodeTrouwkaartjeAchterkant},
        {edtCodeDocumentatieVoorkant, &CodeDocumentatieVoorkant},
        {edtCodeDocumentatieAchterkant, &CodeDocumentatieAchterkant},
        {edtCodeGenealogieVoorkant, &CodeGenealogieVoorkant},
        {edtCodeGenealogieAchterkant, &CodeGenealogieAchterkant},
        {edtCodeGedenkjeVoorkant, &CodeGedenkjeVoorkant},
        {edtCodeGedenkjeAchterkant, &CodeGedenkjeAchterkant},
    };
    return tshCode;
}

QWidget* TfrmOpties::MaakBijInlezen() {
    using namespace gdk;
    tshBijInlezen = Pagina(pcntOpties, "tshBijInlezen");
    QWidget* p = tshBijInlezen;
    auto* kolom = new QVBoxLayout(p);
    cbxBijInlezenControleOpGeslacht = Vink(p, "cbxBijInlezenControleOpGeslacht",
                                           QStringLiteral("Controle op geslacht"), ControleOpGeslacht);
    cbxBijInlezenControleOpDatum =
        Vink(p, "cbxBijInlezenControleOpDatum", QStringLiteral("Controle op datum"), ControleOpDatum);
    cbxBijInlezenControleOpBestandsnaam =
        Vink(p, "cbxBijInlezenControleOpBestandsnaam", QStringLiteral("Controle op bestandsnaam"),
             ControleOpBestandsnaam);
    cbxBijInlezenControleOpBestandsnaamAfbeelding =
        Vink(p, "cbxBijInlezenControleOpBestandsnaamAfbeelding",
             QStringLiteral("Controle op bestandsnaam afbeelding"), ControleOpBestandsnaamAfbeelding);
    cbxBijInlezenControleOpBestandsnaamFoto =
        Vink(p, "cbxBijInlezenControleOpBestandsnaamFoto", QStringLiteral("Controle op bestandsnaam foto"),
             ControleOpBestandsnaamFoto);
    cbxBijInlezenAlleenBestandsnaamAfbeeldingInlezen =
        Vink(p, "cbxBijInlezenAlleenBestandsnaamAfbeeldingInlezen",
             QStringLiteral("Alleen bestandsnaam afbeelding Inlezen"), AlleenBestandsnaamAfbeeldingInlezen);
    cbxBijInlezenBestandsnaamToevoegen =
        Vink(p, "cbxBijInlezenBestandsnaamToevoegen", QStringLiteral("Bestandsnaam toevoegen"),
             BestandsnaamToevoegen);
    for (QCheckBox* box :
         {cbxBijInlezenControleOpGeslacht, cbxBijInlezenControleOpDatum, cbxBijInlezenControleOpBestandsnaam,
          cbxBijInlezenControleOpBestandsnaamAfbeelding, cbxBijInlezenControleOpBestandsnaamFoto,
          cbxBijInlezenAlleenBestandsnaamAfbeeldingInlezen, cbxBijInlezenBestandsnaamToevoegen})
        kolom->addWidget(box);
    kolom->addStretch(1);
    return p;
}

QWidget* TfrmOpties::MaakBijUitvoeren() {
    using namespace gdk;
    tshBijUitvoeren = Pagina(pcntOpties, "tshBijUitvoeren");
    QWidget* p = tshBijUitvoeren;
    auto* kolom = new QVBoxLayout(p);
    cbxBijUitvoerenControleOpDubbeleGedenkjes =
        Vink(p, "cbxBijUitvoerenControleOpDubbeleGedenkjes", QStringLiteral("Controle op dubbele Gedenkjes"),
             ControleOpDubbeleGedenkjes);
    cbxBijUitvoerenDatumWeergeven =
        Vink(p, "cbxBijUitvoerenDatumWeergeven", QStringLiteral("Datum weergeven"), DatumWeergeven);
    cbxBijUitvoerenAantalWeergeven =
        Vink(p, "cbxBijUitvoerenAantalWeergeven", QStringLiteral("Aantal weergeven"), AantalWeergeven);
    cbxBijUitvoerenBeschermenTegenKopieren =
        Vink(p, "cbxBijUitvoerenBeschermenTegenKopieren", Q1252("Beschermen tegen kopi\xEBren"),
             BeschermenTegenKopieren);
    cbxBijUitvoerenVoornamenPartnerVolledigWeergeven =
        Vink(p, "cbxBijUitvoerenVoornamenPartnerVolledigWeergeven",
             QStringLiteral("Voornamen partner volledig weergeven"), VoornamenPartnerVolledigWeergeven);
    cbxBijUitvoerenGeslachtOnbekendNietWeergeven =
        Vink(p, "cbxBijUitvoerenGeslachtOnbekendNietWeergeven",
             QStringLiteral("Geslacht 'onbekend' niet weergeven"), GeslachtOnbekendNietWeergeven);
    cbxBijUitvoerenAfbeeldingVoorEnAchterkantWeergeven =
        Vink(p, "cbxBijUitvoerenAfbeeldingVoorEnAchterkantWeergeven",
             QStringLiteral("Afbeelding voor- en achterkant weergeven"), AfbeeldingVoorEnAchterkantWeergeven);
    cbxBijUitvoerenZoekpaginaMaken =
        Vink(p, "cbxBijUitvoerenZoekpaginaMaken", QStringLiteral("Zoekpagina toevoegen"), ZoekpaginaMaken);
    for (QCheckBox* box :
         {cbxBijUitvoerenControleOpDubbeleGedenkjes, cbxBijUitvoerenDatumWeergeven,
          cbxBijUitvoerenAantalWeergeven, cbxBijUitvoerenBeschermenTegenKopieren,
          cbxBijUitvoerenVoornamenPartnerVolledigWeergeven, cbxBijUitvoerenGeslachtOnbekendNietWeergeven,
          cbxBijUitvoerenAfbeeldingVoorEnAchterkantWeergeven, cbxBijUitvoerenZoekpaginaMaken})
        kolom->addWidget(box);
    // Where "Publiceren" sends the site: an rclone remote and path, set up with rclone config.
    kolom->addWidget(Label(p, "lblBijUitvoerenPubliceerDoel", QStringLiteral("Publiceren naar")));
    edtBijUitvoerenPubliceerDoel = Edit(p, QStringLiteral("edtBijUitvoerenPubliceerDoel"));
    edtBijUitvoerenPubliceerDoel->setPlaceholderText(QStringLiteral("mijnsite:public_html/gedenkjes"));
    edtBijUitvoerenPubliceerDoel->setToolTip(QStringLiteral(
        "Een verbinding van rclone (in te richten met rclone config), een dubbele punt en de map"));
    kolom->addWidget(edtBijUitvoerenPubliceerDoel);
    // The type 4 site's public address: with it the site gets its sitemap and sharing data.
    lblBijUitvoerenWebAdres = Label(p, "lblBijUitvoerenWebAdres", QStringLiteral("Webadres van de site"));
    edtBijUitvoerenWebAdres = Edit(p, QStringLiteral("edtBijUitvoerenWebAdres"));
    edtBijUitvoerenWebAdres->setPlaceholderText(QStringLiteral("https://www.voorbeeld.nl/gedenkjes/"));
    lblBijUitvoerenWebAdres->setBuddy(edtBijUitvoerenWebAdres);
    kolom->addWidget(lblBijUitvoerenWebAdres);
    kolom->addWidget(edtBijUitvoerenWebAdres);
    // Recent cards stay off the published sites; the window keeps showing them.
    auto* recent = new QHBoxLayout;
    lblBijUitvoerenRecentNietPubliceren =
        Label(p, "lblBijUitvoerenRecentNietPubliceren", QStringLiteral("Gedenkjes van de laatste"));
    speBijUitvoerenRecentNietPubliceren = new QSpinBox(p);
    speBijUitvoerenRecentNietPubliceren->setObjectName(QStringLiteral("speBijUitvoerenRecentNietPubliceren"));
    speBijUitvoerenRecentNietPubliceren->setRange(0, RecentNietPublicerenHoogste);
    speBijUitvoerenRecentNietPubliceren->setToolTip(
        QStringLiteral("Gestorven in zoveel jaar voor de uitvoer, of zonder jaar: niet op de site. "
                       "0: alle gedenkjes worden gepubliceerd."));
    lblBijUitvoerenRecentNietPubliceren->setBuddy(speBijUitvoerenRecentNietPubliceren);
    recent->addWidget(lblBijUitvoerenRecentNietPubliceren);
    recent->addWidget(speBijUitvoerenRecentNietPubliceren);
    recent->addWidget(Label(p, "lblBijUitvoerenRecentJaar", QStringLiteral("jaar niet publiceren")));
    recent->addStretch(1);
    kolom->addLayout(recent);
    kolom->addStretch(1);
    return p;
}

QWidget* TfrmOpties::MaakWeergave() {
    using namespace gdk;
    tshWeergave = Pagina(pcntOpties, "tshWeergave");
    QWidget* p = tshWeergave;
    auto* raster = new QGridLayout(p);

    auto* lettertype = new QVBoxLayout;
    lettertype->addWidget(Label(p, "lblWeergaveLettertype", QStringLiteral("Lettertype")));
    cbxWeergaveLettertype = new QComboBox(p);
    cbxWeergaveLettertype->setObjectName(QStringLiteral("cbxWeergaveLettertype"));
    // Any installed font may be typed; the list only offers the usual ones.
    cbxWeergaveLettertype->setEditable(true);
    cbxWeergaveLettertype->setInsertPolicy(QComboBox::NoInsert);
    cbxWeergaveLettertype->addItems({QStringLiteral("Arial"), QStringLiteral("Comic Sans MS"),
                                     QStringLiteral("Courier New"), QStringLiteral("Garamond"),
                                     QStringLiteral("Tahoma"), QStringLiteral("Verdana")});
    cbxWeergaveLettertype->setMinimumWidth(160);
    lettertype->addWidget(cbxWeergaveLettertype);
    lettertype->addStretch(1);
    raster->addLayout(lettertype, 0, 0);

    rgrpWeergaveDatumAanpassen = new TRadioGroep(
        QStringLiteral("rgrpWeergaveDatumAanpassen"), QStringLiteral(" Datum aanpassen "),
        {QStringLiteral("afblijven (zoals in het bestand)"), QStringLiteral("aanpassen naar dd-mm-jjjj"),
         QStringLiteral("aanpassen naar d-m-jjjj")},
        p);
    raster->addWidget(rgrpWeergaveDatumAanpassen, 1, 0, Qt::AlignTop);

    grpWeergaveGroteLetters = new QGroupBox(QStringLiteral(" Grote letters "), p);
    grpWeergaveGroteLetters->setObjectName(QStringLiteral("grpWeergaveGroteLetters"));
    QWidget* g = grpWeergaveGroteLetters;
    auto* kolom = new QVBoxLayout(g);
    cbxWeergaveAfblijven = Vink(g, "cbxWeergaveAfblijven", QStringLiteral("afblijven"), glAfblijven);
    cbxWeergaveRoepnaam = Vink(g, "cbxWeergaveRoepnaam", QStringLiteral("roepnaam"), glRoepnaam);
    cbxWeergaveVoornamen = Vink(g, "cbxWeergaveVoornamen", QStringLiteral("voornamen"), glVoornamen);
    cbxWeergaveTussenvoegsel =
        Vink(g, "cbxWeergaveTussenvoegsel", QStringLiteral("tussenvoegsel"), glTussenvoegsel);
    cbxWeergaveAchternaam = Vink(g, "cbxWeergaveAchternaam", QStringLiteral("achternaam"), glAchternaam);
    cbxWeergavePlaatsnamen = Vink(g, "cbxWeergavePlaatsnamen", QStringLiteral("plaatsnamen"), glPlaatsnamen);
    groteLetters_ = {cbxWeergaveRoepnaam, cbxWeergaveVoornamen, cbxWeergaveTussenvoegsel,
                     cbxWeergaveAchternaam, cbxWeergavePlaatsnamen};
    kolom->addWidget(cbxWeergaveAfblijven);
    for (QCheckBox* box : groteLetters_)
        kolom->addWidget(box);
    raster->addWidget(grpWeergaveGroteLetters, 0, 1, 2, 1, Qt::AlignTop);
    raster->setRowStretch(2, 1);
    return p;
}

// ---------------------------------------------------------------- behaviour

void TfrmOpties::showEvent(QShowEvent* e) {
    // The dialog opens no window of its own, so it becomes active exactly once per showing;
    // opening here (not on every activation) keeps the edits when the user switches programs.
    if (!e->spontaneous()) FormActivate();
    QDialog::showEvent(e);
}

void TfrmOpties::FormActivate() {
    pcntOpties->setCurrentIndex(0);
    OptiesNaarControles();
    const bool afblijven = cbxWeergaveAfblijven->isChecked();
    if (afblijven)
        cbxWeergaveAfblijvenClick(true);
    else
        for (QCheckBox* box : groteLetters_)
            box->setEnabled(true);
    // A stored tick shows, greyed, while "afblijven" is ticked.
    const bool* waarden[] = {&gdk::glRoepnaam, &gdk::glVoornamen, &gdk::glTussenvoegsel, &gdk::glAchternaam,
                             &gdk::glPlaatsnamen};
    for (std::size_t i = 0; i < groteLetters_.size(); ++i)
        groteLetters_[i]->setChecked(*waarden[i]);
}

void TfrmOpties::OptiesNaarControles() {
    using namespace gdk;
    edtAlgemeenAfbeeldingBestanden->setText(Q1252(AfbeeldingBestanden));
    edtAlgemeenUitvoerBestanden->setText(Q1252(UitvoerBestanden));
    edtBijUitvoerenWebAdres->setText(Q1252(WebAdres));
    speBijUitvoerenRecentNietPubliceren->setValue(RecentNietPubliceren);
    rgrAlgemeenNiveauAfbeeldingBestanden->ZetItemIndex(NiveauAfbeeldingBestanden);
    edtBijUitvoerenPubliceerDoel->setText(Q1252(PubliceerDoel));
    for (const Code& c : codes_)
        c.edit->setText(Q1252(*c.waarde));
    for (const Vinkje& v : vinkjes_)
        v.box->setChecked(*v.waarde);
    cbxWeergaveLettertype->setCurrentText(Q1252(alLettertype));
    rgrpWeergaveDatumAanpassen->ZetItemIndex(adDatumAanpassen);
}

void TfrmOpties::cbxWeergaveAfblijvenClick(bool aan) {
    for (QCheckBox* box : groteLetters_) {
        if (aan) box->setChecked(false);
        box->setEnabled(!aan);
    }
}

void TfrmOpties::bbtnSluitenClick() {
    using namespace gdk;
    AfbeeldingBestanden = Van1252(edtAlgemeenAfbeeldingBestanden->text());
    UitvoerBestanden = Van1252(edtAlgemeenUitvoerBestanden->text());
    WebAdres = Van1252(edtBijUitvoerenWebAdres->text());
    RecentNietPubliceren = speBijUitvoerenRecentNietPubliceren->value();
    NiveauAfbeeldingBestanden = rgrAlgemeenNiveauAfbeeldingBestanden->ItemIndex();
    PubliceerDoel = Van1252(edtBijUitvoerenPubliceerDoel->text());
    for (const Code& c : codes_) {
        const std::string tekst = Van1252(c.edit->text());
        // A file-name code is appended to the name code; the "_" keeps the two apart.
        if (!Trim(tekst).empty() && tekst[0] != '_') c.edit->setText(QStringLiteral("_") + c.edit->text());
        *c.waarde = Van1252(c.edit->text());
    }
    for (const Vinkje& v : vinkjes_)
        *v.waarde = v.box->isChecked();
    alLettertype = Van1252(cbxWeergaveLettertype->currentText());
    adDatumAanpassen = rgrpWeergaveDatumAanpassen->ItemIndex();
    SchrijfInstellingen();
    accept();
}

void TfrmOpties::bbtnAnnulerenClick() {
    OptiesNaarControles();
    reject();
}
