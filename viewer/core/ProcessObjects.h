#pragma once
// The viewer's process-wide objects. CProcessObjects creates them before start-up in a fixed
// order (selection, command line, application, plug-in list, settings), publishes them through
// the pointers below, and destroys them in reverse order after exit. The host functions that
// plug-ins call reach the viewer only through these pointers, so each may be null.

#include "QV2PluginInterface.h"

#include <memory>
#include <vector>

class CCommandLineInfoEx;
class CMainApp;
class CPlugins;
class CSettings;
class CUndoManagerInt;

using CSelection = std::vector<TaskOccurrence>;

extern CSelection* gSelection;
extern CCommandLineInfoEx* gCommandLine;
extern CMainApp* gApp;
extern CPlugins* gPlugins;
extern CSettings* gSettings;

// Set during start-up; none of them is owned here: the data root and the print engine belong to
// their libraries, the undo store to the application object.
extern wqv2_data::CData* gData;
extern CRKPrintEngine2* gPrintEngine;
extern CUndoManagerInt* gUndoManager;
// The current filter; may be stale: confirm it with the filter list before every use.
extern wqv2_data::CFilter* gCurrentFilter;

class CProcessObjects {
public:
    CProcessObjects();
    ~CProcessObjects();
    CProcessObjects(const CProcessObjects&) = delete;
    CProcessObjects& operator=(const CProcessObjects&) = delete;

    CMainApp& App();

private:
    struct Objects;
    std::unique_ptr<Objects> m_objects;
};
