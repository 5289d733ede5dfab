#pragma once
// String identifiers of the data library's own string table (QV2D.rc). Read by windres and g++.

// Older sectioned text format.
#define IDS_LEGACY_APPNAME 19
#define IDS_LEGACY_SEPARATORS 20
#define IDS_LEGACY_LINEBREAK 21
#define IDS_LEGACY_FILEINFO 50
#define IDS_LEGACY_APPKEY 51
#define IDS_LEGACY_RESOURCES 100
#define IDS_LEGACY_TASKS 150
#define IDS_LEGACY_SETTINGS 200
#define IDS_LEGACY_TIMEBAR 201
#define IDS_LEGACY_COLORSBK 202
#define IDS_LEGACY_HOLIDAYS 250
#define IDS_LEGACY_FILTERS 300

// Version this library requires of project files it writes.
#define IDS_REQUIRED_VERSION 1000
#define IDS_REQUIRED_VERSION_FULL 1001
