#pragma once
// The viewer's change listener, registered with the data root at start-up: the data library
// calls it with its change bits after every commit that changed something and after every load,
// reload and close.

void OnProjectDataChanged(unsigned bits);
