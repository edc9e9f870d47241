// The search page of the main window: a field that finds persons and relations while the user
// types, by the rule of the site's search page (export/zoekregel), with the lines and in the
// order of the letter lists. Ctrl+F reaches it from anywhere in the window.
#include "ui/tfrmgedenkjes.h"

#include "data/tvars.h"
#include "platform/gebruiker.h"
#include "platform/tekst1252.h"
#include "ui/lijstregels.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace {

// What the user typed as Windows-1252, as the site's search script reads it: a character
// without a Windows-1252 form counts as its plain letter when it has one (o with double acute
// as "o"), else as a word boundary.
std::string ZoekVraag(const QString& tekst) {
    std::string vraag;
    for (const char32_t c : tekst.toUcs4()) {
        const QString teken = QString::fromUcs4(&c, 1);
        std::string byte;
        if (gdk::VanUtf8Verliesvrij(teken.toUtf8().toStdString(), byte) && byte.size() == 1) {
            vraag += byte;
            continue;
        }
        const QChar basis = teken.normalized(QString::NormalizationForm_D).at(0);
        const char16_t u = basis.unicode();
        vraag += (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ? static_cast<char>(u) : ' ';
    }
    return vraag;
}

QString AantalTekst(std::size_t gevonden) {
    if (gevonden == 0) return QStringLiteral("Geen personen gevonden.");
    if (gevonden == 1) return QStringLiteral("1 persoon gevonden.");
    QString t = QStringLiteral("%1 personen gevonden.").arg(gevonden);
    if (gevonden > TfrmGedenkjes::ZoekenMaxRegels)
        t += QStringLiteral(" De eerste %1 staan in de lijsten.").arg(TfrmGedenkjes::ZoekenMaxRegels);
    return t;
}

} // namespace

void TfrmGedenkjes::MaakZoeken() {
    auto* kolom = new QVBoxLayout(tshZoeken);
    auto* paneel = new QWidget(tshZoeken);
    paneel->setObjectName(QStringLiteral("pnlZoeken"));
    auto* rij = new QHBoxLayout(paneel);
    auto* lblZoeken = new QLabel(QStringLiteral("zoeken ..."), paneel);
    lblZoeken->setObjectName(QStringLiteral("lblZoeken"));
    edtZoeken = new QLineEdit(paneel);
    edtZoeken->setObjectName(QStringLiteral("edtZoeken"));
    edtZoeken->setPlaceholderText(QStringLiteral("naam, plaats van overlijden of jaar"));
    edtZoeken->setClearButtonEnabled(true);
    edtZoeken->setMinimumWidth(260);
    lblZoeken->setBuddy(edtZoeken);
    lblZoekenAantal = new QLabel(paneel);
    lblZoekenAantal->setObjectName(QStringLiteral("lblZoekenAantal"));
    rij->addWidget(lblZoeken);
    rij->addWidget(edtZoeken, 2);
    rij->addWidget(lblZoekenAantal, 3);
    kolom->addWidget(paneel);

    splZoeken = new QSplitter(Qt::Horizontal, tshZoeken);
    splZoeken->setObjectName(QStringLiteral("splZoeken"));
    // The persons come first: they are the cards found; the relations are those of the persons
    // found who have one.
    const auto groep = [this](const char* naam, const char* titel, QListWidget*& lijst,
                              const char* lijstNaam) {
        auto* g = new QGroupBox(QString::fromLatin1(titel), splZoeken);
        g->setObjectName(QString::fromLatin1(naam));
        auto* l = new QVBoxLayout(g);
        lijst = new QListWidget(g);
        lijst->setObjectName(QString::fromLatin1(lijstNaam));
        lijst->setUniformItemSizes(true);
        l->addWidget(lijst);
        splZoeken->addWidget(g);
        return g;
    };
    grpZoekenPersoon = groep("grpZoekenPersoon", " Persoon ", lbxZoekenPersoon, "lbxZoekenPersoon");
    grpZoekenRelatie = groep("grpZoekenRelatie", " Relatie ", lbxZoekenRelatie, "lbxZoekenRelatie");
    kolom->addWidget(splZoeken, 1);

    connect(edtZoeken, &QLineEdit::textChanged, this, &TfrmGedenkjes::edtZoekenChange);
    connect(edtZoeken, &QLineEdit::returnPressed, this, &TfrmGedenkjes::edtZoekenKeyPress);
    // Activated: a double-click, or Enter on the line chosen with the arrow keys.
    connect(lbxZoekenPersoon, &QListWidget::itemActivated, this, &TfrmGedenkjes::lbxZoekenPersoonDblClick);
    connect(lbxZoekenRelatie, &QListWidget::itemActivated, this, &TfrmGedenkjes::lbxZoekenRelatieDblClick);
    auto* zoek = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    zoek->setObjectName(QStringLiteral("sctZoeken"));
    connect(zoek, &QShortcut::activated, this, &TfrmGedenkjes::ZoekenKiezen);
    auto* wis = new QShortcut(QKeySequence(Qt::Key_Escape), tshZoeken);
    wis->setContext(Qt::WidgetWithChildrenShortcut);
    connect(wis, &QShortcut::activated, this, &TfrmGedenkjes::ZoekenWissen);
    auto* omlaag = new QShortcut(QKeySequence(Qt::Key_Down), edtZoeken);
    omlaag->setContext(Qt::WidgetShortcut);
    connect(omlaag, &QShortcut::activated, this, [this] {
        if (lbxZoekenPersoon->count() == 0) return;
        lbxZoekenPersoon->setFocus();
        lbxZoekenPersoon->setCurrentRow(0);
    });
}

