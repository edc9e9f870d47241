#pragma once
// The image window: the scanned card of one person, scaled to fit, sized to the picture but
// never larger than three quarters of the screen's work area. A card with a back shows both
// faces, side by side or one at a time with a button to turn it. Modal; closed by a double-click.
#include <QDialog>
#include <QImage>
#include <QLabel>

#include <cstdint>
#include <string>

class QFrame;
class QPushButton;
class QShortcut;

// The picture control: shows the picture shrunk to fit, keeping its proportions, centred.
class TimgAfbeelding : public QLabel {
    Q_OBJECT

  public:
    explicit TimgAfbeelding(QWidget* parent = nullptr);
    void ZetBeeld(const QImage& beeld);
    const QImage& Beeld() const { return beeld_; }
    // The part of the control the picture covers.
    QRect Beeldvlak() const;

  signals:
    void DblClick();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    QImage beeld_;
};

class TfrmAfbeelding : public QDialog {
    Q_OBJECT

  public:
    // Creates the window for the card of `persoon` (FormCreate: load and size).
    explicit TfrmAfbeelding(std::int32_t persoon, QWidget* parent = nullptr);

    // The client area of the window before a picture sizes it.
    static constexpr int OntwerpBreedte = 436;
    static constexpr int OntwerpHoogte = 417;

    QFrame* pnlAfbeelding = nullptr;
    TimgAfbeelding* imgAfbeelding = nullptr; // the front
    TimgAfbeelding* imgAchterkant = nullptr; // the back; hidden while not shown
    QWidget* pnlOmdraaien = nullptr;         // the row of btnOmdraaien, below the picture
    QPushButton* btnOmdraaien = nullptr;     // "Achterkant" / "Voorkant": turns the card
    // The files the window tried to show, Windows-1252; AchterkantPad empty without a back.
    std::string Pad, AchterkantPad;
    bool Geladen = false, AchterkantGeladen = false;
    // Both faces in view at once; otherwise, with both loaded, one at a time.
    bool NaastElkaar = false;

  public slots:
    void bbtnSluitenClick();
    // Shows the other face, when the faces are shown one at a time (also the space bar).
    void btnOmdraaienClick();

  private:
    void FormCreate(std::int32_t persoon);
    void Meld(const QString& fout);
    void ToonZijde(bool achterkant);

    QShortcut* omdraaien_ = nullptr;
    bool opAchterkant_ = false;
};

// The path of a person's card image: in the scans folder's subfolder of the card (VensterKaartMap), or
// the file name alone without a scans folder.
std::string AfbeeldingPad(std::int32_t persoon);

// Loads a picture file (JPEG through libjpeg, other formats through Qt). False with a message.
bool LaadAfbeelding(const std::string& pad1252, QImage& beeld, QString& fout);
