#include "ui/tfrmafbeelding.h"

#include "data/afbeeldingen.h"
#include "data/tvars.h"
#include "htmlview/bestandsinhoud.h"
#include "platform/bestanden.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"
#include "ui/jpeglezen.h"
#include "ui/tsbrgedenkjes.h"

#include <QBuffer>
#include <QFrame>
#include <QGuiApplication>
#include <QImageReader>
#include <QMessageBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

std::string AfbeeldingPad(std::int32_t persoon) {
    const gdk::recPersoon& p = gdk::Personen[persoon];
    return gdk::VensterKaartMap(p) + p.AfbeeldingBestand;
}

namespace {

QString OntbreektMelding(const std::string& pad1252) {
    return QStringLiteral("Het bestand \"%1\" bestaat niet of kan niet gelezen worden.").arg(Q1252(pad1252));
}

} // namespace

bool LaadAfbeelding(const std::string& pad1252, QImage& beeld, QString& fout) {
    beeld = QImage();
    QByteArray inhoud;
    if (pad1252.empty() || !LeesBestandsinhoud(pad1252, inhoud)) {
        fout = OntbreektMelding(pad1252);
        return false;
    }
    if (IsJpeg(inhoud)) {
        QString reden; // libjpeg's own words, English: the user gets ours
        LeesJpeg(inhoud, beeld, reden);
    } else {
        QBuffer buffer(&inhoud);
        buffer.open(QIODevice::ReadOnly);
        QImageReader lezer(&buffer);
        beeld = lezer.read();
    }
    if (beeld.isNull()) {
        fout = QStringLiteral("Het bestand \"%1\" is geen afbeelding die getoond kan worden.")
                   .arg(Q1252(pad1252));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- picture control

TimgAfbeelding::TimgAfbeelding(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setMinimumSize(1, 1);
}

void TimgAfbeelding::ZetBeeld(const QImage& beeld) {
    beeld_ = beeld;
    update();
}

QRect TimgAfbeelding::Beeldvlak() const {
    if (beeld_.isNull()) return {};
    QSize s = beeld_.size();
    // Shrunk to fit, never enlarged.
    if (s.width() > width() || s.height() > height()) s.scale(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s);
}

void TimgAfbeelding::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (beeld_.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(Beeldvlak(), beeld_);
}

void TimgAfbeelding::mouseDoubleClickEvent(QMouseEvent* e) {
    QLabel::mouseDoubleClickEvent(e);
    emit DblClick();
}

// ---------------------------------------------------------------- window

namespace {

TimgAfbeelding* Zijde(QWidget* ouder, const char* naam) {
    auto* img = new TimgAfbeelding(ouder);
    img->setObjectName(QString::fromLatin1(naam));
    return img;
}

// How far a picture of size `beeld` is shrunk to fit `vlak` (1: not at all).
double Schaal(QSize beeld, int breedte, int hoogte) {
    return std::min(
        {1.0, static_cast<double>(breedte) / beeld.width(), static_cast<double>(hoogte) / beeld.height()});
}

} // namespace

TfrmAfbeelding::TfrmAfbeelding(std::int32_t persoon, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAfbeelding"));
    setWindowTitle(QStringLiteral("Afbeelding"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    pnlAfbeelding = new QFrame(this);
    pnlAfbeelding->setObjectName(QStringLiteral("pnlAfbeelding"));
    auto* paneel = new QHBoxLayout(pnlAfbeelding);
    paneel->setContentsMargins(0, 0, 0, 0);
    paneel->setSpacing(0);
    imgAfbeelding = Zijde(pnlAfbeelding, "imgAfbeelding");
    imgAchterkant = Zijde(pnlAfbeelding, "imgAchterkant");
    imgAchterkant->hide();
    paneel->addWidget(imgAfbeelding);
    paneel->addWidget(imgAchterkant);
    layout->addWidget(pnlAfbeelding);

    pnlOmdraaien = new QWidget(this);
    pnlOmdraaien->setObjectName(QStringLiteral("pnlOmdraaien"));
    auto* rij = new QHBoxLayout(pnlOmdraaien);
    rij->setContentsMargins(6, 6, 6, 6);
    btnOmdraaien = new QPushButton(QStringLiteral("Achterkant"), pnlOmdraaien);
    btnOmdraaien->setObjectName(QStringLiteral("btnOmdraaien"));
    // The space bar turns the card wherever the focus is; a focused button would take it twice.
    btnOmdraaien->setFocusPolicy(Qt::NoFocus);
    btnOmdraaien->setAutoDefault(false);
    rij->addStretch();
    rij->addWidget(btnOmdraaien);
    rij->addStretch();
    pnlOmdraaien->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    pnlOmdraaien->hide();
    layout->addWidget(pnlOmdraaien);
    omdraaien_ = new QShortcut(QKeySequence(Qt::Key_Space), this);
    omdraaien_->setEnabled(false);

    connect(imgAfbeelding, &TimgAfbeelding::DblClick, this, &TfrmAfbeelding::bbtnSluitenClick);
    connect(imgAchterkant, &TimgAfbeelding::DblClick, this, &TfrmAfbeelding::bbtnSluitenClick);
    connect(btnOmdraaien, &QPushButton::clicked, this, &TfrmAfbeelding::btnOmdraaienClick);
    connect(omdraaien_, &QShortcut::activated, this, &TfrmAfbeelding::btnOmdraaienClick);
    setFixedSize(OntwerpBreedte, OntwerpHoogte);
    FormCreate(persoon);
}

void TfrmAfbeelding::Meld(const QString& fout) {
    // This window is not shown yet and stands at the screen's corner: the message is centred
    // over the window that opened it.
    QWidget* ouder = parentWidget() ? parentWidget()->window() : nullptr;
    QMessageBox melding(QMessageBox::Critical, QStringLiteral("Afbeelding"), fout, QMessageBox::Ok, ouder);
    melding.setObjectName(QStringLiteral("meldingAfbeelding"));
    melding.exec();
}

void TfrmAfbeelding::FormCreate(std::int32_t persoon) {
    const gdk::recPersoon& p = gdk::Personen[persoon];
    Pad = AfbeeldingPad(persoon);
    QImage voor, achter;
    QString fout;
    // Only a card inside the scans folder is shown: a collection from someone else must not
    // open any file of this computer, nor a device that never ends.
    const bool inScans = gdk::AfbeeldingBestaat(p.AfbeeldingBestand, Pad);
    if (!inScans) fout = OntbreektMelding(Pad);
    Geladen = inScans && LaadAfbeelding(Pad, voor, fout);
    if (!Geladen) Meld(fout);
    // Each face stands on its own: one that cannot be shown is reported, the other still shows.
    AchterkantPad = gdk::KaartAchterkant(p, Pad);
    if (!AchterkantPad.empty()) {
        AchterkantGeladen = LaadAfbeelding(AchterkantPad, achter, fout);
        if (!AchterkantGeladen) Meld(fout);
    }
    if (!Geladen && !AchterkantGeladen) return;
    imgAfbeelding->ZetBeeld(voor);
    imgAchterkant->ZetBeeld(achter);

    const QScreen* scherm = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect werkvlak = scherm ? scherm->availableGeometry() : QRect(0, 0, 1024, 768);
    const int w = static_cast<int>(werkvlak.width() * 0.75);
    const int h = static_cast<int>(werkvlak.height() * 0.75);
    // Not resizable by the user; the window takes the picture's size within those bounds.
    if (!Geladen || !AchterkantGeladen) {
        const QImage& beeld = Geladen ? voor : achter;
        if (!AchterkantPad.empty()) ToonZijde(!Geladen);
        setFixedSize(std::min(w, beeld.width()), std::min(h, beeld.height()));
        return;
    }

    // Both faces: side by side while that leaves them at least three quarters of the size they
    // would have one at a time, as with cards standing upright on a wide screen.
    const int knop = pnlOmdraaien->sizeHint().height();
    const QSize grootste = voor.size().expandedTo(achter.size());
    const QSize samen(voor.width() + achter.width(), grootste.height());
    NaastElkaar = Schaal(samen, w, h) >= 0.75 * Schaal(grootste, w, h - knop);
    if (NaastElkaar) {
        setWindowTitle(QStringLiteral("Afbeelding - voor- en achterkant"));
        imgAchterkant->show();
        // The pair shrunk as one picture, and the window just around it; each face gets its share
        // of the width, so that both are shrunk alike.
        const double schaal = Schaal(samen, w, h);
        const int breedte = static_cast<int>(std::lround(schaal * samen.width()));
        const int voorBreedte = static_cast<int>(std::lround(schaal * voor.width()));
        imgAfbeelding->setFixedWidth(voorBreedte);
        imgAchterkant->setFixedWidth(breedte - voorBreedte);
        setFixedSize(breedte, static_cast<int>(std::lround(schaal * samen.height())));
        return;
    }
    pnlOmdraaien->show();
    omdraaien_->setEnabled(true);
    ToonZijde(false);
    setFixedSize(std::min(w, grootste.width()), std::min(h - knop, grootste.height()) + knop);
}

void TfrmAfbeelding::ToonZijde(bool achterkant) {
    opAchterkant_ = achterkant;
    imgAfbeelding->setVisible(!achterkant);
    imgAchterkant->setVisible(achterkant);
    btnOmdraaien->setText(achterkant ? QStringLiteral("Voorkant") : QStringLiteral("Achterkant"));
    setWindowTitle(achterkant ? QStringLiteral("Afbeelding - achterkant")
                              : QStringLiteral("Afbeelding - voorkant"));
}

void TfrmAfbeelding::btnOmdraaienClick() {
    if (pnlOmdraaien->isVisibleTo(this)) ToonZijde(!opAchterkant_);
}

void TfrmAfbeelding::bbtnSluitenClick() {
    accept();
}
