#pragma once

#include <QDialog>
#include <QIcon>

namespace quandel {

// The program's icon in every size it ships, for the windows and the task bar.
QIcon Programmsymbol();

// "Über Quandel Tornar": name, version, the licence notice and where the word stock comes from
// (the licences of the data as they ship with the sources, in German; licence texts stay in
// their English wording).
class UeberDialog : public QDialog {
    Q_OBJECT
public:
    explicit UeberDialog(QWidget* eltern);
};

} // namespace quandel
