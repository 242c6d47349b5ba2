#include "ui/knopfpanel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace quandel {

namespace {

// To a screen reader the panel is a button that can be pressed, not a label.
class PanelZugang : public QAccessibleWidget {
public:
    explicit PanelZugang(KnopfPanel* panel) : QAccessibleWidget(panel, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& aktion) override {
        if (aktion == pressAction() && widget()->isEnabled())
            static_cast<KnopfPanel*>(widget())->Klicken();
        else
            QAccessibleWidget::doAction(aktion);
    }
};

QAccessibleInterface* PanelZugangFabrik(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String(KnopfPanel::staticMetaObject.className()) && objekt &&
        objekt->isWidgetType())
        return new PanelZugang(static_cast<KnopfPanel*>(objekt));
    return nullptr;
}

} // namespace

KnopfPanel::KnopfPanel(QWidget* eltern) : QLabel(eltern) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(&PanelZugangFabrik);
}

void KnopfPanel::Einrichten(const QString& beschriftung, QColor farbe) {
    setText(beschriftung);
    farbe_ = farbe;
    // A raised bevel like a panel; the caption greys out when the panel is disabled.
    setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: black;"
                                 " border: 1px solid; border-color: white gray gray white; }"
                                 "QLabel:focus { border: 1px dotted black; }"
                                 "QLabel:disabled { color: gray; }")
                      .arg(farbe.name()));
}

void KnopfPanel::keyPressEvent(QKeyEvent* ereignis) {
    switch (ereignis->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Klicken();
        return;
    default:
        QLabel::keyPressEvent(ereignis);
    }
}

void KnopfPanel::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
        Klicken();
    QLabel::mouseReleaseEvent(ereignis);
}

} // namespace quandel
