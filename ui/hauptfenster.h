#pragma once

#include "search/haeufigkeit_eingebaut.h"
#include "search/klangreim.h"
#include "search/suchhistorie.h"
#include "search/suchkontext.h"
#include "soundgroups/ersetzbaum.h"
#include "ui/dialoge.h"
#include "ui/fenstergeschlossen.h"
#include "ui/wortbestandslader.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QContextMenuEvent;
class QFrame;
class QHelpEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTableView;
class QToolButton;

namespace quandel {

class GitterModell;
class HilfeFenster;
class KlangZellen;
class KnopfPanel;
class Sinnwahl;
class SuchAnimation;
class TAkzentMonitor;
class TListForm;

// The main window: the vowel field, the mode panels and switches, the search box, the result
// grid and the progress bar. It owns the word stock, the search history and the search context
// for the whole run; every search runs synchronously inside the handler that started it, and
// the event hook of the context keeps the window responsive meanwhile.
class THauptFenster : public QMainWindow {
    Q_OBJECT
public:
    explicit THauptFenster(QWidget* eltern = nullptr);
    ~THauptFenster() override;

    const Lexikon& lexikon() const { return wortbestand_.lexikon(); }
    TAkzentMonitor& akzentMonitor() { return *akzentMonitor_; }
    Dialoge& dialoge() { return dialoge_; }

    // Makes the word list in the file the stock (hauptfenster_wortbestand.cpp): from its saved
    // index, or built with its progress in ProgressBar1 and stoppable by "Abbruch". A list that
    // cannot be used is reported in a message box and the old stock stays. True when loaded.
    bool WortbestandLaden(const QString& pfad);
    void EingebautenWortbestandLaden();

    // Takes the synonyms and the sense from the thesaurus in the file (hauptfenster_sinn.cpp);
    // one that cannot be read is reported in a message box and the one before stays. True when
    // loaded.
    bool ThesaurusLaden(const QString& pfad);

