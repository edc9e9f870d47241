#include "ui/tsbrgedenkjes.h"

#include "platform/tekst1252.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>

QString Q1252(const std::string& tekst1252) {
    // Every Windows-1252 character is one UTF-16 unit; the lists convert 200000 lines at once.
    QString t(static_cast<qsizetype>(tekst1252.size()), Qt::Uninitialized);
    QChar* d = t.data();
    for (char c : tekst1252)
        *d++ = QChar(gdk::Unicode1252(c));
    return t;
}

std::string Van1252(const QString& tekst) {
    return gdk::VanUtf8(tekst.toUtf8().toStdString());
}

TsbrGedenkjes::TsbrGedenkjes(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("sbrGedenkjes"));
    setSizeGripEnabled(false);
    pnlLinks = new QLabel(QStringLiteral("  berichten"), this);
    pnlLinks->setObjectName(QStringLiteral("sbrGedenkjesLinks"));
    pnlLinks->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlLinks->setMinimumWidth(1);
    pbrVoortgang = new QProgressBar(this);
    pbrVoortgang->setObjectName(QStringLiteral("pbrVoortgang"));
    pbrVoortgang->setMaximumWidth(200);
    pbrVoortgang->setTextVisible(false);
    pbrVoortgang->hide();
    pnlRechts = new QLabel(QStringLiteral("  dd:uu:mm:ss"), this);
    pnlRechts->setObjectName(QStringLiteral("sbrGedenkjesRechts"));
    pnlRechts->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    addWidget(pnlLinks, 1);
    addPermanentWidget(pbrVoortgang);
    addPermanentWidget(pnlRechts);
    StatusbalkIndelen();
}

TsbrGedenkjes::~TsbrGedenkjes() {
    while (bezig_ > 0) {
        QApplication::restoreOverrideCursor();
        --bezig_;
    }
}

void TsbrGedenkjes::ToonLinks(const std::string& tekst) {
    pnlLinks->setText(Q1252(tekst));
}

void TsbrGedenkjes::ToonRechts(const std::string& tekst) {
    pnlRechts->setText(Q1252(tekst));
}

QString TsbrGedenkjes::Links() const {
    return pnlLinks->text();
}

QString TsbrGedenkjes::Rechts() const {
    return pnlRechts->text();
}

void TsbrGedenkjes::Melding(const std::string& tekst, const std::string& titel) {
    QString t = Q1252(tekst);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, titel.empty() ? QStringLiteral("Gedenkjes") : Q1252(titel), t,
                    QMessageBox::Ok, window());
    box.setObjectName(QStringLiteral("meldingGedenkjes"));
    // A message during a long operation must not leave the user with an hourglass over it.
    const int bezig = bezig_;
    for (int i = 0; i < bezig; ++i)
        QApplication::restoreOverrideCursor();
    box.exec();
    for (int i = 0; i < bezig; ++i)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TsbrGedenkjes::BezigCursor(bool aan) {
    if (aan) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++bezig_;
    } else if (bezig_ > 0) {
        QApplication::restoreOverrideCursor();
        --bezig_;
    }
}

void TsbrGedenkjes::Herteken() {
    // The window does not process events during a read or an export: paint the bar now.
    if (isVisible()) repaint();
}

void TsbrGedenkjes::Voortgang(long gedaan, long totaal) {
    if (totaal <= 0) {
        pbrVoortgang->hide();
        pbrVoortgang->reset();
        return;
    }
    // QProgressBar counts in int; the totals of the core stay far below its range.
    pbrVoortgang->setRange(0, static_cast<int>(totaal));
    pbrVoortgang->setValue(static_cast<int>(gedaan < 0 ? 0 : (gedaan > totaal ? totaal : gedaan)));
    pbrVoortgang->show();
    if (isVisible()) repaint();
}

void TsbrGedenkjes::StatusbalkIndelen() {
    pnlRechts->setFixedWidth(150);
}

void TsbrGedenkjes::resizeEvent(QResizeEvent* e) {
    QStatusBar::resizeEvent(e);
    StatusbalkIndelen();
}
