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
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

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

TfrmAfbeelding::TfrmAfbeelding(std::int32_t persoon, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAfbeelding"));
    setWindowTitle(QStringLiteral("Afbeelding"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    pnlAfbeelding = new QFrame(this);
    pnlAfbeelding->setObjectName(QStringLiteral("pnlAfbeelding"));
    auto* paneel = new QVBoxLayout(pnlAfbeelding);
    paneel->setContentsMargins(0, 0, 0, 0);
    imgAfbeelding = new TimgAfbeelding(pnlAfbeelding);
    imgAfbeelding->setObjectName(QStringLiteral("imgAfbeelding"));
    paneel->addWidget(imgAfbeelding);
    layout->addWidget(pnlAfbeelding);
    connect(imgAfbeelding, &TimgAfbeelding::DblClick, this, &TfrmAfbeelding::bbtnSluitenClick);
    setFixedSize(OntwerpBreedte, OntwerpHoogte);
    FormCreate(persoon);
}

void TfrmAfbeelding::FormCreate(std::int32_t persoon) {
    Pad = AfbeeldingPad(persoon);
    QImage beeld;
    QString fout;
    // Only a card inside the scans folder is shown: a collection from someone else must not
    // open any file of this computer, nor a device that never ends.
    const bool inScans = gdk::AfbeeldingBestaat(gdk::Personen[persoon].AfbeeldingBestand, Pad);
    if (!inScans) fout = OntbreektMelding(Pad);
    if (!inScans || !LaadAfbeelding(Pad, beeld, fout)) {
        // This window is not shown yet and stands at the screen's corner: the message is centred
        // over the window that opened it.
        QWidget* ouder = parentWidget() ? parentWidget()->window() : nullptr;
        QMessageBox melding(QMessageBox::Critical, QStringLiteral("Afbeelding"), fout, QMessageBox::Ok,
                            ouder);
        melding.setObjectName(QStringLiteral("meldingAfbeelding"));
        melding.exec();
        return;
    }
    Geladen = true;
    imgAfbeelding->ZetBeeld(beeld);
    const QScreen* scherm = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect werkvlak = scherm ? scherm->availableGeometry() : QRect(0, 0, 1024, 768);
    const int w = static_cast<int>(werkvlak.width() * 0.75);
    const int h = static_cast<int>(werkvlak.height() * 0.75);
    // Not resizable by the user; the window takes the picture's size within those bounds.
    setFixedSize(std::min(w, beeld.width()), std::min(h, beeld.height()));
}

void TfrmAfbeelding::bbtnSluitenClick() {
    accept();
}
