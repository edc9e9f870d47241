// The About window.
#include "ui/vminfotool.h"

#include "settings/instellingen.h"
#include "ui/tsbrgedenkjes.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QThread>
#include <QWindow>

#include <string>

namespace {

QFrame* Paneel(QWidget* ouder, const char* naam, int x, int y, int b, int h, bool bevel) {
    auto* p = new QFrame(ouder);
    p->setObjectName(QString::fromLatin1(naam));
    p->setGeometry(x, y, b, h);
    if (bevel) {
        // A lowered outer and a raised inner bevel of one pixel each: a sunken box of width 1.
        p->setFrameStyle(QFrame::Box | QFrame::Sunken);
        p->setLineWidth(1);
        p->setMidLineWidth(0);
    } else {
        p->setFrameStyle(QFrame::NoFrame);
    }
    return p;
}

QLabel* Label(QWidget* ouder, const char* naam, const QString& tekst, int x, int y, int b, int h, int punten,
              bool vet = false) {
    auto* l = new QLabel(tekst, ouder);
    l->setObjectName(QString::fromLatin1(naam));
    l->setGeometry(x, y, b, h);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont f = l->font();
    f.setPointSize(punten);
    f.setBold(vet);
    l->setFont(f);
    return l;
}

void ZetKleur(QLabel* l, const QColor& kleur) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kleur);
    l->setPalette(p);
}

} // namespace

TfrmvmInfoTool::TfrmvmInfoTool(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmvmInfoTool"));
    setWindowTitle(QStringLiteral("Informatie"));
    // A fixed single border without border icons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(184, 239);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 10));

    pnlInfo = Paneel(this, "pnlInfo", 0, 0, 184, 239, false);

    pnlProgramma = Paneel(pnlInfo, "pnlProgramma", 6, 9, 171, 61, true);
    lblProgrammaNaam =
        Label(pnlProgramma, "lblProgrammaNaam", QStringLiteral("Programma naam"), 8, 6, 150, 15, 8, true);
    lblVersieNummer =
        Label(pnlProgramma, "lblVersieNummer", QStringLiteral("Versie nummer"), 8, 22, 150, 15, 8);
    lblVersieDatum = Label(pnlProgramma, "lblVersieDatum", QStringLiteral("Versie datum"), 8, 38, 150, 16, 8);

    pnlCopyRight = Paneel(pnlInfo, "pnlCopyRight", 6, 75, 171, 123, true);
    lblCopyRight =
        Label(pnlCopyRight, "lblCopyRight", QStringLiteral("Inlichtingen bij :"), 8, 9, 150, 15, 8, true);
    lblNaam = Label(pnlCopyRight, "lblNaam", QStringLiteral("naam"), 8, 25, 150, 16, 9);
    lblAdres = Label(pnlCopyRight, "lblAdres", QStringLiteral("adres"), 8, 39, 150, 15, 8);
    lblWoonplaats = Label(pnlCopyRight, "lblWoonplaats", QStringLiteral("woonplaats"), 8, 54, 150, 16, 8);
    lblTelefoon = Label(pnlCopyRight, "lblTelefoon", QStringLiteral("telefoon"), 8, 69, 150, 16, 8);
    // Starts below the visible part of its panel; activation slides it up into view.
    lblSoftware = Label(pnlCopyRight, "lblSoftware", QStringLiteral("Velmoran"), 8, 125, 155, 36, 28);
    QFont logo(QStringLiteral("Garamond"), 28);
    logo.setItalic(true);
    lblSoftware->setFont(logo);

    bbtnSluiten = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                  QStringLiteral("Sluiten"), pnlInfo);
    bbtnSluiten->setObjectName(QStringLiteral("bbtnSluiten"));
    bbtnSluiten->setGeometry(45, 204, 99, 27);
    QFont knop = bbtnSluiten->font();
    knop.setPointSize(8);
    knop.setBold(true);
    bbtnSluiten->setFont(knop);

    connect(bbtnSluiten, &QPushButton::clicked, this, &TfrmvmInfoTool::bbtnSluitenClick);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TfrmvmInfoTool::VensterGewisseld);
}

TfrmvmInfoTool::~TfrmvmInfoTool() = default;

bool TfrmvmInfoTool::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && (eersteKeer_ || anderVenster_)) {
        eersteKeer_ = false;
        anderVenster_ = false;
        const bool klaar = QDialog::event(e);
        FormActivate();
        return klaar;
    }
    return QDialog::event(e);
}

void TfrmvmInfoTool::VensterGewisseld(QWindow* venster) {
    if (venster && venster != windowHandle()) anderVenster_ = true;
}

void TfrmvmInfoTool::InfoLezen() {
    gdk::TRegRead lees;
    const std::string programma = gdk::RegisterBasis;
    const std::string maker = "Software\\Velmoran\\";
    lblProgrammaNaam->setText(Q1252(lees.ReadString(programma, "Naam", "Programma")));
    lblVersieNummer->setText(Q1252("versie " + lees.ReadString(programma, "Versie", "Programma")));
    lblVersieDatum->setText(Q1252(lees.ReadString(programma, "Datum", "Programma")));
    lblNaam->setText(Q1252(lees.ReadString(maker, "Naam", "")));
    lblAdres->setText(Q1252(lees.ReadString(maker, "Adres", "")));
    const std::string postcode = lees.ReadString(maker, "PostCode", "");
    lblWoonplaats->setText(Q1252(postcode + "  " + lees.ReadString(maker, "Plaats", "")));
    lblTelefoon->setText(Q1252(lees.ReadString(maker, "Telefoon", "")));
    lblSoftware->setText(Q1252(lees.ReadString(maker, "Logo", "")));
}

void TfrmvmInfoTool::FormActivate() {
    InfoLezen();

    lblSoftware->setGeometry(6, 127, 159, 33);
    QFont f(QStringLiteral("Comic Sans MS"), 21);
    f.setBold(true);
    f.setItalic(true);
    lblSoftware->setFont(f);
    ZetKleur(lblSoftware, QColor(0, 128, 128));

    // The slide runs on the window's own thread, as a short pause with explicit repaints.
    for (int stap = 0; stap < 15; ++stap) {
        lblSoftware->move(lblSoftware->x(), lblSoftware->y() - 3);
        if (isVisible()) repaint();
        QThread::msleep(20);
    }
    ZetKleur(lblSoftware, QColor(0, 0, 255));
}

void TfrmvmInfoTool::bbtnSluitenClick() {
    close();
}