    // Services of the searches and of the grid's users.
    void SGLeeren();
    void SGFuellen(const std::vector<std::string>& treffer);
    void KeinEintrag();
    void SuchfelderFreigeben(bool an);
    void FormResize();

signals:
    // A search has passed its opening steps (title, disabled fields, colours, animation) and
    // is about to run.
    void SucheLaeuftJetzt();

protected:
    void changeEvent(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    void moveEvent(QMoveEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    using Suche = std::function<SuchErgebnis(SuchKontext&, const SuchEinstellungen&)>;

    // hauptfenster.cpp: the controls and their places.
    void SteuerelementeAnlegen();
    void SteuerelementeEinrichten();
    void SteuerelementeVerbinden();
    void TabFolgeSetzen();
    void Anordnen();
    // hauptfenster_menue.cpp
    void MenueAnlegen();
    void AusgabeMenueAnlegen();
    void Akzentfunktionen1Click();
    void AkzentMClick();
    void Ausgabe1Click();
    void ZeigAkzenteClick();
    // hauptfenster_suche.cpp
    void PanEndClick();
    void PanLiedClick();
    void PanSchuettClick();
    void PanStabClick();
    void SuchRahmen(KnopfPanel* panel, Suche suche);
    void ErgebnisZeigen(KnopfPanel* panel, const SuchErgebnis& ergebnis);
    SuchEinstellungen Einstellungen() const;
    void TitelSetzen(const QString& anwendungsTitel);
    void TitelErneuern() { TitelSetzen(anwendungsTitel_); }
    void AuswahllisteErgaenzen(const QString& text);
    void SuchEingabeKeyPress();
    bool SuchEingabeEreignis(QEvent* ereignis);
    void VokalFeldChange();
    void FortschrittZeigen(std::uint64_t erledigt, std::uint64_t gesamt);
    void TrefferHistorieMerken(const std::vector<std::string>& treffer);
    // hauptfenster_klang.cpp: the search by sound.
    void KlangAnlegen();
    void KlangMenueAnlegen(QMenu* suchstart);
    void PanKlangClick();
    bool KlangTooltip(QHelpEvent* ereignis);
    // hauptfenster_sinn.cpp: the synonyms, and the rhyme searches sieved by class and sense.
    void SinnAnlegen(QMenu* suchstart);
    void PanSinnClick();
    void SinnverwandteZu(const QString& wort);
    bool GitterKontextmenue(QObject* objekt, QContextMenuEvent* ereignis);
    void WortartClick();
    void SinnClick();
    void SinnUebernehmen(const QString& wort);
    void ThesaurusOeffnenClick();
    void SinnSieben(const KnopfPanel* panel, SuchErgebnis& ergebnis);
    QString SinnZusatz() const;
    // hauptfenster_rang.cpp: the order of common words first and the filters of "Ausgabe".
    void RangMenueAnlegen();
    Klangwahl KlangwahlLesen() const;
    Suche HaeufigeZuerst(Suche suche, std::size_t spalten);
    // hauptfenster_gitter.cpp
    void GitterFarbeSetzen(QColor farbe);
    void StringGrid1SelectCell(int spalte, int zeile);
    void RichtungGewechselt();
    void GitterMenueAnlegen();
    void Kopieren(bool alleZellen);
    void StringGrid1DblClick(const QModelIndex& zelle);
    // historie.cpp
    void HistorieEinrichten();
    std::array<KnopfPanel*, 6> Suchpanels() const;
    void BrowserKnopfClick();
    void HistorieZeigen(int k);
    void SpeedButton1Click();
    void BrowseListBoxSchliessen();
    void BrowseListBoxDblClick();
    bool BrowserKnopfTaste(QEvent* ereignis);
    bool BrowseListBoxEreignis(QEvent* ereignis);
    // gitterdatei.cpp
    void SGSpeichernClick();
    void SGLadenClick();
    void Button6Click();
    // hauptfenster_wortbestand.cpp
    void WortbestandVerbinden();
    void WortbestandOeffnenClick();
    void WortbestandErneuern();
    bool Laderahmen(const std::function<bool()>& laden);
    // hauptfenster_fenster.cpp
    void MaximierenAbfangen();
    void FormHelp();
    template <typename Handler> void Abgesichert(Handler handler);

    WortbestandsLader wortbestand_;
    // Built from the accent monitor's groups, which start as the default ones.
    Lautersetzung lautersetzung_{VorgabeLautgruppen(), "des Akzentmonitors"};
    SuchKontext kontext_{wortbestand_.lexikon(), lautersetzung_};
    Dialoge dialoge_{this};

    std::vector<std::string> LastGridList;
    QColor GitterFarbe;
    bool OhneSortierung = false;
    bool VokalFeldGeaendert = false;
    KnopfPanel* AktivesSuchPanel = nullptr;
    bool sucheLaeuft_ = false;
    bool legtGerade_ = false;
    bool geschlossen_ = false; // by the user; the window was not shown again since
    QRect bildGeometrie_;      // where the maximise rule put the window when it drew the picture

    Suchhistorie historie_; // shown by BrowserKnopf and BrowseListBox
    // The thesaurus and the settings of class and sense.
    std::unique_ptr<Sinnwahl> sinnwahl_;
    QString anwendungsTitel_; // what the title shows after the product and the settings
    QString gitterWort_;      // of the cell the grid's context menu was opened on
    // What the grid showed of the hits of each recorded search by sound; none for the others.
    std::vector<std::shared_ptr<const KlangZellen>> historienKlang_;
    Haeufigkeit haeufigkeit_ = daten::EingebauteHaeufigkeit();

    // The controls; each one's objectName is its member name.
    QLineEdit* VokalFeld = nullptr;
    QScrollBar* BrowserKnopf = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QListWidget* BrowseListBox = nullptr;
    QPointer<QWidget> vorDerListe_; // had the focus before BrowseListBox opened
    SuchAnimation* Animate1 = nullptr;
    KnopfPanel* PanEnd = nullptr;
    KnopfPanel* PanLied = nullptr;
    KnopfPanel* PanSchuett = nullptr;
    KnopfPanel* PanStab = nullptr;
    KnopfPanel* PanKlang = nullptr;
    KnopfPanel* PanSinn = nullptr; // hidden: the menu and the grid's context menu start it
    QFrame* ABCRichtung = nullptr;
    QRadioButton* VorSort = nullptr;
    QRadioButton* RueckSort = nullptr;
    QPushButton* ZeigAkzente = nullptr;
    QCheckBox* Akzentuirung = nullptr;
    QFrame* PlusMinusPan = nullptr;
    QRadioButton* PlusRadio = nullptr;
    QRadioButton* MinusRadio = nullptr;
    QPushButton* AbbruchButton = nullptr;
    QComboBox* SuchEingabe = nullptr;
    QTableView* StringGrid1 = nullptr;
    GitterModell* gitter_ = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* SuchZeit = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* wasserBild_ = nullptr;
    QWidget* flaeche_ = nullptr;
    HilfeFenster* hilfe_ = nullptr;
    TAkzentMonitor* akzentMonitor_ = nullptr;
    TListForm* ListForm = nullptr; // the word list window, from its first use on

    QMenu* Akzentfunktionen1 = nullptr;
    QMenu* Ausgabe1 = nullptr;
    QAction* AkzentM = nullptr;
    QAction* PlusM = nullptr;
    QAction* MinusM = nullptr;
    QAction* VorM = nullptr;
    QAction* RueckM = nullptr;
    QAction* UnreinM = nullptr;
    QAction* ZweisilbigM = nullptr;
    QMenu* Wortart1 = nullptr;
    QAction* SinnM = nullptr;
    QMenu* GitterMenue = nullptr;
    QAction* SinnverwandtM = nullptr;
    QAction* KlangRangM = nullptr;
    QAction* HaeufigM = nullptr;
    QAction* AbkuerzungenM = nullptr;
    QActionGroup* SilbenM = nullptr;
};

// Runs a handler at the edge of the event loop: an error it raises is shown, not passed on.
template <typename Handler> void THauptFenster::Abgesichert(Handler handler) {
    try {
        handler();
    } catch (const FensterGeschlossen&) {
        // The program is ending: nothing to report.
    } catch (const std::exception& e) {
        dialoge_.Fehler(QString::fromUtf8(e.what()));
    }
}

} // namespace quandel
