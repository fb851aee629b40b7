#pragma once
// A box whose text does not compile shows the user where: its caret goes to the place the compiler stopped.
class QLineEdit;
class QString;

// Puts the caret of edit, without a selection, where its text fails to compile. A text that compiles keeps
// its caret and selection. True when the caret was moved.
bool PutCaretAtFormulaError(QLineEdit* edit);

// The cursor index in text (UTF-16 units) of the place after the first chars characters (code points).
int CaretIndex(const QString& text, int chars);
