#pragma once
// The public interfaces of the planning data library QV2D (namespace wqv2_data): the data root
// and every item and container reachable from it. Include this one header.
//
// Ownership: the library owns every object it creates; callers never delete them. Edits run in
// the root's transaction: BeginTransaction, MarkModified / Add / MarkDeleted, change the public
// members, Commit (or Rollback). Items enter and leave their containers only at Commit.

#include "wqv2_data/Types.h"
#include "wqv2_data/Root.h"
#include "wqv2_data/Tasks.h"
#include "wqv2_data/Resources.h"
#include "wqv2_data/Calendars.h"
#include "wqv2_data/Holidays.h"
#include "wqv2_data/Filters.h"
#include "wqv2_data/Recurrences.h"
#include "wqv2_data/ProjectSettings.h"
