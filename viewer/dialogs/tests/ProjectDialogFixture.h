#pragma once
// The fixture of the tests of the dialogs on project data: the real data library with one root
// for the test program (emptied before every test), the resource library, the controls
// library, the viewer's process objects, recorded message boxes and commits, and real modal
// dialogs answered (hidden) from the modal-dialog hook.

#include "ProcessObjects.h"
#include "TestSupport.h"
#include "fw/Dialog.h"
#include "wqv2_data.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace dlgtest {

class ProjectDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Real modal dialogs of class `Dialog` are answered by `answer`, which runs once the dialog
    // is initialised and before it is shown, may drive its controls, and gives the button to
    // press (0: none, the dialog was ended already). The latest answer given for a class is
    // used. Any other dialog is cancelled. A dialog that the button leaves open is ended by an
    // IDCANCEL posted before the button is pressed.
    template <class Dialog>
    void Answer(std::function<INT_PTR(Dialog& dialog)> answer)
    {
        answers.push_back([answer](fw::CDialog& dialog) -> INT_PTR {
            auto* typed = dynamic_cast<Dialog*>(&dialog);
            return typed ? answer(*typed) : -1;
        });
    }

    // Texts and commands of a dialog's items.
    static std::wstring Text(HWND dialog, int id);
    static void SetText(HWND dialog, int id, const std::wstring& text);
    static void Press(HWND dialog, int id, UINT code = BN_CLICKED);

    // Opens the sample project (copied beside the tests) read-only; false when it cannot.
    bool OpenSample();
    // The rows of a list view, each its cells from column 1 on.
    static std::vector<std::vector<std::wstring>> ListRows(HWND list);

    // One unnamed committed transaction each; null when refused.
    wqv2_data::CResource* AddResource(const wchar_t* name, int position);
    wqv2_data::CFilter* AddFilter(const wchar_t* name);

    wqv2_data::CData* root = nullptr;
    CProcessObjects objects;
    qvtest::CMessageRecorder messages;
    std::vector<std::function<INT_PTR(fw::CDialog&)>> answers; // the latest first
    // Data-change notifications of the root since SetUp (one per commit).
    static int Commits();

private:
    HMODULE m_resources = nullptr;
};

} // namespace dlgtest
