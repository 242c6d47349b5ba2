#include "app/cli_aufruf.h"

#include "text/fehler.h"
#include "text/kodierung.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace quandel::cli {

namespace {

constexpr std::array<std::pair<std::string_view, Modus>, 14> kModi{{
    {"end", Modus::End},
    {"endreim", Modus::End},
    {"lied", Modus::Lied},
    {"liedreim", Modus::Lied},
    {"stab", Modus::Stab},
    {"stabreim", Modus::Stab},
    {"schuettel", Modus::Schuettel},
    {"schuettelreim", Modus::Schuettel},
    {"schüttel", Modus::Schuettel},
    {"schüttelreim", Modus::Schuettel},
    {"klang", Modus::Klang},
    {"klangreim", Modus::Klang},
    {"synonym", Modus::Synonym},
    {"synonyme", Modus::Synonym},
}};

Modus ModusVon(std::string_view name) {
    for (const auto& [text, modus] : kModi)
        if (name == text)
            return modus;
    throw Aufruffehler("unbekannter Suchmodus \"" + std::string(name) +
                       "\" (end, lied, stab, schuettel, klang oder synonym)");
}

Kodierung KodierungVon(std::string_view name) {
    if (name == "utf8" || name == "utf-8" || name == "UTF-8")
        return Kodierung::Utf8;
    if (name == "cp1252" || name == "windows-1252")
        return Kodierung::Cp1252;
    throw Aufruffehler("unbekannte Kodierung \"" + std::string(name) + "\" (utf8 oder cp1252)");
}

Format FormatVon(std::string_view name) {
    constexpr std::array<std::pair<std::string_view, Format>, 5> kFormate{{
        {"zeilen", Format::Zeilen},
        {"tsv", Format::Tsv},
        {"csv", Format::Csv},
        {"json", Format::Json},
        {"raster", Format::Raster},
    }};
    for (const auto& [text, format] : kFormate)
        if (name == text)
            return format;
    throw Aufruffehler("unbekanntes Format \"" + std::string(name) +
                       "\" (zeilen, tsv, csv, json oder raster)");
}

Trefferfolge TrefferfolgeVon(std::string_view name) {
    constexpr std::array<std::pair<std::string_view, Trefferfolge>, 3> kFolgen{{
        {"rang", Trefferfolge::Rang},
        {"alphabet", Trefferfolge::Alphabet},
        {"liste", Trefferfolge::Liste},
    }};
    for (const auto& [text, folge] : kFolgen)
        if (name == text)
            return folge;
    throw Aufruffehler("unbekannte Ordnung \"" + std::string(name) +
                       "\" (rang, alphabet oder liste)");
}

// "2" -> 2..2, "2-3" -> 2..3, "5-" -> 5 and more.
void SilbenSetzen(Aufruf& aufruf, std::string_view wert) {
    const auto zahl = [&](std::string_view text) {
        std::size_t n = 0;
        const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), n);
        if (fehler != std::errc() || ende != text.data() + text.size() || n == 0)
            throw Aufruffehler("--silben verlangt eine Silbenzahl oder einen Bereich wie 2-3, "
                               "nicht \"" +
                               std::string(wert) + "\"");
        return n;
    };
    const std::size_t strich = wert.find('-');
    aufruf.silbenVon = zahl(wert.substr(0, strich));
    aufruf.silbenBis = strich == std::string_view::npos ? aufruf.silbenVon
                       : strich + 1 == wert.size()      ? 0
                                                        : zahl(wert.substr(strich + 1));
    if (aufruf.silbenBis != 0 && aufruf.silbenBis < aufruf.silbenVon)
        throw Aufruffehler("--silben " + std::string(wert) + ": der Bereich ist leer");
}

void BetonungSetzen(Aufruf& aufruf, std::string_view wert) {
    if (wert.empty() || wert.find_first_not_of("xX") != std::string_view::npos)
        throw Aufruffehler("--betonung verlangt ein Muster aus x (unbetont) und X (betont) wie "
                           "xXx, nicht \"" +
                           std::string(wert) + "\"");
    aufruf.betonung = std::string(wert);
}

bool BrauchtWert(std::string_view option) {
    return option == "--vokale" || option == "--wortbestand" || option == "--kodierung" ||
           option == "--lautgruppen" || option == "--format" || option == "--aussprache" ||
           option == "--ordnung" || option == "--silben" || option == "--betonung" ||
           option == "--thesaurus" || option == "--wortart" || option == "--sinn";
}

