#pragma once
// A row of letter tabs of one fixed width; the window sets the width from the control's own
// width whenever that changes.
#include <QTabBar>

class TTabBalk : public QTabBar {
    Q_OBJECT

  public:
    explicit TTabBalk(QWidget* parent = nullptr) : QTabBar(parent) {}

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
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void resizeEvent(QResizeEvent* e) override {
        QTabBar::resizeEvent(e);
        emit Resize();
    }

  private:
    int tabWidth_ = 28;
};
