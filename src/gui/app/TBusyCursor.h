#pragma once
// The wait cursor over the whole program while a long drawing or search runs; the cursor before comes back
// when the scope ends, however it ends.
#include <QGuiApplication>

class TBusyCursor {
public:
    TBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};
