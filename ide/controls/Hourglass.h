#pragma once
// The wait cursor for the lifetime of the object; the previous cursor comes
// back when it ends.

#include <windows.h>

namespace kforge {

class Hourglass {
public:
    Hourglass();
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
    ~Hourglass();

private:
    HCURSOR previous_;
};

}  // namespace kforge
