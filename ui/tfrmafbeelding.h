#pragma once
// The image window: the scanned card of one person, scaled to fit, sized to the picture but
// never larger than three quarters of the screen's work area. Modal; closed by a double-click.
#include <QDialog>
#include <QImage>
#include <QLabel>

#include <cstdint>
#include <string>

class QFrame;

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
    TimgAfbeelding* imgAfbeelding = nullptr;
    // The file the window tried to show, Windows-1252.
    std::string Pad;
    bool Geladen = false;

  public slots:
    void bbtnSluitenClick();

  private:
    void FormCreate(std::int32_t persoon);
};

// The path of a person's card image: in the scans folder's subfolder of the card (VensterKaartMap), or
// the file name alone without a scans folder.
std::string AfbeeldingPad(std::int32_t persoon);

// Loads a picture file (JPEG through libjpeg, other formats through Qt). False with a message.
bool LaadAfbeelding(const std::string& pad1252, QImage& beeld, QString& fout);
