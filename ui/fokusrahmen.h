#pragma once

#include <QWidget>

class QPaintEvent;

namespace quandel {

// Draws the window's focus mark, a dotted black frame along the edge (as on the mode panels).
void FokusRahmenZeichnen(QWidget& widget);

// A control whose style shows its focus faintly or not at all (the history's arrows, its flat
// list button), with the window's focus mark while it has the keyboard focus.
template <typename Basis> class MitFokusRahmen : public Basis {
public:
    using Basis::Basis;

protected:
    void paintEvent(QPaintEvent* ereignis) override {
        Basis::paintEvent(ereignis);
        if (this->hasFocus())
            FokusRahmenZeichnen(*this);
    }
};

} // namespace quandel
