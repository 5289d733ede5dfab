// The kept data root and report filter.
#include "plugin/PluginState.h"

#include "wqv2_data.h"

namespace {
wqv2_data::CData* gRoot = nullptr;     // not owned
wqv2_data::CFilter* gFilter = nullptr; // not owned
} // namespace

wqv2_data::CData* GetDataRoot()
{
    return gRoot;
}

void KeepDataRoot(wqv2_data::CData* root)
{
    if (!gRoot)
        gRoot = root;
}

void ForgetDataRoot()
{
    gRoot = nullptr;
    gFilter = nullptr;
}

wqv2_data::CFilter* GetReportFilter()
{
    // The host passes the filter before a run, but a remembered report may print again after the
    // filter was deleted or the project reloaded: a kept pointer counts only while the project's
    // filter list still holds it.
    if (!gFilter || !gRoot || !gRoot->Filters || !gRoot->Filters->Contains(gFilter))
        return nullptr;
    return gFilter;
}

int QV2_CALL SetReportFilter(wqv2_data::CFilter* filter)
{
    gFilter = filter;
    return 0;
}