void TfrmGedenkjes::ZoekenKiezen() {
    // No collection yet, or one being read: nothing to search.
    if (leestIn_ || !pctrViewer->isEnabled()) return;
    if (pctrViewer->currentIndex() != pctrViewer->indexOf(tshZoeken)) pctrViewer->setCurrentWidget(tshZoeken);
    edtZoeken->setFocus(Qt::ShortcutFocusReason);
    edtZoeken->selectAll();
}

void TfrmGedenkjes::edtZoekenChange() {
    if (!voorbereid_) {
        // The search words are being made: nothing to show until they are, then this runs again.
        lbxZoekenPersoon->clear();
        lbxZoekenRelatie->clear();
        lblZoekenAantal->clear();
        return;
    }
    const QString tekst = edtZoeken->text();
    const std::vector<std::int32_t> personen = zoeker_.Zoek(ZoekVraag(tekst));
    std::vector<std::int32_t> relaties;
    if (!personen.empty()) {
        std::vector<char> gevonden(static_cast<std::size_t>(gdk::Personen.Gevuld()) + 1);
        for (std::int32_t n : personen)
            gevonden[static_cast<std::size_t>(n)] = 1;
        for (std::int32_t n : lijsten_.Volgorde(true, true))
            if (gevonden[static_cast<std::size_t>(n)]) relaties.push_back(n);
    }
    VulLijst(lbxZoekenPersoon, personen, false, true, ZoekenMaxRegels);
    VulLijst(lbxZoekenRelatie, relaties, true, true, ZoekenMaxRegels);
    // Blanks alone are no search yet; signs alone are one that finds nothing.
    lblZoekenAantal->setText(tekst.trimmed().isEmpty() ? QString() : AantalTekst(personen.size()));
}

void TfrmGedenkjes::edtZoekenKeyPress() {
    if (lbxZoekenPersoon->count() == 0) return;
    lbxZoekenPersoon->setCurrentRow(0);
    PersoonDubbelklik(lbxZoekenPersoon);
}

void TfrmGedenkjes::ZoekenWissen() {
    edtZoeken->clear();
    edtZoeken->setFocus();
}

void TfrmGedenkjes::lbxZoekenPersoonDblClick() {
    PersoonDubbelklik(lbxZoekenPersoon);
}

void TfrmGedenkjes::lbxZoekenRelatieDblClick() {
    RelatieDubbelklik(lbxZoekenRelatie);
}