Wortarten WortartenVon(std::string_view liste) {
    if (const std::optional<Wortarten> arten = WortartenAusKennwoertern(liste))
        return *arten;
    throw Aufruffehler("unbekannte Wortart in \"" + std::string(liste) +
                       "\" (nomen, verb, adjektiv, adverb, andere; mehrere durch Kommas getrennt)");
}

void OptionSetzen(Aufruf& aufruf, std::string_view option, std::string_view wert) {
    if (option == "--vokale")
        aufruf.vokale = std::string(wert);
    else if (option == "--wortbestand")
        aufruf.wortbestand = std::string(wert);
    else if (option == "--lautgruppen") {
        aufruf.lautgruppen = std::string(wert);
        aufruf.akzent = true;
    } else if (option == "--format")
        aufruf.format = FormatVon(wert);
    else if (option == "--aussprache")
        aufruf.aussprache = std::string(wert);
    else if (option == "--ordnung")
        aufruf.ordnung = TrefferfolgeVon(wert);
    else if (option == "--silben")
        SilbenSetzen(aufruf, wert);
    else if (option == "--betonung")
        BetonungSetzen(aufruf, wert);
    else if (option == "--thesaurus")
        aufruf.thesaurus = std::string(wert);
    else if (option == "--wortart")
        aufruf.wortarten = WortartenVon(wert);
    else if (option == "--sinn")
        aufruf.sinn = std::string(wert);
    else
        aufruf.kodierung = KodierungVon(wert);
}

void SchalterSetzen(Aufruf& aufruf, std::string_view option) {
    if (option == "--minus")
        aufruf.minus = true;
    else if (option == "--rueck")
        aufruf.rueck = true;
    else if (option == "--akzent")
        aufruf.akzent = true;
    else if (option == "--kein-cache")
        aufruf.keinCache = true;
    else if (option == "--unrein")
        aufruf.unrein = true;
    else if (option == "--zweisilbig")
        aufruf.zweisilbig = true;
    else if (option == "--abkuerzungen")
        aufruf.abkuerzungen = true;
    else if (option == "-h" || option == "--help" || option == "--hilfe")
        aufruf.hilfe = true;
    else if (option == "-V" || option == "--version")
        aufruf.version = true;
    else
        throw Aufruffehler("unbekannte Option " + std::string(option));
}

// The name an option is known by, whichever of its spellings was used.
std::string_view Optionsname(std::string_view option) {
    if (option == "-h" || option == "--hilfe")
        return "--help";
    if (option == "-V")
        return "--version";
    return option;
}

// Why an option given is of no use to the call, or empty.
std::string_view OhneNutzen(std::string_view option, const Aufruf& aufruf) {
    const bool klang = aufruf.modus == Modus::Klang;
    // The synonyms search no word stock and order nothing.
    if (aufruf.modus == Modus::Synonym && option != "--thesaurus" && option != "--format" &&
        option != "--kein-cache")
        return "gilt nicht für synonym (es nimmt nur --thesaurus, --format und --kein-cache)";
    if ((option == "--unrein" || option == "--zweisilbig" || option == "--aussprache" ||
         option == "--abkuerzungen" || option == "--silben" || option == "--betonung") &&
        !klang)
        return "gilt nur für klang";
    if (option == "--vokale" && aufruf.modus != Modus::Lied)
        return "gilt nur für lied";
    if ((option == "--akzent" || option == "--lautgruppen") && klang)
        return "gilt nicht für klang (die Lautgruppen gelten dort nicht)";
    if (option == "--rueck" && aufruf.modus == Modus::Schuettel)
        return "gilt nicht für schuettel (die Zeilen bleiben in der Reihenfolge, in der sie "
               "gefunden werden)";
    if (option == "--rueck" && aufruf.ordnung == Trefferfolge::Rang)
        return "ordnet nach Wortenden und passt nicht zu --ordnung rang";
    if (option == "--ordnung" && aufruf.ordnung == Trefferfolge::Alphabet && !klang)
        return "alphabet gilt nur für klang (sonst rang oder liste)";
    if (option == "--ordnung" && aufruf.ordnung == Trefferfolge::Liste && klang)
        return "liste gilt nicht für klang (rang oder alphabet)";
    if ((option == "--wortart" || option == "--sinn") && aufruf.modus == Modus::Schuettel)
        return "gilt nur für end, lied, stab und klang";
    if (option == "--thesaurus" && aufruf.modus != Modus::Synonym && !aufruf.sinn)
        return "gilt nur für synonym und mit --sinn";
    if (option == "--kodierung" && !aufruf.wortbestand)
        return "gilt nur mit --wortbestand";
    if (option == "--kein-cache" && !aufruf.wortbestand && aufruf.modus != Modus::Synonym &&
        !aufruf.sinn)
        return "gilt nur mit --wortbestand, für synonym und mit --sinn";
    return {};
}

} // namespace

