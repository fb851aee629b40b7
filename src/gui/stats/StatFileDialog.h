#pragma once
// The open and save dialogs of the data files of the statistics dialogs.
#include "core/base/MessageIds.h"

#include <QString>

class QWidget;

// The chosen file, or empty when the user gave up. A save proposes the name given.
QString ChooseDataFile(QWidget* parent, bool save, msg::Id title, msg::Id filter, const QString& proposal);
