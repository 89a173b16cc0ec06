// The kernel headers, for C++ (ntifs.h for the object and security calls;
// it brings ntddk.h and wdm.h). wdm.h brings its own inline versions of two
// bit-test intrinsics that mingw's intrin.h also defines; marking them as
// already defined keeps intrin.h's copies out, so the two do not clash.
#pragma once

#define __INTRINSIC_DEFINED_InterlockedBitTestAndSet
#define __INTRINSIC_DEFINED_InterlockedBitTestAndReset
#include <ntifs.h>
