#pragma once

#include <QTimer>
#include <QWidget>

namespace quandel {

// A small busy indicator: a magnifying glass that circles while a search runs and rests at its
// stop frame otherwise. It advances only when the event loop gets a turn, which the searches
// give it through their event hook.
class SuchAnimation : public QWidget {
    Q_OBJECT
public:
    explicit SuchAnimation(QWidget* eltern);

    void Starten();
    void Anhalten();
    bool Laeuft() const { return takt_.isActive(); }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    static constexpr int kBilder = 12;
    static constexpr int kHaltebild = 8;

    QTimer takt_;
    int bild_ = kHaltebild;
};

} // namespace quandel
