#include "grid/gitterdatei.h"

#include "text/datei.h"
#include "text/dateitext.h"
#include "ui/gittermodell.h"
#include "ui/hauptfenster.h"
#include "ui/listform.h"
#include "ui/qttext.h"

#include <QComboBox>

namespace quandel {

namespace {

const QString kGitterFilter = QStringLiteral("Grid (*.grd)");

} // namespace

void THauptFenster::SGSpeichernClick() {
    Abgesichert([this] {
        const std::string text = GitterDateiText(gitter_->AlsRaster());
        const QString pfad = dialoge_.DateiZumSpeichern(QStringLiteral("Raster speichern"),
                                                        kGitterFilter, QStringLiteral("grd"));
        if (!pfad.isEmpty())
            DateiSchreiben(AlsPfad(pfad), text);
    });
    SuchEingabe->setFocus();
}

void THauptFenster::SGLadenClick() {
    // A running search lays its hits into the grid: loading waits until it has finished.
    if (sucheLaeuft_ || legtGerade_)
        return;
    Abgesichert([this] {
        const QString pfad =
            dialoge_.DateiZumOeffnen(QStringLiteral("Raster laden"), kGitterFilter);
        if (pfad.isEmpty())
            return;
        const std::string text = TextdateiLesen(AlsPfad(pfad));
        try {
            gitter_->RasterUebernehmen(GitterDateiLesen(text));
        } catch (const GitterDateiFehler& fehler) {
            // The grid has taken the file's row count before its first line turned out unusable.
            gitter_->ZeilenSetzen(fehler.zeilen());
            throw;
        }
    });
    SuchEingabe->setFocus();
}

void THauptFenster::Button6Click() {
    if (!ListForm)
        ListForm = new TListForm(this);
    ListForm->show();
    ListForm->raise();
    ListForm->activateWindow();
}

} // namespace quandel
