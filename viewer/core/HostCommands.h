#pragma once
// The viewer's named commands that plug-ins run through QV2A_Command, after every plug-in has
// left the name alone.

// The command's result; 0 for a name that is not one of the host's (names compare exactly).
int RunHostCommand(const wchar_t* name, void* argument);
