#pragma once
// The About window: the program's name, version and version date and the maker's contact lines,
// all read from the registry at every activation, with the maker's logo text sliding up into view.
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QWindow;

class TfrmvmInfoTool : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmvmInfoTool(QWidget* parent = nullptr);
    ~TfrmvmInfoTool() override;

    // Reads the values, restyles the logo label and slides it up (about 300 ms, blocking).
    void FormActivate();
    // Fills the eight labels from the registry; a missing value leaves its label empty.
    void InfoLezen();

    QFrame* pnlInfo = nullptr;
    QFrame* pnlProgramma = nullptr;
    QLabel* lblProgrammaNaam = nullptr;
    QLabel* lblVersieNummer = nullptr;
    QLabel* lblVersieDatum = nullptr;
    QFrame* pnlCopyRight = nullptr;
    QLabel* lblCopyRight = nullptr;
    QLabel* lblNaam = nullptr;
    QLabel* lblAdres = nullptr;
    QLabel* lblWoonplaats = nullptr;
    QLabel* lblTelefoon = nullptr;
    QLabel* lblSoftware = nullptr;
    QPushButton* bbtnSluiten = nullptr;

  public slots:
    void bbtnSluitenClick();

  protected:
    bool event(QEvent* e) override;

  private:
    void VensterGewisseld(QWindow* venster);

    bool eersteKeer_ = true;
    // Another window of the program had the focus since the last activation; switching to
    // another program and back does not replay the window's activation.
    bool anderVenster_ = false;
};
