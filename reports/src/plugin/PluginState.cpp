// The kept data root and report filter.
#include "plugin/PluginState.h"

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
    return gFilter;
}

int QV2_CALL SetReportFilter(wqv2_data::CFilter* filter)
{
    gFilter = filter;
    return 0;
}
