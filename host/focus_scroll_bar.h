// A scroll bar that shows when it has the keyboard focus, which not every style does.
#pragma once

#include <QScrollBar>

namespace molen {

class FocusScrollBar : public QScrollBar {
  public:
    using QScrollBar::QScrollBar;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace molen
