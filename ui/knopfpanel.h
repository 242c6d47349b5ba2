#pragma once

#include <QColor>
#include <QLabel>

namespace quandel {

// A coloured panel that acts as a button: it reports a click of the left mouse button released
// over it, or Space or Enter while it has the keyboard focus (shown by a dotted frame).
// Disabled, its caption is greyed and it reports nothing.
class KnopfPanel : public QLabel {
    Q_OBJECT
public:
    explicit KnopfPanel(QWidget* eltern);

    void Einrichten(const QString& beschriftung, QColor farbe);
    QColor Farbe() const { return farbe_; }

    // The same as a click with the mouse, for the menu entries and the Enter key.
    void Klicken() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QColor farbe_;
};

} // namespace quandel
