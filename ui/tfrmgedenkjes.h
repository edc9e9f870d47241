#pragma once
// The main window: its frame (menu, status bar, read command, activation) and the browsing half
// (page control with the letter tabs, sorted lists, go-to fields, search and the page view).
#include "export/kaartzoeker.h"
#include "ui/lijstregels.h"

#include <QMainWindow>
#include <QString>

#include <atomic>
#include <cstdint>
#include <exception>
#include <string>
#include <thread>

class QAction;
class QMenu;
class QLabel;
class QTabWidget;
class QLineEdit;
class QPushButton;
class QListWidget;
class QGroupBox;
class QRadioButton;
class QButtonGroup;
class QStackedWidget;
class QWidget;
class QWindow;
class ThtmlLite;
class TsbrGedenkjes;
class TTabBalk;
class QSplitter;

class TfrmGedenkjes : public QMainWindow {
    Q_OBJECT

  public:
    explicit TfrmGedenkjes(QWidget* parent = nullptr);
    ~TfrmGedenkjes() override;

    // The activation steps: the core's (word lists, presets, settings) and the window's own
    // (letter tab, view font, go-to fields). Dialogs re-run it when they close.
    void Activeren();

    // The read command without its dialog: `pad` is the file as the operating system names it.
    bool Inlezen(const std::string& pad);

    // The lists' orders and the search words of a collection are made on a thread of their own
    // after its read; this waits for that thread and takes them over now. For a command that
    // sets the store aside for a while (an export holding cards back).
    void VoorbereidingAfwachten();

    // Follows a link text of a page; see the browsing unit.
    bool VolgLink(const std::string& link);
    void VulRelatieLijst(char letter);
    void VulPersoonLijst(char letter);

    // Window state shared by the browsing handlers.
    int HuidigeRelatie = 0;
    int HuidigePersoon = 0;
    int AfbeeldingPersoon = 0;
    int LetterTab = 0;

    // Menu.
    QMenu* mmnuGedenkjesBestand = nullptr;
    QAction* mmnuGedenkjesBestandInlezen = nullptr;
    QMenu* mmnuGedenkjesBestandUitvoeren = nullptr;
    QAction* mmnuGedenkjesBestandUitvoerenType1 = nullptr;
    QAction* mmnuGedenkjesBestandUitvoerenType2 = nullptr;
    QAction* mmnuGedenkjesBestandUitvoerenType3 = nullptr;
    QAction* mmnuGedenkjesBestandUitvoerenType4 = nullptr;
    QMenu* mmnuGedenkjesBestandBijwerken = nullptr;  // Type 1 to 4: ...BijwerkenType1 and so on
    QMenu* mmnuGedenkjesBestandPubliceren = nullptr; // the same: ...PublicerenType1 and so on
    QAction* mmnuGedenkjesBestandAfsluiten = nullptr;
    QAction* mmnuGedenkjesOpties = nullptr;
    QMenu* mmnuGedenkjesHelp = nullptr;
    QAction* mmnuGedenkjesHelpHelp = nullptr;
    QAction* mmnuGedenkjesHelpEmail = nullptr;
    QAction* mmnuGedenkjesHelpHomepagina = nullptr;
    QAction* mmnuGedenkjesHelpInfo = nullptr;

    // Controls.
    QLabel* lblTitel = nullptr;
    QLabel* lblHint = nullptr;
    QTabWidget* pctrViewer = nullptr;
    QWidget* tshViewer = nullptr;
    QWidget* tshGaNaar = nullptr;
    QWidget* tshRelatie = nullptr;
    QWidget* tshVolgendRelatie = nullptr;
    QWidget* tshVorigRelatie = nullptr;
    QWidget* tshPersoon = nullptr;
    QWidget* tshVolgendPersoon = nullptr;
    QWidget* tshVorigPersoon = nullptr;
    QWidget* tshZoeken = nullptr;
    ThtmlLite* htmlViewer = nullptr;
    QLineEdit* edtGaNaarRelatie = nullptr;
    QLineEdit* edtGaNaarPersoon = nullptr;
    QPushButton* bbtnGaNaar = nullptr;
    QGroupBox* rgrpSorterenRelatie = nullptr;
    QGroupBox* rgrpSorterenPersoon = nullptr;
    QButtonGroup* rgrpSorterenRelatieKeuze = nullptr;
    QButtonGroup* rgrpSorterenPersoonKeuze = nullptr;
    QListWidget* lbxSorterenRelatie = nullptr;
    QListWidget* lbxSorterenPersoon = nullptr;
    QRadioButton* rgrpSorterenRelatieVoornamen = nullptr;
    QRadioButton* rgrpSorterenRelatieAchternaam = nullptr;
    QRadioButton* rgrpSorterenPersoonVoornamen = nullptr;
    QRadioButton* rgrpSorterenPersoonAchternaam = nullptr;
    QSplitter* splGaNaar = nullptr;
    TTabBalk* tcRelatie = nullptr;
    TTabBalk* tcPersoon = nullptr;
    QListWidget* lbxRelatie = nullptr;
    QListWidget* lbxPersoon = nullptr;
    QLineEdit* edtZoeken = nullptr;
    QLabel* lblZoekenAantal = nullptr;
    QGroupBox* grpZoekenPersoon = nullptr;
    QGroupBox* grpZoekenRelatie = nullptr;
    QListWidget* lbxZoekenPersoon = nullptr;
    QListWidget* lbxZoekenRelatie = nullptr;
    QSplitter* splZoeken = nullptr;
    TsbrGedenkjes* sbrGedenkjes = nullptr;

