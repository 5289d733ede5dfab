// Dialogs not built yet: the message that says so, and the replaceable runner.
#include "PendingDialogs.h"

#include "QV2ResVIds.h"
#include "fw/MessageBox.h"

namespace {

PendingDialogRunner& Runner()
{
    static PendingDialogRunner runner;
    return runner;
}

} // namespace

INT_PTR CPendingDialog::RunModal(HWND owner)
{
    if (Runner())
        return Runner()(*this, owner);
    fw::ShowMessageId(owner, IDS_MSG_DIALOG_NOT_AVAILABLE, MB_OK | MB_ICONINFORMATION);
    return IDCANCEL;
}

PendingDialogRunner SetPendingDialogRunner(PendingDialogRunner runner)
{
    PendingDialogRunner previous = std::move(Runner());
    Runner() = std::move(runner);
    return previous;
}
