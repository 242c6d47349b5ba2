#pragma once

#include <QWidget>

class QTextBrowser;

namespace quandel {

// The help viewer: shows one of the German help pages compiled into the program.
class HilfeFenster : public QWidget {
    Q_OBJECT
public:
    explicit HilfeFenster(QWidget* eltern);

    // Topic ids: "Das_Hauptfenster", "Der_Akzentmonitor", "Lizenz_Text".
    void ThemaZeigen(const QString& thema);

private:
    QTextBrowser* browser_;
};

} // namespace quandel
