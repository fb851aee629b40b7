#pragma once
// The program's message box: questions and errors with translatable button and window captions.
#include "core/base/MessageIds.h"

#include <QString>

#include <string>

class QDialog;
class QWidget;

enum class TMsgDlgType { mtWarning = 0, mtError = 1, mtInformation = 2, mtConfirmation = 3, mtCustom = 4 };

// Bits of a button set, in caption-table order.
enum TMsgDlgBtn : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
    mbAll = 1u << 7,
    mbNoToAll = 1u << 8,
    mbYesToAll = 1u << 9,
    mbHelp = 1u << 10,
};
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel; // 11: the program's questions
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;                  // the removal questions
constexpr TMsgDlgButtons mbOKOnly = mbOK;                         // 4: the error boxes

// Results; the window's close button gives mrCancel.
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};

// Builds the dialog, shows it modally centred on the screen and returns the pressed button's result.
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0,
               QWidget* parent = nullptr);

// The dialog MessageDlg shows, not yet shown; the caller owns it. Its buttons are named Yes, No, OK, ...
QDialog* CreateMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                             int helpContext = 0, QWidget* parent = nullptr);

// An error box with OK alone showing an entry of the message table.
void ShowErrorMessage(msg::Id id, QWidget* parent = nullptr);

// UTF-8 texts of the core and the toolkit's strings.
inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string S(const QString& s) {
    return s.toStdString();
}

// The message table writes the filters of the file dialogs "description|pattern|description|pattern"; Qt's
// dialogs take the descriptions joined by ";;".
QString QtFileFilter(const std::string& filter);
