#pragma once

// Shows the busy cursor over the application for the lifetime of the object;
// the normal cursor comes back however the scope is left.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