Trefferfolge Folge(const Aufruf& aufruf) {
    if (aufruf.ordnung)
        return *aufruf.ordnung;
    if (aufruf.modus != Modus::Klang)
        return Trefferfolge::Liste;
    return aufruf.rueck ? Trefferfolge::Alphabet : Trefferfolge::Rang;
}

Aufruf AufrufLesen(const std::vector<std::string_view>& argumente, bool eingabeIstTerminal) {
    Aufruf aufruf;
    std::vector<std::string_view> frei;    // mode and texts
    std::vector<std::string_view> gegeben; // the options, each once
    const auto merken = [&gegeben](std::string_view option) {
        const std::string_view name = Optionsname(option);
        if (std::find(gegeben.begin(), gegeben.end(), name) != gegeben.end())
            throw Aufruffehler("Option " + std::string(name) + " ist mehrfach angegeben");
        gegeben.push_back(name);
    };
    bool optionenVorbei = false;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string_view argument = argumente[i];
        if (optionenVorbei || argument.size() < 2 || argument[0] != '-') {
            frei.push_back(argument);
        } else if (argument == "--") {
            optionenVorbei = true;
        } else if (const auto gleich = argument.find('=');
                   gleich != std::string_view::npos && BrauchtWert(argument.substr(0, gleich))) {
            merken(argument.substr(0, gleich));
            OptionSetzen(aufruf, argument.substr(0, gleich), argument.substr(gleich + 1));
        } else if (BrauchtWert(argument)) {
            if (i + 1 == argumente.size())
                throw Aufruffehler("Option " + std::string(argument) + " verlangt einen Wert");
            merken(argument);
            OptionSetzen(aufruf, argument, argumente[++i]);
        } else {
            SchalterSetzen(aufruf, argument);
            merken(argument);
        }
    }
    if (aufruf.hilfe || aufruf.version)
        return aufruf;
    if (frei.empty())
        throw Aufruffehler("kein Suchmodus angegeben");
    aufruf.modus = ModusVon(frei[0]);
    for (const std::string_view option : gegeben)
        if (const std::string_view grund = OhneNutzen(option, aufruf); !grund.empty())
            throw Aufruffehler("Option " + std::string(option) + " " + std::string(grund));
    aufruf.ausEingabe = frei.size() == 2 ? frei[1] == "-" : frei.size() == 1 && !eingabeIstTerminal;
    if (aufruf.ausEingabe)
        return aufruf;
    if (frei.size() == 1)
        throw Aufruffehler("kein Suchtext angegeben");
    for (std::size_t i = 1; i < frei.size(); ++i) {
        if (i > 1)
            aufruf.suchtext += ' ';
        aufruf.suchtext += frei[i];
    }
    return aufruf;
}

std::string ArgumentAusUtf8(std::string_view name, std::string_view utf8) {
    try {
        return Cp1252AusUtf8(utf8);
    } catch (const Fehler& fehler) {
        throw Fehler(std::string(name) + " \"" + std::string(utf8) + "\": " + fehler.what());
    }
}

