#pragma once
// CFilterDlg: the values of one filter (modal). The runners of the viewer core fill the public
// fields from a filter, run the dialog and, after OK, apply the fields to the filter inside a
// transaction; the dialog itself never changes project data.

#include "RK2Controls.h"
#include "fw/Dialog.h"
#include "wqv2_data.h"

#include <string>
#include <vector>

class CFilterDlg : public fw::CDialog {
public:
    explicit CFilterDlg(wqv2_data::CFilter* edited);

    wqv2_data::CFilter* filter;                           // not owned; null for a new filter
    std::vector<wqv2_data::CResource*> excludedResources; // not owned; the hidden resources
    std::wstring name;
    std::wstring resourceName;
    std::wstring resourceNote;
    std::wstring taskName;
    std::wstring taskNote;

    // The project's filter named exactly `name` (letter case counts), `skip` not counting; null
    // when none.
    static wqv2_data::CFilter* FindByName(const std::wstring& name, const wqv2_data::CFilter* skip);
    // The first of format(1) .. format(`DlgFilterAutoNameMax`) that no filter but `skip` bears;
    // empty when every one is taken.
    static std::wstring GenerateName(const wqv2_data::CFilter* skip);

protected:
    bool OnInit() override;
    void OnOk() override;

private:
    void ReadTexts();
    void RejectName(UINT messageId);

    CRK2CheckListBoxCtrl m_resources;
};
