// Message dialogs. MessageDlg goes through a replaceable handler; the default one
// shows a modal message form built from the standard controls.
#pragma once

#include <functional>
#include <string>

#include "host/forms/Forms.h"

namespace host {

HOST_ENUM(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom)
HOST_ENUM(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp)
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

inline const TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// Shows a message and returns the modal result of the button chosen (mrNone when the
// run ended without a choice).
Integer MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, Integer helpCtx);

using TMessageDlgHandler = std::function<Integer(const std::string&, TMsgDlgType, TMsgDlgButtons, Integer)>;
// Replaces the handler; nullptr restores the default message form.
void SetMessageDlgHandler(TMessageDlgHandler handler);
// The handler installed now (empty for the default message form).
TMessageDlgHandler GetMessageDlgHandler();

// The form the default handler shows (the caller owns it): an icon, the text and one
// button per member of the set, the first of OK / Yes the default, Cancel / No the
// cancel button.
TForm* CreateMessageDialog(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons);
// Shows a message with an OK button.
void ShowMessage(const std::string& msg);

}  // namespace host
