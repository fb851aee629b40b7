#include "gui/document/FormulaCaret.h"

#include "core/formula/TFunc.h"
#include "gui/app/MessageDlg.h"

#include <QLineEdit>

bool PutCaretAtFormulaError(QLineEdit* edit) {
    const TFormulaError error = CheckFormula(S(edit->text()));
    if (error.Ok()) return false;
    edit->setCursorPosition(CaretIndex(edit->text(), error.Position));
    return true;
}

int CaretIndex(const QString& text, int chars) {
    int index = 0;
    // A character outside the basic plane takes two units.
    for (int c = 0; c < chars && index < text.size(); ++c)
        index += text.at(index).isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
    return index;
}
