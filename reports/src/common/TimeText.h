#pragma once
// Time texts, working-time period lists, weekday names and grid column lists: the helpers the
// plug-in shares with the viewer's dialogs (qv_ui_text). Their settings are read through the
// host once the host functions are bound.

#include "ColumnIds.h"
#include "WorkingTimeText.h"
