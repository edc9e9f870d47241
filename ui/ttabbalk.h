#pragma once
// A row of letter tabs of one fixed width; the window sets the width from the control's own
// width whenever that changes.
#include <QTabBar>

class TTabBalk : public QTabBar {
    Q_OBJECT

  public:
    explicit TTabBalk(QWidget* parent = nullptr) : QTabBar(parent) {
        // The styles keep a dozen pixels free on either side of a tab's text, which leaves a
        // 28-pixel tab a sliver of its letter. These tabs hold one letter each: no side padding.
        // A style sheet's padding counts only where the sheet draws the tab itself, hence its own
        // border and background.
        setStyleSheet(
            QStringLiteral("QTabBar::tab { padding: 4px 0px; border: 1px solid palette(mid); "
                           "border-bottom: none; background: palette(button); } "
                           "QTabBar::tab:selected { background: palette(window); font-weight: bold; }"));
        setElideMode(Qt::ElideNone);
    }

    int TabWidth() const { return tabWidth_; }
    void ZetTabWidth(int breedte) {
        if (breedte < 1) breedte = 1;
        if (breedte == tabWidth_) return;
        tabWidth_ = breedte;
        updateGeometry();
        update();
        // QTabBar lays its tabs out again when their count or text changes; a width change of
        // ours has to ask for it the same way.
        setTabText(0, tabText(0));
    }

  signals:
    void Resize();

  protected:
    QSize tabSizeHint(int index) const override {
        QSize s = QTabBar::tabSizeHint(index);
        s.setWidth(tabWidth_);
        return s;
    }
    // The width follows the control, so it must not hold the control (and the window) at its
    // present width: as a minimum a tab needs no width at all.
    QSize minimumTabSizeHint(int index) const override { return QSize(0, tabSizeHint(index).height()); }
    void resizeEvent(QResizeEvent* e) override {
        QTabBar::resizeEvent(e);
        emit Resize();
    }

  private:
    int tabWidth_ = 28;
};
