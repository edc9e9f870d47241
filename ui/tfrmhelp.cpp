#include "ui/tfrmhelp.h"

#include "data/globalen.h"
#include "ui/tsbrgedenkjes.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

QString HelpOnderwerp(int context) {
    switch (context) {
    case HelpContextGedenkjes:
        return QStringLiteral("index.htm");
    case HelpContextOpties:
        return QStringLiteral("opties.htm");
    default:
        return {};
    }
}

// ---------------------------------------------------------------- page view

THelpViewer::THelpViewer(QWidget* parent) : QTextBrowser(parent) {
    // Links are checked here before anything is opened; nothing goes to the desktop.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &THelpViewer::LinkGekozen);
}

QUrl THelpViewer::Opgelost(const QUrl& url) const {
    return url.isRelative() ? source().resolved(url) : url;
}

QString THelpViewer::Weigering(const QUrl& url) const {
    const QString adres =
        url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toDisplayString();
    if (!url.isLocalFile())
        return QStringLiteral("Deze koppeling leidt buiten de help en wordt niet geopend: %1").arg(adres);
    const QString pad = QDir::cleanPath(url.toLocalFile());
    const QString map = QDir::cleanPath(helpMap_);
    if (!pad.startsWith(map + QLatin1Char('/')))
        return QStringLiteral("Deze koppeling leidt buiten de help en wordt niet geopend: %1").arg(adres);
    const QFileInfo bestand(pad);
    if (!bestand.isFile())
        return QStringLiteral("De helppagina %1 is niet gevonden.").arg(QDir(map).relativeFilePath(pad));
    // A link inside the folder that leads elsewhere through a symbolic link is outside all the same.
    const QString echteMap = QDir(map).canonicalPath();
    if (!bestand.canonicalFilePath().startsWith(echteMap + QLatin1Char('/')))
        return QStringLiteral("Deze koppeling leidt buiten de help en wordt niet geopend: %1").arg(adres);
    return {};
}

void THelpViewer::LinkGekozen(const QUrl& link) {
    setSource(Opgelost(link));
}

void THelpViewer::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    const QUrl url = Opgelost(name);
    const QString reden = Weigering(url);
    if (!reden.isEmpty()) {
        // The page shown stays; the history does not take the refused address.
        emit Geweigerd(reden);
        return;
    }
    QTextBrowser::doSetSource(url, type);
}

QVariant THelpViewer::loadResource(int type, const QUrl& name) {
    // Pictures and style sheets of the pages come from the help folder only.
    // An empty answer that is not null: given a null one, the document reads the file itself.
    const QUrl url = Opgelost(name);
    if (!Weigering(url).isEmpty()) return QByteArray("");
    return QTextBrowser::loadResource(type, url);
}

// ---------------------------------------------------------------- window

TfrmHelp::TfrmHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Help bij Gedenkjes"));
    resize(760, 600);

    auto* kolom = new QVBoxLayout(this);
    auto* knoppen = new QHBoxLayout();
    auto knop = [this, knoppen](const char* naam, const QString& tekst) {
        auto* k = new QPushButton(tekst, this);
        k->setObjectName(QString::fromLatin1(naam));
        k->setAutoDefault(false);
        knoppen->addWidget(k);
        return k;
    };
    bbtnInhoud = knop("bbtnInhoud", QStringLiteral("Inhoud"));
    bbtnTerug = knop("bbtnTerug", QStringLiteral("Terug"));
    bbtnVooruit = knop("bbtnVooruit", QStringLiteral("Vooruit"));
    knoppen->addStretch(1);
    bbtnSluiten = knop("bbtnSluiten", QStringLiteral("Sluiten"));
    kolom->addLayout(knoppen);

    htmlHelp = new THelpViewer(this);
    htmlHelp->setObjectName(QStringLiteral("htmlHelp"));
    kolom->addWidget(htmlHelp, 1);
    lblHelpMelding = new QLabel(this);
    lblHelpMelding->setObjectName(QStringLiteral("lblHelpMelding"));
    lblHelpMelding->setWordWrap(true);
    lblHelpMelding->hide();
    kolom->addWidget(lblHelpMelding);

    bbtnTerug->setEnabled(false);
    bbtnVooruit->setEnabled(false);
    connect(bbtnInhoud, &QPushButton::clicked, this, [this] { OpenOnderwerp(HelpContextGedenkjes); });
    connect(bbtnTerug, &QPushButton::clicked, htmlHelp, &QTextBrowser::backward);
    connect(bbtnVooruit, &QPushButton::clicked, htmlHelp, &QTextBrowser::forward);
    connect(bbtnSluiten, &QPushButton::clicked, this, &QWidget::close);
    connect(htmlHelp, &QTextBrowser::backwardAvailable, bbtnTerug, &QWidget::setEnabled);
    connect(htmlHelp, &QTextBrowser::forwardAvailable, bbtnVooruit, &QWidget::setEnabled);
    connect(htmlHelp, &THelpViewer::Geweigerd, this, &TfrmHelp::Melden);
    connect(htmlHelp, &QTextBrowser::sourceChanged, this, [this] { lblHelpMelding->hide(); });
}

QString TfrmHelp::HelpMap() {
    return Q1252(gdk::ProgrammaMap) + QStringLiteral("/help");
}

TfrmHelp* TfrmHelp::Toon(QWidget* eigenaar, int context) {
    QWidget* venster = eigenaar->window();
    const QString map = HelpMap();
    if (!QFileInfo(map).isDir()) {
        QMessageBox melding(QMessageBox::NoIcon, QStringLiteral("Gedenkjes"),
                            QStringLiteral("De help is niet gevonden.\nDe helppagina's horen in de map %1 "
                                           "te staan.")
                                .arg(QDir::toNativeSeparators(map)),
                            QMessageBox::Ok, venster);
        melding.setObjectName(QStringLiteral("meldingGedenkjes"));
        melding.exec();
        return nullptr;
    }
    auto* help = venster->findChild<TfrmHelp*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help) help = new TfrmHelp(venster);
    help->htmlHelp->ZetHelpMap(map);
    help->OpenOnderwerp(context);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

bool TfrmHelp::OpenOnderwerp(int context) {
    const QString onderwerp = HelpOnderwerp(context);
    if (onderwerp.isEmpty()) {
        Melden(QStringLiteral("Er is geen helponderwerp %1.").arg(context));
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(HelpMap() + QLatin1Char('/') + onderwerp);
    const QString reden = htmlHelp->Weigering(url);
    if (!reden.isEmpty()) {
        Melden(reden);
        return false;
    }
    htmlHelp->setSource(url);
    return true;
}

void TfrmHelp::Melden(const QString& tekst) {
    lblHelpMelding->setText(tekst);
    lblHelpMelding->show();
}
