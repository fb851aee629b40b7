#pragma once
// The entry of a sample: the data dialog, then (by intervals, where the data leave the bounds open) the
// interval dialog, with "<--- Назад" back to the data.
#include <functional>

class QWidget;
class TASDlg;
class TSGSDlg;
struct TSampleEntry;
struct TRandomRequest;

// Runs the flow on entry; true when confirmed, with entry holding the settings, bounds, K and data.
bool RunSampleEntry(TSGSDlg& data, TASDlg& interval, TSampleEntry& entry);

// The two dialogs of the run, children of parent (or ours to free when it is nullptr); a second call
// replaces them.
void InstallSampleDialogs(QWidget* parent);
TSGSDlg* SampleDataDialog();
TASDlg* SampleIntervalDialog();
// The flow on the installed dialogs; false when none are installed.
bool RunInstalledSampleEntry(TSampleEntry& entry);
