#pragma once

#include "device/HidBackend.h"

#include <vector>

// Control of the fake hidapi library that backend tests link in place of the real one. It
// lists and opens virtual keyboards the way hidapi does on hidraw: one path per USB interface,
// one enumeration entry per top-level collection, the report id left out of reads on an
// interface that does not number its reports.
namespace fakehid {

struct Setup {
    // The backends of virtual keyboards, listed in this order; they outlive their use here.
    std::vector<hx::HidBackend*> keyboards;
    // A 046D:C52B receiver listed before the keyboards, with an "mi_02&col04" of its own, that
    // cannot be opened (no permission).
    bool foreignDevice = false;
    // The data interface (one collection) puts the report id before its input reports; by
    // default it does not, like the keyboard. The notify interface has four collections, so it
    // is always numbered.
    bool numberedData = false;
    // The notify interface's keyboard and consumer collections report before each read of the
    // notify collection, as hidraw delivers every collection of the interface.
    bool otherCollectionReports = false;
};

// Replaces the whole fake machine; devices already open keep what they had.
void Install(Setup setup);
// hid_init calls not yet matched by hid_exit.
int InitDepth();
// Devices opened and not yet closed.
int OpenDevices();

} // namespace fakehid
