#pragma once

class QWidget;

namespace quandel {

// The German names and descriptions of the windows' controls that screen readers read (over
// AT-SPI): what a control is, and what it does. Each function names the controls of one window
// by their objectNames; the window calls it once its controls exist.
void HauptfensterZugang(QWidget& fenster);
void ListFormZugang(QWidget& fenster);
void AkzentMonitorZugang(QWidget& fenster);
void HilfeFensterZugang(QWidget& fenster);
void UeberDialogZugang(QWidget& fenster);

} // namespace quandel