    // The search lists show at most this many lines each; the count above them says how many.
    static constexpr std::size_t ZoekenMaxRegels = 500;

  signals:
    // Raised at the end of a successful read.
    void CollectieGelezen();

  public slots:
    void mmnuGedenkjesBestandInlezenClick();
    void mmnuGedenkjesBestandAfsluitenClick();
    // The export, options and help commands live in commandos.cpp.
    void mmnuGedenkjesBestandUitvoerenType1Click();
    void mmnuGedenkjesBestandUitvoerenType2Click();
    void mmnuGedenkjesBestandUitvoerenType3Click();
    void mmnuGedenkjesBestandUitvoerenType4Click();
    void mmnuGedenkjesBestandBijwerkenClick(int type);
    void mmnuGedenkjesBestandPublicerenClick(int type);
    void mmnuGedenkjesOptiesClick();
    void mmnuGedenkjesHelpHelpClick();
    void mmnuGedenkjesHelpEmailClick();
    void mmnuGedenkjesHelpHomepaginaClick();
    void mmnuGedenkjesHelpInfoClick();

    // Browsing handlers.
    void pctrViewerChange(int index);
    void htmlViewerHotSpotClick(const QString& link);
    void bbtnGaNaarClick();
    void edtGaNaarRelatieKeyPress();
    void rgrpSorterenRelatieClick();
    void rgrpSorterenPersoonClick();
    void lbxSorterenRelatieDblClick();
    void lbxSorterenPersoonDblClick();
    void lbxRelatieDblClick();
    void lbxPersoonDblClick();
    void tcRelatieChange(int index);
    void tcPersoonChange(int index);
    void tcRelatieResize();
    void tcPersoonResize();

    // Search handlers (zoeken.cpp).
    void ZoekenKiezen();
    void edtZoekenChange();
    void edtZoekenKeyPress();
    void ZoekenWissen();
    void lbxZoekenPersoonDblClick();
    void lbxZoekenRelatieDblClick();

  protected:
    bool event(QEvent* e) override;

  private:
    // The export, update and publish menus with their shortcuts, on or off.
    void ZetSiteMenus(bool aan);
    void MaakMenu();
    void MaakPaginas();
    QWidget* MaakGaNaar();
    QWidget* MaakLetterTabs(TTabBalk*& tabs, QListWidget*& lijst, const char* tabNaam, const char* lijstNaam);
    QGroupBox* MaakSorteerGroep(const char* naam, const char* titel, QButtonGroup*& keuze,
                                QRadioButton*& voornamen, QRadioButton*& achternaam, QListWidget*& lijst,
                                const char* lijstNaam);
    void MaakZoeken();
    void BijCollectieGelezen();
    // Starts making the lists' orders and the search words for the store as a read left it, on
    // a thread of their own (voorbereiden.cpp); after StopVoorbereiding.
    void Voorbereiden();
    // Stops that thread after the step it is in and forgets what it made: before the store changes.
    void StopVoorbereiding();
    // Takes over what preparation `nummer` made, if it is the latest and not taken over yet, and
    // fills what was asked for meanwhile.
    void Voorbereid(std::uint64_t nummer);
    void VensterGewisseld(QWindow* venster);
    // Selects a tab of the page control as the program does: without its change handler.
    void KiesTab(int index);
    void RelatieStatus(std::int32_t n);
    void PersoonStatus(std::int32_t n);
    void RelatieDubbelklik(QListWidget* lijst);
    void PersoonDubbelklik(QListWidget* lijst);
    void SorteerLijst(QButtonGroup* keuze, QListWidget* lijst, bool relaties);

    bool activeert_ = false;
    bool leestIn_ = false;
    bool nogNietGeactiveerd_ = true;
    // Another window of the program (a dialog, the image window) had the focus since the last
    // activation; the file dialog and message boxes do not count.
    bool anderVenster_ = false;
    bool programmaKiestTab_ = false;
    // The orders and the search belong to the store as it is, and to the window's thread. While
    // false, the thread voorbereider_ makes them and nothing else touches them: a letter list or
    // sorted list asked for waits until they are taken over, the search field takes no typing.
    bool voorbereid_ = true;
    LijstVolgorden lijsten_;
    gdk::KaartZoeker zoeker_;
    std::thread voorbereider_;
    std::atomic<bool> stopVoorbereiding_{false};
    std::exception_ptr voorbereidFout_; // what stopped the thread, read once it has ended
    std::uint64_t voorbereiding_ = 0;   // the latest preparation started
    char wachtendeLetter_ = 0;          // the letter lists asked for while not voorbereid_
};
