#pragma once
// The viewer's host functions that the board view uses, bound by name when it is loaded.

#include "QV2PluginInterface.h"

struct CHostFunctions {
    QV2A_RegisterFn Register = nullptr;
    QV2A_GetCurrentFilterFn GetCurrentFilter = nullptr;
    QV2A_CommandFn Command = nullptr;
    QV2A_GetSettingFn GetSetting = nullptr;

    // false when the program lacks one of them.
    bool Bind();
};

extern CHostFunctions gHost;
extern wqv2_data::CData* gRoot; // not owned: the data library's
