#pragma once
// The options dialog: edits the option globals on five pages. "Sluiten" copies the controls into
// the globals and saves them to the registry; "Annuleren" and the window's close box throw the
// edits away. A fresh instance is made for each showing.
#include <QDialog>
#include <QGroupBox>
#include <QStringList>

#include <array>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

// A group of radio items with one selected position, or none (-1), as the options store it.
class TRadioGroep : public QGroupBox {
    Q_OBJECT

  public:
    // `naam` is the object name; item i is named `naam` + "Item" + i.
    TRadioGroep(const QString& naam, const QString& titel, const QStringList& items,
                QWidget* parent = nullptr);

    int ItemIndex() const;        // -1 when no item is selected
    void ZetItemIndex(int index); // out of range selects none
    QRadioButton* Item(int index) const;
    int Aantal() const;

  private:
    QButtonGroup* groep_ = nullptr;
};

class TfrmOpties : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmOpties(QWidget* parent = nullptr);
    ~TfrmOpties() override;

    // Opening: first page, every option global into its control, the "afblijven" rule.
    void FormActivate();

    QTabWidget* pcntOpties = nullptr;
    QWidget* tshAlgemeen = nullptr;
    QWidget* tshCode = nullptr;
    QWidget* tshBijInlezen = nullptr;
    QWidget* tshBijUitvoeren = nullptr;
    QWidget* tshWeergave = nullptr;

    // Algemeen
    QLineEdit* edtAlgemeenAfbeeldingBestanden = nullptr;
    QLineEdit* edtAlgemeenUitvoerBestanden = nullptr;
    TRadioGroep* rgrAlgemeenNiveauAfbeeldingBestanden = nullptr;

    // Code: the twenty edits, in the order of the store's code section.
    QLineEdit* edtCodeFotoosVoorkant = nullptr;
    QLineEdit* edtCodeFotoosAchterkant = nullptr;
    QLineEdit* edtCodeGeboortekaartjeVoorkant = nullptr;
    QLineEdit* edtCodeGeboortekaartjeAchterkant = nullptr;
    QLineEdit* edtCodeCommunieplaatjeVoorkant = nullptr;
    QLineEdit* edtCodeCommunieplaatjeAchterkant = nullptr;
    QLineEdit* edtCodeSchoolrapportenVoorkant = nullptr;
    QLineEdit* edtCodeSchoolrapportenAchterkant = nullptr;
    QLineEdit* edtCodeIDVoorkant = nullptr;
    QLineEdit* edtCodeIDAchterkant = nullptr;
    QLineEdit* edtCodeVakantieVoorkant = nullptr;
    QLineEdit* edtCodeVakantieAchterkant = nullptr;
    QLineEdit* edtCodeTrouwkaartjeVoorkant = nullptr;
    QLineEdit* edtCodeTrouwkaartjeAchterkant = nullptr;
    QLineEdit* edtCodeDocumentatieVoorkant = nullptr;
    QLineEdit* edtCodeDocumentatieAchterkant = nullptr;
    QLineEdit* edtCodeGenealogieVoorkant = nullptr;
    QLineEdit* edtCodeGenealogieAchterkant = nullptr;
    QLineEdit* edtCodeGedenkjeVoorkant = nullptr;
    QLineEdit* edtCodeGedenkjeAchterkant = nullptr;

    // Bij inlezen
    QCheckBox* cbxBijInlezenControleOpGeslacht = nullptr;
    QCheckBox* cbxBijInlezenControleOpDatum = nullptr;
    QCheckBox* cbxBijInlezenControleOpBestandsnaam = nullptr;
    QCheckBox* cbxBijInlezenControleOpBestandsnaamAfbeelding = nullptr;
    QCheckBox* cbxBijInlezenControleOpBestandsnaamFoto = nullptr;
    QCheckBox* cbxBijInlezenAlleenBestandsnaamAfbeeldingInlezen = nullptr;
    QCheckBox* cbxBijInlezenBestandsnaamToevoegen = nullptr;

    // Bij uitvoeren
    QCheckBox* cbxBijUitvoerenControleOpDubbeleGedenkjes = nullptr;
    QCheckBox* cbxBijUitvoerenDatumWeergeven = nullptr;
    QCheckBox* cbxBijUitvoerenAantalWeergeven = nullptr;
    QCheckBox* cbxBijUitvoerenBeschermenTegenKopieren = nullptr;
    QCheckBox* cbxBijUitvoerenVoornamenPartnerVolledigWeergeven = nullptr;
    QCheckBox* cbxBijUitvoerenGeslachtOnbekendNietWeergeven = nullptr;
    QCheckBox* cbxBijUitvoerenAfbeeldingVoorEnAchterkantWeergeven = nullptr;
    QCheckBox* cbxBijUitvoerenZoekpaginaMaken = nullptr;
    QLineEdit* edtBijUitvoerenPubliceerDoel = nullptr;
    QLabel* lblBijUitvoerenWebAdres = nullptr;
    QLineEdit* edtBijUitvoerenWebAdres = nullptr;
    QLabel* lblBijUitvoerenRecentNietPubliceren = nullptr;
    QSpinBox* speBijUitvoerenRecentNietPubliceren = nullptr;

    // Weergave
    QComboBox* cbxWeergaveLettertype = nullptr;
    TRadioGroep* rgrpWeergaveDatumAanpassen = nullptr;
    QGroupBox* grpWeergaveGroteLetters = nullptr;
    QCheckBox* cbxWeergaveAfblijven = nullptr;
    QCheckBox* cbxWeergaveRoepnaam = nullptr;
    QCheckBox* cbxWeergaveVoornamen = nullptr;
    QCheckBox* cbxWeergaveTussenvoegsel = nullptr;
    QCheckBox* cbxWeergaveAchternaam = nullptr;
    QCheckBox* cbxWeergavePlaatsnamen = nullptr;

    QPushButton* bbtnSluiten = nullptr;
    QPushButton* bbtnAnnuleren = nullptr;

  public slots:
    void bbtnSluitenClick();
    void bbtnAnnulerenClick();
    void cbxWeergaveAfblijvenClick(bool aan);

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    struct Code {
        QLineEdit* edit;
        std::string* waarde;
    };
    struct Vinkje {
        QCheckBox* box;
        bool* waarde;
    };

    QWidget* MaakAlgemeen();
    QWidget* MaakCode();
    QWidget* MaakBijInlezen();
    QWidget* MaakBijUitvoeren();
    QWidget* MaakWeergave();
    QCheckBox* Vink(QWidget* ouder, const char* naam, const QString& tekst, bool& waarde);
    // Opening step 2, also what "Annuleren" does.
    void OptiesNaarControles();

    std::vector<Code> codes_;     // in the order of the store
    std::vector<Vinkje> vinkjes_; // every check box with its boolean
    // "roepnaam" to "plaatsnamen": greyed and unticked while "afblijven" is ticked.
    std::array<QCheckBox*, 5> groteLetters_{};
};