std::string_view Hilfetext() {
    return R"(Aufruf: quandel-cli MODUS [OPTIONEN] TEXT...
       quandel-cli MODUS [OPTIONEN] [-] < DATEI

Sucht Reime im eingebauten Wortbestand oder in einer Wortliste, dazu Synonyme
aus OpenThesaurus.

Modi:
  end, endreim         Wörter, die auf das Suchwort enden
  lied, liedreim       Wörter mit derselben Vokalfolge wie das Suchwort
  stab, stabreim       Wörter, die mit dem Suchwort beginnen
  schuettel, schuettelreim
                       Schüttelreime zu "Reim" (Anlaut R, Rest eim) oder "Schw ein"
  klang, klangreim     Wörter, die nach dem Klang auf das Suchwort reimen: gleiche
                       Laute ab dem Vokal der letzten betonten Silbe ("Gehör" -
                       "Friseur"; "Rost" reimt nicht auf "Trost"). Die Aussprache
                       kommt von espeak-ng; die Lautgruppen (--akzent) gelten
                       hier nicht. Erst kommen die reinen Reime, dann mit
                       --unrein die unreinen, zuletzt die rührenden (auch die
                       Laute vor dem Reimvokal sind gleich: "Herz" -
                       "Löwenherz"); darin häufige Wörter zuerst. Wörter, die
                       man buchstabiert (AfD, j), fehlen ohne --abkuerzungen.
  synonym, synonyme    Wörter gleichen oder ähnlichen Sinns aus OpenThesaurus:
                       die Einträge jeder Gruppe, die das Wort enthält, in ihrer
                       Reihenfolge, jedes einmal, das Wort selbst nicht
                       ("Kummer" - "Trauer", "Gram", "Sorge", ...). Gefunden
                       wird das Wort wie geschrieben, steht es so nirgends, ohne
                       Rücksicht auf Groß- und Kleinschreibung; Zusätze in
                       Klammern wie (ugs.) zählen beim Suchen nicht und werden
                       mit ausgegeben. TEXT ist hier das Wort oder die Wendung
                       als Ganzes ("schwer ums Herz").

TEXT wird wie im Suchfeld eingegeben; mehrere TEXT-Argumente werden mit einem
Leerzeichen verbunden. Kommas und Leerzeichen trennen die Begriffe: der erste ist
das Suchwort, die weiteren begrenzen die Ausgabe auf Treffer mit dieser Endung
(beim Stabreim: diesem Anfang; beim Schüttelreim zählen sie ab dem dritten).

Ist TEXT "-" oder fehlt TEXT und ist die Standardeingabe kein Terminal, so ist jede
Zeile der Standardeingabe ein Suchtext. Die Antworten folgen in derselben Reihenfolge;
jede endet mit einer Leerzeile, eine ohne Treffer besteht nur aus ihr. Mit --format
json ist jede Antwort ein JSON-Wert auf einer eigenen Zeile, ohne Leerzeile.

Optionen (jede höchstens einmal und nur, wo der Modus sie verwendet):
  --minus              Treffer mit den Begrenzungswörtern entfernen, statt nur
                       diese zu behalten
  --rueck              nach Wortenden ordnen statt alphabetisch (bei klang statt
                       nach Rang; nicht bei schuettel, dessen Zeilen wie
                       gefunden bleiben)
  --vokale TEXT        lied: Vokalfeld (Vorgabe: a,e,i,o,u,ä,ö,ü)
  --akzent             nicht bei klang: auch alle Schreibweisen suchen, die
                       nach den Lautgruppen gleich klingen (Vorgabe: i/ie/ih,
                       ei/äu/eu, t/tt, b/p): "eide" findet auch Freude und
                       Gebäude
  --lautgruppen DATEI  nicht bei klang: die Lautgruppen einer .akz-Datei statt
                       der vorgegebenen verwenden (schließt --akzent ein); je
                       Zeile eine Gruppe: "I-Laute: i, ie, ih"
  --unrein             klang: auch unreine Reime (langes e und ä, ö und e, ü und
                       i, eu und ei, stimmhafte und stimmlose Endlaute gleich:
                       "Glück" - "Blick", "Freude" - "Kreide")
  --zweisilbig         klang: zweisilbige Reime ab dem vorletzten betonten Vokal
                       ("Sonnenschein" - "Mondenschein")
  --aussprache DATEI   klang: eigene Ausspracheberichtigungen, je Zeile ein Wort
                       und seine Laute wie in data/aussprache.txt ("Garage
                       g a r 'a: Z @")
  --ordnung ORDNUNG    Reihenfolge der Treffer: rang (häufige Wörter zuerst; bei
                       klang die Vorgabe), alphabet (nur klang) oder liste (die
                       Vorgabe der übrigen Modi; beim Schüttelreim die
                       Fundfolge)
  --abkuerzungen       klang: auch Wörter, die man buchstabiert (AfD, FDJ, j)
  --silben N|N-M       klang: nur Treffer mit N Silben (N-M: N bis M, N-: N und
                       mehr)
  --betonung MUSTER    klang: nur Treffer mit diesem Betonungsmuster, je Silbe X
                       (betont) oder x (unbetont): "xXx" wie Gebäude
  --wortart ARTEN      end, lied, stab, klang: nur Treffer dieser Wortarten:
                       nomen, verb, adjektiv, adverb, andere; mehrere durch
                       Kommas getrennt ("nomen,verb"). Die Wortarten stammen aus
                       Dings Wörterbuch; nicht verzeichnete Formen erben sie von
                       ihrer Grundform, wo die Endung sicher ist, sonst gelten
                       sie als unbekannt.
  --sinn WORT          end, lied, stab, klang: nur Treffer, die mit WORT oder
                       mit einem Wort aus dessen Gruppen eine Gruppe des
                       Thesaurus teilen, also Synonyme von WORT und Synonyme
                       seiner Synonyme ("klang Herz --sinn Witz" gibt Scherz)
  --thesaurus DATEI    synonym, --sinn: ein Thesaurus im Textformat von
                       OpenThesaurus (UTF-8, je Zeile eine Gruppe, Einträge
                       durch ";" getrennt) statt
                       /usr/share/openthesaurus-de/thesaurus.txt
  --wortbestand DATEI  Wortliste mit einem Wort je Zeile statt des eingebauten
                       Wortbestands
  --kodierung KOD      mit --wortbestand: Kodierung der Wortliste, utf8
                       (Vorgabe) oder cp1252
  --format FORMAT      Ausgabeformat: zeilen (Vorgabe), tsv, csv, json oder raster
  --kein-cache         mit --wortbestand, bei synonym und mit --sinn: den Index
                       der Wortliste und des Thesaurus weder lesen noch
                       speichern (sonst liegen sie in
                       ${XDG_CACHE_HOME:-~/.cache}/quandel-tornar/)
  -h, --help           diese Hilfe
  -V, --version        Versionsnummer
  --                   die weiteren Argumente sind keine Optionen

Ausgabe: ein Treffer je Zeile in UTF-8; beim Schüttelreim ein Fund je Zeile, seine
vier Wörter durch Tabulatoren getrennt, ausgegeben sobald gefunden. Strg+C oder
SIGTERM beendet den Schüttelreim nach der zuletzt ausgegebenen ganzen Zeile und
den Klangreim ohne Treffer, ein zweites Signal sofort.
Die Formate:
  zeilen  wie oben
  tsv     wie zeilen, mit einer Kopfzeile (wort; beim Schüttelreim suchwort,
          tauschwort, endwort, stabwort)
  csv     RFC 4180 in UTF-8 mit derselben Kopfzeile, Zeilenende CR LF
  json    ein Array der Treffer; beim Schüttelreim Objekte mit den Feldern
          suchwort, tauschwort, endwort, stabwort; bei klang Objekte mit wort,
          lautschrift, silben, betonung, reim (rein, unrein oder ruehrend) und
          rang (1: unter den 1.000 häufigsten Wortformen, 2: unter den 10.000
          häufigsten, 3: seltener, null: nicht in der Häufigkeitsliste); mit
          --wortart oder --sinn ist jeder Treffer ein Objekt mit wort und
          wortart (die Wortarten als Liste, leer wenn unbekannt); bei synonym
          ein Array der Gruppen, jede ein Array ihrer Einträge
  raster  die Rasterdatei des Fensters (.grd): die Treffer zu vier je Zeile,
          Windows-1252, Zeilenende CR LF
Außer bei zeilen erscheint die Ausgabe erst, wenn die Suche fertig ist.

Die Häufigkeit stammt aus den Wortlisten von OpenSubtitles 2024 und der
deutschen Wikipedia (Paket @zxcvbn-ts/language-de); Wörter ohne Rang folgen
den übrigen, kürzere vor längeren.

Mit --wortbestand berechnet klang beim ersten Mal die Klangschlüssel der ganzen
Liste (bei einer großen Liste einige Sekunden, mit Fortschrittsbalken; Strg+C
bricht ab) und speichert sie mit dem Index der Liste.

Rückgabewert: 0 Treffer gefunden (bei Suchtexten aus der Standardeingabe: für
mindestens eine Zeile); 1 kein Eintrag, oder TEXT enthält kein Suchwort (nur
Leerzeichen); 2 falscher Aufruf, ein Zeichen außerhalb von Windows-1252, eine
unlesbare Wortliste, Lautgruppendatei oder Ausspracheberichtigung, ein fehlender
oder unlesbarer Thesaurus, ein Wort für --sinn, das nicht im Thesaurus steht,
zu viele Lautvarianten (mehr als 100.000) oder eine nicht schreibbare Ausgabe;
130 Schüttelreim, Klangreim oder Klangschlüssel mit Strg+C abgebrochen, 143 mit
SIGTERM.
)";
}

} // namespace quandel::cli
