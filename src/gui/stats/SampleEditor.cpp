#include "gui/stats/SampleEditor.h"

#include "gui/stats/TASDlg.h"
#include "gui/stats/TSGSDlg.h"

#include <QPointer>

namespace {
QPointer<TSGSDlg> g_data;
QPointer<TASDlg> g_interval;
bool g_orphans = false;
} // namespace

bool RunSampleEntry(TSGSDlg& data, TASDlg& interval, TSampleEntry& entry) {
    data.Prepare(entry);
    for (;;) {
        if (data.exec() != QDialog::Accepted) return false;
        TSampleEntry settings = entry;
        data.ReadSettings(settings);
        TSampleBuild& build = data.Result();
        SpreadGroupedData(build, settings.Smodel, settings.EntryType);
        const TIntervalProposal proposal = ProposeInterval(entry, build, settings.Smodel, settings.EntryType);
        interval.Prepare(proposal);
        const int result = proposal.Show ? interval.exec() : QDialog::Accepted;
        if (result == TASDlg::BackResult) continue; // the data dialog again, as the user left it
        if (result != QDialog::Accepted) return false;
        settings.AText = interval.AText();
        settings.BText = interval.BText();
        settings.K = interval.K();
        TakeSampleResult(settings, std::move(build));
        entry = std::move(settings);
        return true;
    }
}

void InstallSampleDialogs(QWidget* parent) {
    if (g_orphans) {
        delete g_data.data();
        delete g_interval.data();
    }
    g_data = new TSGSDlg(parent);
    g_interval = new TASDlg(parent);
    g_orphans = parent == nullptr;
}

TSGSDlg* SampleDataDialog() {
    return g_data;
}

TASDlg* SampleIntervalDialog() {
    return g_interval;
}

bool RunInstalledSampleEntry(TSampleEntry& entry) {
    return g_data && g_interval && RunSampleEntry(*g_data, *g_interval, entry);
}
