#include "core/formula/ParamTable.h"

void TParamTable::ResetForNewDocument() {
    m_rows.fill(TParam{});
}

void TParamTable::ClearUsed() {
    for (TParam& p : m_rows)
        p.Used = false;
}

TParamTable& ParamTable() {
    static TParamTable table;
    return table;
}
